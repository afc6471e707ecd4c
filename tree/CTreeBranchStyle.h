#pragma once

#include <QProxyStyle>

// The style of the team tree: the base style with dotted lines joining the
// nodes and a boxed "+" or "-" on every node that has children, as trees
// are drawn on Windows. Styles such as Fusion draw no lines at all.
class CTreeBranchStyle : public QProxyStyle
{
public:
    // Takes `base` (null: the application's style).
    explicit CTreeBranchStyle(QStyle* base = nullptr);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget = nullptr) const override;
};
