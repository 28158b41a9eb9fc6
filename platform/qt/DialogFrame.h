#pragma once

// The Qt peer of a dialog: a top-level window holding an optional menu bar
// above the client area in which the controls sit. The frame only reports
// what the window manager does to it (the close box, minimising, moving,
// activation); the host decides through the model.

#include <QWidget>

class QMenuBar;
class QVBoxLayout;

namespace platform {

class ClientArea;
class QtHost;

class DialogFrame : public QWidget {
public:
    // An owned frame is a Qt child window of its owner's frame, which keeps
    // it above the owner.
    DialogFrame(QtHost& host, DialogFrame* owner, Qt::WindowFlags flags);

    ClientArea& Client() const { return *m_client; }
    QMenuBar* MenuBar() const { return m_menuBar; }
    QMenuBar& AddMenuBar();
    // The height the menu bar takes at the frame's width; 0 without one.
    int MenuBarHeight(int width) const;

    // Placed on the screen once, when first shown.
    bool IsPlaced() const { return m_placed; }
    void MarkPlaced() { m_placed = true; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QtHost& m_host;
    QVBoxLayout* m_layout = nullptr;
    ClientArea* m_client = nullptr;
    QMenuBar* m_menuBar = nullptr;
    bool m_placed = false;
};

}  // namespace platform
