#include "COrbekApp.h"

#include "AppTitle.h"
#include "CMainFrame.h"
#include "COrbekView.h"
#include "Cp1252.h"
#include "MessageService.h"
#include "ProfileIni.h"
#include "WindowPlacement.h"
#include "player/CPlayerAttributesView.h"
#include "res/OrbekResources.h"
#include "tree/CTeamView.h"

#include "extras/Artwork.h"
#include "extras/CAboutDlg.h"
#include "extras/CSplashWnd.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

COrbekApp::COrbekApp()
{
    InitOrbekResources();
}

COrbekApp::~COrbekApp()
{
    // The tree goes with the frame; the model must not call it afterwards.
    m_game.SetListener(nullptr);
    m_pMainFrame.reset();
    m_game.FreeGameData();
}

bool COrbekApp::InitInstance(const QStringList& arguments)
{
    m_game.m_nCurPlayer = -1;
    m_game.m_strGameFile.clear();

    QCoreApplication::setOrganizationName(QString::fromLatin1(WindowPlacement::kCompany));
    QCoreApplication::setApplicationName(QString::fromLatin1(kAppTitle));

    // A file named on the command line that cannot be opened at all ends the
    // program before any window appears.
    const QString commandLineFile = arguments.isEmpty() ? QString() : arguments.first();
    if (!commandLineFile.isEmpty()) {
        QFile probe(commandLineFile);
        const bool isFolder = QFileInfo(commandLineFile).isDir();
        if (isFolder || !probe.open(QIODevice::ReadOnly)) {
            const QString reason = isFolder ? tr("it is a folder, not a game file") : probe.errorString();
            Messages().ShowMessage(nullptr, tr("Cannot open \"%1\": %2.").arg(QDir::toNativeSeparators(commandLineFile), reason),
                IMessageService::Buttons::Ok, IMessageService::Icon::Warning);
            return false;
        }
    }

    m_pMainFrame = std::make_unique<CMainFrame>(*this);
    if (CTeamView* tree = TeamView())
        m_game.SetListener(tree);
    const Qt::WindowStates state = m_pMainFrame->RestorePlacement();
    m_pMainFrame->setWindowState(state);
    m_pMainFrame->show();
    m_pMainFrame->repaint();
    m_pMainFrame->setAcceptDrops(true);
    OnIdle();

    ShowSplash();
    ReadGameFolder();

    if (!commandLineFile.isEmpty()) {
        m_game.m_strGameFile = QFileInfo(commandLineFile).absoluteFilePath().toStdString();
        if (LoadGameFile())
            m_pMainFrame->SetCaptionFromGameFile();
    }

    // Idle-time work runs whenever the event loop is about to wait.
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &COrbekApp::OnIdle);
    return true;
}

int COrbekApp::ExitInstance()
{
    FreeGameData();
    return 0;
}

void COrbekApp::ShowSplash()
{
    // Modeless; it deletes itself when its time is up or it is clicked. A
    // picture that cannot be loaded means no splash, and start-up goes on.
    CSplashWnd::ShowSplash(QStringLiteral("splash"), 3500, QString::fromLatin1(kVersionText), QPoint(200, 120),
        QColor(0xFF, 0xFF, 0xFF), QColor(0, 0, 0));
}

void COrbekApp::ReadGameFolder()
{
    const QString folder = ProfileIni::GetString(ProfileIni::FilePath(), QString::fromLatin1(ProfileIni::kSection),
        QString::fromLatin1(ProfileIni::kFolderKey));
    if (!folder.isEmpty()) {
        m_strGameFolder = folder;
        return;
    }
    const auto answer = Messages().ShowMessage(m_pMainFrame.get(),
        tr("Cannot locate ICC folder in the Registry. Do you want to select it yourself?"),
        IMessageService::Buttons::YesNo, IMessageService::Icon::Question);
    if (answer == IMessageService::Answer::Yes)
        BrowseForGameFolder();
}

QString COrbekApp::InitialBrowseFolder()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("C:\\");
#else
    return QDir::homePath();
#endif
}

void COrbekApp::BrowseForGameFolder()
{
    const QString path
        = Messages().GetExistingDirectory(m_pMainFrame.get(), tr("Select ICC Folder"), InitialBrowseFolder());
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return;
    m_strGameFolder = QDir::toNativeSeparators(path);
    if (!ProfileIni::WriteString(ProfileIni::FilePath(), QString::fromLatin1(ProfileIni::kSection),
            QString::fromLatin1(ProfileIni::kFolderKey), m_strGameFolder)) {
        Messages().ShowMessage(m_pMainFrame.get(),
            tr("The game folder could not be remembered: \"%1\" cannot be written.")
                .arg(QDir::toNativeSeparators(ProfileIni::FilePath())),
            IMessageService::Buttons::Ok, IMessageService::Icon::Warning);
    }
}

void COrbekApp::OnAppAbout()
{
    CAboutDlg about(m_pMainFrame.get());
    about.SetVersionText(QString::fromLatin1(kVersionText));
    about.exec();
}

CTeamView* COrbekApp::TeamView() const
{
    return m_pMainFrame ? m_pMainFrame->TeamView() : nullptr;
}

CPlayerAttributesView* COrbekApp::PlayerForm() const
{
    return m_pMainFrame ? m_pMainFrame->PlayerForm() : nullptr;
}

QString COrbekApp::FromGameText(const std::string& bytes)
{
    return QString::fromStdString(Cp1252::ToUtf8(bytes));
}

bool COrbekApp::LoadGameFile()
{
    const GameStatus status = m_game.LoadGameFile();
    // Whatever the outcome, nothing shown may still refer to the old records.
    if (CPlayerAttributesView* form = PlayerForm())
        form->ClearForm();
    if (!status) {
        if (CTeamView* tree = TeamView())
            tree->DeleteAllItems();
        Messages().ShowMessage(m_pMainFrame.get(), QString::fromStdString(status.message()),
            IMessageService::Buttons::Ok, IMessageService::Icon::Warning);
    }
    OnIdle();
    return status.ok();
}

bool COrbekApp::LoadGameFile(const QString& path)
{
    m_game.m_strGameFile = path.toStdString();
    return LoadGameFile();
}

bool COrbekApp::SaveGameFile(const QString& newPath)
{
    const GameStatus status = m_game.SaveGameFile(newPath.toStdString());
    if (!status)
        Messages().ShowMessage(m_pMainFrame.get(), QString::fromStdString(status.message()),
            IMessageService::Buttons::Ok, IMessageService::Icon::Warning);
    OnIdle();
    return status.ok();
}

void COrbekApp::FreeGameData()
{
    m_game.FreeGameData();
}

bool COrbekApp::MovePlayer(std::uint32_t playerId, std::uint16_t oldTeam, std::uint16_t newTeam, bool bSelect)
{
    const GameStatus status = m_game.MovePlayer(playerId, oldTeam, newTeam, bSelect);
    if (!status)
        Messages().ShowMessage(m_pMainFrame.get(), QString::fromStdString(status.message()),
            IMessageService::Buttons::Ok, IMessageService::Icon::Warning);
    OnIdle();
    return status.ok();
}

void COrbekApp::RefreshPlayerLabel(std::uint32_t playerId, bool bRebuild)
{
    m_game.RefreshPlayerLabel(playerId, bRebuild);
    OnIdle();
}

void COrbekApp::RefreshAllLabels()
{
    m_game.RefreshAllLabels();
}

void COrbekApp::OnTreeSelection(std::uint32_t itemData)
{
    CPlayerAttributesView* form = PlayerForm();
    if (itemData >= CTeamView::kTeamDataBase || !m_game.Player(itemData)) {
        // A team, "Others", or an id that no longer names a record.
        m_game.m_nCurPlayer = -1;
        if (form)
            form->ClearForm();
    } else {
        m_game.m_nCurPlayer = static_cast<int>(itemData);
        if (form && !form->ShowPlayer(static_cast<int>(itemData))) {
            // The form refused to commit and still shows its player; once
            // the click or key that moved the tree is done, it goes back.
            const int shown = form->CurrentPlayer();
            m_game.m_nCurPlayer = shown;
            QTimer::singleShot(0, TeamView(), [view = TeamView(), shown] {
                view->RevertToPlayerNode(static_cast<std::uint32_t>(shown));
            });
        }
    }
    OnIdle();
}

void COrbekApp::OnIdle()
{
    if (CPlayerAttributesView* form = PlayerForm())
        form->setEnabled(m_game.m_nCurPlayer != -1);
    if (m_pMainFrame)
        m_pMainFrame->UpdateCommandUI();
}
