#pragma once

// The desktop host: every window of the model gets a Qt Widgets peer, every
// change of the model is mirrored on it, and the learner's clicks, keys,
// menu choices and the window manager's requests go back into the model's
// input paths. The model decides all behaviour; Qt only shows and reports.

#include <QFont>
#include <QHash>
#include <QObject>

#include <map>
#include <string>
#include <tuple>

#include "platform/Host.h"

class QEventLoop;
class QKeyEvent;
class QPainter;
class QPoint;
class QWidget;

namespace platform {

class ClientArea;
class DialogFrame;

class QtHost : public QObject, public Host {
public:
    // Needs the QApplication to exist. Windows live as long as the model
    // keeps them, so Qt must not end the application when the last one hides.
    QtHost();
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    void WindowCreated(Window& window) override;
    void WindowDestroyed(Window& window) override;
    void WindowChanged(Window& window, Change change) override;
    void RunModalLoop(Window& dialog) override;
    void EndModalLoop(Window& dialog) override;
    void RunMessageLoop() override;
    int ShowMessageBox(const MessageBoxRequest& request) override;
    std::optional<std::string> ShowFileDialog(Window* owner, const FileDialogRequest& request) override;
    BaseUnits DialogBaseUnits(const FontSpec& font) override;
    int SystemMetric(int index) override;
    RECT WorkArea() override;
    void DrawIcon(Window& window, int x, int y, HICON icon) override;
    void Beep() override;

    // The widget that shows a window of the model (a dialog's DialogFrame),
    // or nullptr.
    static QWidget* PeerOf(const Window& window);
    // The window of the model that a peer widget (or a dialog's client area)
    // shows, or nullptr once the window is gone.
    Window* ModelOf(const QObject* peer) const;

protected:
    // A dialog's client area has just been painted.
    virtual void DialogPainted(Window& dialog);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ClientArea;
    friend class DialogFrame;

    struct DialogFontInfo {
        QFont font;
        BaseUnits units;
    };
    using FontKey = std::tuple<std::string, int, int, bool>;

    // Reports from the peers.
    void CloseBoxPressed(DialogFrame& frame);
    void FrameStateChanged(DialogFrame& frame);
    void FrameActivated(DialogFrame& frame);
    void FrameGeometryChanged(DialogFrame& frame);
    void PaintClient(ClientArea& client, QPainter& painter);
    void OpenSystemMenu(ClientArea& client, const QPoint& globalPosition, QWidget* under);
    void MenuBarChosen(DialogFrame& frame, UINT command);
    bool RouteKey(Window& window, QKeyEvent& event);
    void FocusArrived(Window& window, Qt::FocusReason reason);

    QWidget* CreateControl(Window& control, ClientArea& client);
    QWidget* CreateButton(Window& control, ClientArea& client);
    void Remember(const QObject& peer, Window& window);
    // Drops the peers of the window and its children from the model.
    void Forget(Window& window);

    void MirrorText(Window& window);
    void MirrorVisible(Window& window);
    void MirrorEnabled(Window& window);
    void MirrorCheck(Window& window);
    void MirrorStyle(Window& window);
    void MirrorGeometry(Window& window);
    void MirrorIcon(Window& window);
    void MirrorMenuBar(Window& window);
    void MirrorMinimized(Window& window);
    // Gives Qt's focus to the control that has the model's focus, or to the
    // frame itself when that control cannot hold Qt's focus.
    void MirrorFocus(Window& dialog);
    void MirrorFocusLater(DialogFrame& frame);

    void SizeFrame(DialogFrame& frame, const Window& dialog);
    void PlaceFrame(DialogFrame& frame, Window& dialog);
    void ReportGeometry(DialogFrame& frame);
    const DialogFontInfo& FontFor(const FontSpec& spec);

    QHash<const QObject*, Window*> m_models;
    std::map<const Window*, QEventLoop*> m_modalLoops;
    std::map<FontKey, DialogFontInfo> m_fonts;
    QEventLoop* m_messageLoop = nullptr;
    // Set while a dialog's WM_PAINT runs, so that DrawIcon can paint.
    QPainter* m_painter = nullptr;
    const Window* m_paintedDialog = nullptr;
    // Set while a key is being handled, so that focus moves show as keyboard moves.
    bool m_keyboardInput = false;
    bool m_mirroringFocus = false;
    bool m_reportingGeometry = false;
};

}  // namespace platform
