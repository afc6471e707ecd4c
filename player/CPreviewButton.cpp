#include "CPreviewButton.h"

#include <QPainter>

QRect PreviewRect(const QRect& area, const QSize& bitmapSize)
{
    int left = area.left();
    int top = area.top();
    int right = area.left() + area.width(); // exclusive edges
    int bottom = area.top() + area.height();
    const double width = bitmapSize.width();
    const double height = bitmapSize.height();
    if (width <= height) {
        const int newRight = left + static_cast<int>(width / height * (bottom - top));
        const int shift = (right - newRight) / 2;
        left += shift;
        right = newRight + shift;
    } else {
        const int newBottom = top + static_cast<int>(height / width * (right - left));
        const int shift = (bottom - newBottom) / 2;
        top += shift;
        bottom = newBottom + shift;
    }
    return QRect(left, top, right - left, bottom - top);
}

CPreviewButton::CPreviewButton(QWidget* parent)
    : QPushButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void CPreviewButton::SetBitmap(const QImage& bitmap)
{
    m_bitmap = bitmap;
    update();
}

void CPreviewButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().mid().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (m_bitmap.isNull())
        return;
    // Copied pixel for pixel, as a plain stretch does, so small photos stay crisp.
    painter.drawImage(PreviewRect(rect(), m_bitmap.size()), m_bitmap);
}
