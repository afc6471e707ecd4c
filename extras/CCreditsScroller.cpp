#include "extras/CCreditsScroller.h"

#include <QPainter>

namespace {
constexpr int kPixelsPerTick = 2;
} // namespace

CCreditsScroller::CCreditsScroller(std::vector<QString> credits, QSize panelSize, PictureLoader loader)
    : m_credits(std::move(credits))
    , m_panelSize(panelSize)
    , m_loadPicture(std::move(loader))
{
}

CCreditsScroller::Step CCreditsScroller::Tick()
{
    if (!m_bDrawingPicture) {
        const int ticks = m_nTickCounter++;
        if (ticks % m_nLineHeight == 0)
            TakeNextLine();
    }
    ScrollUp();
    return DrawStep();
}

void CCreditsScroller::TakeNextLine()
{
    m_nTickCounter = 1;
    m_strCurrentLine = m_credits.empty() ? QString() : m_credits[static_cast<std::size_t>(m_nLineIndex)];
    ++m_nLineIndex;
    if (m_nLineIndex >= static_cast<int>(m_credits.size()))
        m_nLineIndex = 0;
    m_nScrollOffset = 0;
    m_bNewLine = true;
}

void CCreditsScroller::ScrollUp()
{
    for (Item& item : m_items)
        item.top -= kPixelsPerTick;
    while (!m_items.empty() && m_items.front().top + m_items.front().height < 0)
        m_items.pop_front();
    m_nScrollOffset += kPixelsPerTick;
}

CCreditsScroller::Step CCreditsScroller::DrawStep()
{
    const int bottom = m_panelSize.height();
    const CreditLineStyle style = StyleOfCreditLine(m_strCurrentLine);

    if (style.kind == CreditLineStyle::Kind::Picture) {
        if (!m_bDrawingPicture) {
            const QString name = CreditLineBody(m_strCurrentLine);
            QPixmap picture = m_loadPicture ? m_loadPicture(name) : QPixmap();
            if (picture.isNull()) {
                m_strMissingPicture = name;
                return Step::MissingPicture;
            }
            const QSize size = picture.deviceIndependentSize().toSize();
            m_rcPicture = QRect(QPoint((m_panelSize.width() - size.width()) / 2, bottom - size.height()), size);
            m_items.push_back({QString(), style, QFont(), std::move(picture), bottom - m_nScrollOffset, size.height()});
            m_bDrawingPicture = true;
        }
    } else if (style.kind != CreditLineStyle::Kind::Gap) {
        m_nLineHeight = style.pixelHeight;
        if (m_bNewLine) {
            m_items.push_back({CreditLineBody(m_strCurrentLine), style, style.MakeFont(), QPixmap(), bottom - m_nScrollOffset,
                2 * style.pixelHeight});
        }
    }

    if (m_bDrawingPicture) {
        if (m_nScrollOffset > m_rcPicture.height()) {
            m_bDrawingPicture = false;
            m_rcPicture = QRect();
            m_nScrollOffset = 0;
            m_strCurrentLine.clear();
            m_nTickCounter = 1;
        }
    } else {
        m_bNewLine = false;
    }
    return Step::Scrolled;
}

void CCreditsScroller::Paint(QPainter& painter) const
{
    const QRect panel(QPoint(0, 0), m_panelSize);
    painter.save();
    painter.setClipRect(panel);
    painter.fillRect(panel, Qt::black);
    for (const Item& item : m_items) {
        if (!item.picture.isNull()) {
            const int width = static_cast<int>(item.picture.deviceIndependentSize().width());
            painter.drawPixmap((m_panelSize.width() - width) / 2, item.top, item.picture);
            continue;
        }
        painter.setFont(item.font);
        painter.setPen(item.style.colour);
        const QRect line(0, item.top, m_panelSize.width(), item.height);
        painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, item.text);
    }
    painter.restore();
}
