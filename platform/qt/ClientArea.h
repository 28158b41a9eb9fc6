#pragma once

// The client area of a dialog's Qt peer: the controls are its children,
// placed where the template puts them. It hands painting to the model
// (WM_PAINT) and opens the system menu on a right click on its background.

#include <QWidget>

namespace platform {

class QtHost;

class ClientArea : public QWidget {
public:
    ClientArea(QtHost& host, QWidget* frame);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QtHost& m_host;
};

}  // namespace platform
