#include "extras/CCreditsPanel.h"

#include "extras/CCreditsScroller.h"

#include <QPainter>

CCreditsPanel::CCreditsPanel(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    // Every pixel inside the frame is painted on each tick.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CCreditsPanel::SetScroller(const CCreditsScroller* scroller)
{
    m_pScroller = scroller;
    update();
}

void CCreditsPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    if (m_pScroller == nullptr) {
        painter.fillRect(inside, Qt::black);
        return;
    }
    painter.setClipRect(inside);
    painter.translate(inside.topLeft());
    m_pScroller->Paint(painter);
}
