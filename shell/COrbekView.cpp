#include "COrbekView.h"

#include "COrbekApp.h"
#include "extras/CBannerView.h"
#include "player/CPlayerAttributesView.h"

#include <QSplitter>
#include <QVBoxLayout>

COrbekView::COrbekView(COrbekApp& app, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("orbekView"));
    m_wndSplitter = new QSplitter(Qt::Vertical, this);
    m_wndSplitter->setObjectName(QStringLiteral("viewSplitter"));
    m_wndSplitter->setChildrenCollapsible(false);

    auto* banner = new CBannerView(m_wndSplitter);
    banner->setObjectName(QStringLiteral("bannerView"));
    auto* form = new CPlayerAttributesView(app.Document(), m_wndSplitter);
    form->setObjectName(QStringLiteral("playerAttributesView"));
    m_wndSplitter->addWidget(banner);
    m_wndSplitter->addWidget(form);
    m_wndSplitter->setStretchFactor(0, 0);
    m_wndSplitter->setStretchFactor(1, 1);
    m_wndSplitter->setSizes({kBannerHeight, 10 * kBannerHeight});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_wndSplitter);
}

QWidget* COrbekView::BannerPane() const
{
    return m_wndSplitter->widget(0);
}

CPlayerAttributesView* COrbekView::PlayerForm() const
{
    return qobject_cast<CPlayerAttributesView*>(m_wndSplitter->widget(1));
}
