#include "CTreeBranchStyle.h"

#include <QPainter>
#include <QStyleOption>

namespace {
constexpr int kBoxSize = 9; // the expand button, odd so its sign has a middle
} // namespace

CTreeBranchStyle::CTreeBranchStyle(QStyle* base) : QProxyStyle(base) {}

void CTreeBranchStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
    const QWidget* widget) const
{
    if (element != PE_IndicatorBranch) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QRect& r = option->rect;
    const int midX = r.x() + r.width() / 2;
    const int midY = r.y() + r.height() / 2;
    const bool hasBox = option->state & State_Children;
    const int half = hasBox ? kBoxSize / 2 : 0;
    const QBrush dots(option->palette.color(QPalette::Dark), Qt::Dense4Pattern);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    // Up to the node's parent line, down to the next sibling, right to the item.
    if (option->state & (State_Item | State_Sibling))
        painter->fillRect(midX, r.top(), 1, midY - half - r.top(), dots);
    if (option->state & State_Sibling)
        painter->fillRect(midX, midY + half + 1, 1, r.bottom() - midY - half, dots);
    if (option->state & State_Item) {
        if (option->direction == Qt::RightToLeft)
            painter->fillRect(r.left(), midY, midX - half - r.left(), 1, dots);
        else
            painter->fillRect(midX + half + 1, midY, r.right() - midX - half, 1, dots);
    }
    if (hasBox) {
        const QRect box(midX - half, midY - half, kBoxSize - 1, kBoxSize - 1);
        painter->setPen(option->palette.color(QPalette::Dark));
        painter->setBrush(option->palette.base());
        painter->drawRect(box);
        painter->setPen(option->palette.color(QPalette::Text));
        painter->drawLine(midX - 2, midY, midX + 2, midY);
        if (!(option->state & State_Open))
            painter->drawLine(midX, midY - 2, midX, midY + 2);
    }
    painter->restore();
}
