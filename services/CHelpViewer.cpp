#include "CHelpViewer.h"

#include <QAction>
#include <QDesktopServices>
#include <QIcon>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>

CHelpViewer::CHelpViewer(const QUrl& contents) : m_contents(contents)
{
    setObjectName(QStringLiteral("helpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("Orbek Help"));
    setWindowIcon(QIcon(QStringLiteral(":/images/orbek.png")));

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    // Pages inside the help stay here; web addresses go to the browser.
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme() == QLatin1String("qrc") || url.isRelative())
            m_browser->setSource(m_browser->source().resolved(url));
        else
            QDesktopServices::openUrl(url);
    });
    setCentralWidget(m_browser);

    QToolBar* bar = addToolBar(tr("Navigation"));
    bar->setObjectName(QStringLiteral("helpToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"), m_browser,
        &QTextBrowser::backward);
    back->setObjectName(QStringLiteral("helpBack"));
    back->setShortcut(QKeySequence::Back);
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"), m_browser,
        &QTextBrowser::forward);
    forward->setObjectName(QStringLiteral("helpForward"));
    forward->setShortcut(QKeySequence::Forward);
    QAction* home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Contents"), this,
        [this] { m_browser->setSource(m_contents); });
    home->setObjectName(QStringLiteral("helpContents"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = m_browser->documentTitle();
        setWindowTitle(title.isEmpty() ? tr("Orbek Help") : tr("Orbek Help - %1").arg(title));
    });
    resize(640, 560);
}

void CHelpViewer::ShowPage(const QUrl& page)
{
    if (m_browser->source() != page)
        m_browser->setSource(page);
    show();
    raise();
    activateWindow();
}

QUrl CHelpViewer::CurrentPage() const
{
    return m_browser->source();
}
