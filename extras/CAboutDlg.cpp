#include "extras/CAboutDlg.h"

#include "extras/Artwork.h"
#include "extras/CreditsTable.h"
#include "extras/WebAddresses.h"
#include "services/MessageService.h"
#include "ui_AboutDlg.h"

namespace {
constexpr int kCreditsPeriodMs = 5;
} // namespace

CAboutDlg::CAboutDlg(QWidget* parent, CCreditsScroller::PictureLoader loader)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CAboutDlg>())
    , m_timer(this)
{
    m_ui->setupUi(this);

    CHyperlinkStatic& link = *m_ui->linkHome;
    link.Attach();
    link.SetUrl(QString::fromLatin1(kHomePageAddress));
    link.SetColours(link.LinkColour(), QColor(255, 0, 0));
    link.SetUnderline(false);
    link.SetLinkCursor(LinkCursor());

    if (!loader)
        loader = LoadBitmapResource;
    m_pScroller = std::make_unique<CCreditsScroller>(
        CreditsTable(), m_ui->panelCredits->contentsRect().size(), std::move(loader));
    m_ui->panelCredits->SetScroller(m_pScroller.get());

    m_timer.setObjectName(QStringLiteral("creditsTimer"));
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kCreditsPeriodMs);
    connect(&m_timer, &QTimer::timeout, this, &CAboutDlg::OnTimer);
    connect(m_ui->buttonOk, &QPushButton::clicked, this, &CAboutDlg::OnOK);
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::SetVersionText(const QString& text)
{
    m_ui->labelVersion->setText(text);
}

CHyperlinkStatic& CAboutDlg::HomeLink()
{
    return *m_ui->linkHome;
}

QLabel& CAboutDlg::VersionLabel()
{
    return *m_ui->labelVersion;
}

void CAboutDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_bOpened) {
        m_bOpened = true;
        m_timer.start();
    }
}

void CAboutDlg::OnTimer()
{
    if (m_pScroller->Tick() == CCreditsScroller::Step::MissingPicture) {
        m_timer.stop();
        Messages().ShowMessage(this,
            QStringLiteral("Could not find bitmap resource \"%1\". Be sure to assign the bitmap a QUOTED "
                           "resource name")
                .arg(m_pScroller->MissingPictureName()));
        return;
    }
    m_ui->panelCredits->update();
}

void CAboutDlg::OnOK()
{
    m_timer.stop();
    accept();
}
