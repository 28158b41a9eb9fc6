#include "platform/qt/ClientArea.h"

#include <QContextMenuEvent>
#include <QPainter>

#include "platform/qt/QtHost.h"

namespace platform {

ClientArea::ClientArea(QtHost& host, QWidget* frame) : QWidget(frame), m_host(host) {}

void ClientArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_host.PaintClient(*this, painter);
}

void ClientArea::contextMenuEvent(QContextMenuEvent* event)
{
    m_host.OpenSystemMenu(*this, event->globalPos(), childAt(event->pos()));
}

}  // namespace platform
