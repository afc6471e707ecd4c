#pragma once

#include "extras/CreditLineStyle.h"

#include <QPixmap>
#include <QSize>
#include <QString>

#include <deque>
#include <functional>
#include <vector>

class QPainter;

// The moving part of the About box's credits, kept apart from the dialog so
// that its timing can be checked without a clock: the dialog's 5 ms timer
// calls Tick(), the panel calls Paint().
//
// Each tick scrolls everything up 2 pixels. A new entry of the table is
// taken when the ticks since the last one reach the current line height
// (15 pixels at first, then the font height of the last text line), so a
// line and its gap take twice its height in pixels. A picture holds the next
// entry back until it has scrolled in completely. After the last entry the
// table starts again.
class CCreditsScroller
{
public:
    // Finds the picture a picture line names; a null pixmap when none.
    using PictureLoader = std::function<QPixmap(const QString& name)>;

    // `panelSize` is the inside of the credits panel in logical pixels.
    CCreditsScroller(std::vector<QString> credits, QSize panelSize, PictureLoader loader);

    enum class Step { Scrolled, MissingPicture };
    // One timer step and the drawing it causes. MissingPicture: the picture
    // line names no picture (see MissingPictureName()); the owner stops the
    // timer and reports it.
    Step Tick();

    // Draws the panel: black, with the lines and pictures that are in view.
    void Paint(QPainter& painter) const;

    int LineIndex() const { return m_nLineIndex; }
    const QString& CurrentLine() const { return m_strCurrentLine; }
    bool IsDrawingPicture() const { return m_bDrawingPicture; }
    QString MissingPictureName() const { return m_strMissingPicture; }
    QSize PanelSize() const { return m_panelSize; }

    // What is on the panel: text lines and pictures with their current top.
    struct Item
    {
        QString text;
        CreditLineStyle style;
        QFont font;
        QPixmap picture;
        int top = 0;
        int height = 0;
    };
    const std::deque<Item>& Items() const { return m_items; }

private:
    void TakeNextLine();
    void ScrollUp();
    Step DrawStep();

    std::vector<QString> m_credits;
    QSize m_panelSize;
    PictureLoader m_loadPicture;

    int m_nLineIndex = 0;
    int m_nTickCounter = 1;
    QString m_strCurrentLine;
    bool m_bNewLine = false;
    int m_nScrollOffset = 0;
    int m_nLineHeight = 15;
    bool m_bDrawingPicture = false;
    QRect m_rcPicture;
    QString m_strMissingPicture;
    std::deque<Item> m_items;
};
