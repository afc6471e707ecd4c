#include "extras/CSplashWnd.h"

#include "extras/Artwork.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <qdrawutil.h>

CSplashWnd::CSplashWnd(const QString& bitmapName, unsigned milliseconds, const QString& text, QPoint textPoint,
    const QColor& textColour, const QColor& backColour)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_crBack(backColour)
    , m_crText(textColour)
    , m_strText(text)
    , m_ptText(textPoint)
    , m_strBitmap(bitmapName)
    , m_nMilliseconds(milliseconds)
    , m_timer(this)
{
    setObjectName(QStringLiteral("splash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);

    // The old small sans-serif face; a 6-pixel request came out at its
    // smallest size, which is what we ask for.
    m_font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    m_font.setStyleHint(QFont::SansSerif);
    m_font.setPixelSize(11);

    m_timer.setObjectName(QStringLiteral("splashTimer"));
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &CSplashWnd::GoAway);
}

CSplashWnd::~CSplashWnd() = default;

bool CSplashWnd::Show()
{
    m_bitmap = LoadArtwork(m_strBitmap);
    if (m_bitmap.isNull())
        return false;

    const QSize picture = m_bitmap.deviceIndependentSize().toSize();
    setFixedSize(picture.width() + 2 * kEdge, picture.height() + 2 * kEdge);

    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    activateWindow();
    repaint();
    m_timer.start(static_cast<int>(m_nMilliseconds));
    return true;
}

CSplashWnd* CSplashWnd::ShowSplash(const QString& bitmapName, unsigned milliseconds, const QString& text,
    QPoint textPoint, const QColor& textColour, const QColor& backColour)
{
    auto* splash = new CSplashWnd(bitmapName, milliseconds, text, textPoint, textColour, backColour);
    if (!splash->Show()) {
        delete splash;
        return nullptr;
    }
    return splash;
}

CSplashWnd* CSplashWnd::ShowStartupSplash(const QString& versionText)
{
    return ShowSplash(QStringLiteral("splash"), 3500, versionText, QPoint(200, 120), QColor(0xFF, 0xFF, 0xFF),
        QColor(0, 0, 0));
}

bool CSplashWnd::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        event->accept();
        GoAway();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto button = static_cast<QMouseEvent*>(event)->button();
        if (button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton) {
            event->accept();
            GoAway();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::event(event);
}

void CSplashWnd::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_crBack);
    qDrawShadePanel(&painter, rect(), palette(), true, kEdge);
    painter.drawPixmap(kEdge, kEdge, m_bitmap);
    if (!m_strText.isEmpty()) {
        painter.setFont(m_font);
        painter.setPen(m_crText);
        const QPoint topLeft = m_ptText + QPoint(kEdge, kEdge);
        painter.drawText(QRect(topLeft, QSize(width(), height())), Qt::AlignLeft | Qt::AlignTop, m_strText);
    }
}

void CSplashWnd::GoAway()
{
    m_timer.stop();
    close(); // deletes the window (WA_DeleteOnClose)
}
