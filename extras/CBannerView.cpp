#include "extras/CBannerView.h"

#include "extras/Artwork.h"
#include "extras/CHyperlinkStatic.h"
#include "extras/WebAddresses.h"

#include <algorithm>

CBannerView::CBannerView(QWidget* parent)
    : QWidget(parent)
    , m_link(new CHyperlinkStatic(this))
    , m_timer(this)
{
    setObjectName(QStringLiteral("bannerView"));
    // The cream of the artwork, so that the strip around a smaller banner
    // belongs to it.
    QPalette cream = palette();
    cream.setColor(QPalette::Window, QColor(0xF4, 0xEE, 0xDC));
    setPalette(cream);
    setAutoFillBackground(true);

    m_link->setObjectName(QStringLiteral("bannerLink"));
    m_link->setAlignment(Qt::AlignCenter);
    m_link->Attach();
    m_link->SetColours(m_link->LinkColour(), QColor(255, 0, 0));
    m_link->SetUnderline(false);
    m_link->SetLinkCursor(LinkCursor());

    m_nBanner = 0;
    LoadBanner();
    CentreBanner();

    m_timer.setObjectName(QStringLiteral("bannerTimer"));
    m_timer.setInterval(kCyclePeriodMs);
    connect(&m_timer, &QTimer::timeout, this, &CBannerView::OnTimer);
    m_timer.start();
}

CBannerView::~CBannerView() = default;

QSize CBannerView::sizeHint() const
{
    return {555, 70};
}

void CBannerView::LoadBanner()
{
    m_bmpBanner = LoadArtwork(QStringLiteral("banner%1").arg(m_nBanner + 1));
    m_link->setPixmap(m_bmpBanner);
    m_link->SetUrl(QString::fromLatin1(kBannerAddresses[static_cast<std::size_t>(m_nBanner)]));
}

void CBannerView::CentreBanner()
{
    const QSize banner = m_bmpBanner.deviceIndependentSize().toSize();
    const int x = std::max((width() - banner.width()) / 2, 0);
    const int y = std::max((height() - banner.height()) / 2, 0);
    m_link->setGeometry(x, y, banner.width(), banner.height());
    m_link->update();
}

void CBannerView::OnTimer()
{
    m_nBanner = (m_nBanner + 1) % kBannerCount;
    LoadBanner();
    CentreBanner();
}

void CBannerView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!m_bmpBanner.isNull())
        CentreBanner();
}
