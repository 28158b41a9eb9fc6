#include "platform/qt/DialogFrame.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include "platform/qt/ClientArea.h"
#include "platform/qt/QtHost.h"

namespace platform {

DialogFrame::DialogFrame(QtHost& host, DialogFrame* owner, Qt::WindowFlags flags)
    : QWidget(owner, flags), m_host(host), m_layout(new QVBoxLayout(this)), m_client(new ClientArea(host, this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_client);
}

QMenuBar& DialogFrame::AddMenuBar()
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        m_layout->setMenuBar(m_menuBar);
    }
    return *m_menuBar;
}

int DialogFrame::MenuBarHeight(int width) const
{
    if (!m_menuBar)
        return 0;
    const int height = m_menuBar->heightForWidth(width);
    return height > 0 ? height : m_menuBar->sizeHint().height();
}

void DialogFrame::closeEvent(QCloseEvent* event)
{
    // The model ends the dialog (or not); Qt never closes it on its own.
    event->ignore();
    m_host.CloseBoxPressed(*this);
}

void DialogFrame::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        m_host.FrameStateChanged(*this);
    else if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_host.FrameActivated(*this);
}

void DialogFrame::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    m_host.FrameGeometryChanged(*this);
}

void DialogFrame::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_host.FrameGeometryChanged(*this);
}

}  // namespace platform
