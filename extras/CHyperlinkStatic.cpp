#include "extras/CHyperlinkStatic.h"

#include "extras/HyperlinkErrors.h"
#include "extras/UrlOpener.h"
#include "services/MessageService.h"

#include <QMouseEvent>
#include <QPainter>

CHyperlinkStatic::CHyperlinkStatic(QWidget* parent)
    : QLabel(parent)
{
}

CHyperlinkStatic::~CHyperlinkStatic() = default;

void CHyperlinkStatic::Attach()
{
    if (m_strUrl.isEmpty())
        m_strUrl = text();
    if (text().isEmpty() && pixmap().isNull())
        setText(m_strUrl);
    SetLinkCursor(QCursor(Qt::ArrowCursor));
    setToolTip(m_strUrl);
}

void CHyperlinkStatic::SetUrl(const QString& address)
{
    m_strUrl = address;
    setToolTip(m_strUrl);
}

void CHyperlinkStatic::SetColours(const QColor& link, const QColor& visited)
{
    m_crLink = link;
    m_crVisited = visited;
    update();
}

void CHyperlinkStatic::SetVisited(bool bVisited)
{
    m_bVisited = bVisited;
    update();
}

void CHyperlinkStatic::SetUnderline(bool bUnderline)
{
    m_bUnderline = bUnderline;
    update();
}

void CHyperlinkStatic::SetLinkCursor(const QCursor& cursor)
{
    m_hLinkCursor = cursor;
    setCursor(m_hLinkCursor);
}

int CHyperlinkStatic::OpenUrl(const QString& address, int showCommand)
{
    return OpenUrlThroughOpener(address, showCommand);
}

void CHyperlinkStatic::OnClicked()
{
    const int result = OpenUrl(m_strUrl, kShowNormal);
    m_bVisited = result > 32;
    if (m_bVisited) {
        update();
        return;
    }
    Messages().Beep();
    Messages().ShowMessage(this, HyperlinkErrorMessage(result), IMessageService::Buttons::Ok,
        IMessageService::Icon::Warning);
}

CHyperlinkStatic::TextStyle CHyperlinkStatic::CurrentTextStyle()
{
    TextStyle style{m_bVisited ? m_crVisited : m_crLink, font()};
    if (m_bUnderline) {
        if (!m_fontUnderline) {
            QFont underlined = font();
            underlined.setUnderline(true);
            m_fontUnderline = underlined;
        }
        style.font = *m_fontUnderline;
    }
    return style;
}

void CHyperlinkStatic::paintEvent(QPaintEvent* event)
{
    if (!pixmap().isNull() || text().isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    const TextStyle style = CurrentTextStyle();
    QPainter painter(this);
    painter.setFont(style.font);
    painter.setPen(style.colour);
    painter.drawText(contentsRect(), static_cast<int>(alignment()) | Qt::TextSingleLine, text());
}

void CHyperlinkStatic::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_bPressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void CHyperlinkStatic::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_bPressed) {
        m_bPressed = false;
        event->accept();
        if (rect().contains(event->position().toPoint()))
            OnClicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}
