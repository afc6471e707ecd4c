#include "COrbekApp.h"

#include "CMainFrame.h"
#include "COrbekView.h"
#include "ProfileIni.h"
#include "EditorPreferences.h"
#include "RecentFiles.h"
#include "checking/CSaveCheck.h"
#include "player/CPlayerAttributesView.h"
#include "res/OrbekResources.h"
#include "services/AppTitle.h"
#include "services/MessageService.h"
#include "services/WindowPlacement.h"
#include "tree/CTeamView.h"

#include "extras/Artwork.h"
#include "extras/CAboutDlg.h"
#include "extras/CSplashWnd.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStatusBar>
#include <QTimer>

COrbekApp::COrbekApp() : m_saveCheck(std::make_unique<CSaveCheck>(m_document))
{
    InitOrbekResources();
}

COrbekApp::~COrbekApp()
{
    // The views go with the frame; the document must not signal them afterwards.
    m_document.disconnect();
    m_pMainFrame.reset();
    m_document.Close();
}

bool COrbekApp::InitInstance(const QStringList& arguments)
{
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
        connect(tree, &CTeamView::nodeSelected, this, &COrbekApp::OnTreeSelection);
    connect(&m_document, &CGameDocument::stepApplied, this, &COrbekApp::OnStepApplied);
    connect(&m_recovery, &RecoveryKeeper::copyFailed, m_pMainFrame.get(),
        [frame = m_pMainFrame.get()](const QString& message) { frame->statusBar()->showMessage(message); });
    // The commands follow the "*" of the form at once, as they follow an edit.
    connect(&m_document, &CGameDocument::pendingPlayerChanged, this, &COrbekApp::OnIdle);
    connect(&m_document.History(), &QUndoStack::indexChanged, this, &COrbekApp::OnIdle);
    const Qt::WindowStates state = m_pMainFrame->RestorePlacement();
    m_pMainFrame->setWindowState(state);
    m_pMainFrame->show();
    m_pMainFrame->repaint();
    m_pMainFrame->setAcceptDrops(true);
    OnIdle();

    ShowSplash();
    ReadGameFolder();

    if (!commandLineFile.isEmpty()) {
        if (LoadGameFile(QFileInfo(commandLineFile).absoluteFilePath()))
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
    CSplashWnd::ShowStartupSplash(QString::fromLatin1(kVersionText));
}

void COrbekApp::ReadGameFolder()
{
    const QString folder = ProfileIni::GetString(ProfileIni::FilePath(), QString::fromLatin1(ProfileIni::kSection),
        QString::fromLatin1(ProfileIni::kFolderKey));
    if (!folder.isEmpty()) {
        m_document.SetGameFolder(folder);
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
    const QString path = AskForGameFolder(m_pMainFrame.get());
    if (!path.isEmpty())
        SetGameFolder(path);
}

QString COrbekApp::AskForGameFolder(QWidget* parent, const QString& current)
{
    const QString path = Messages().GetExistingDirectory(parent, tr("Select ICC Folder"),
        current.isEmpty() ? InitialBrowseFolder() : current);
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return {};
    return QDir::toNativeSeparators(path);
}

void COrbekApp::SetGameFolder(const QString& folder)
{
    m_document.SetGameFolder(folder);
    if (!ProfileIni::WriteString(ProfileIni::FilePath(), QString::fromLatin1(ProfileIni::kSection),
            QString::fromLatin1(ProfileIni::kFolderKey), m_document.GameFolder())) {
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

bool COrbekApp::LoadGameFile(const QString& path)
{
    // Whatever the outcome, the views follow the document's reset: nothing
    // shown may still refer to the old records.
    const GameStatus status = m_document.Load(path);
    if (!status) {
        Messages().ShowMessage(m_pMainFrame.get(), QString::fromStdString(status.message()),
            IMessageService::Buttons::Ok, IMessageService::Icon::Warning);
    } else {
        NoteRecentFile();
        m_recovery.OfferRecovery(m_pMainFrame.get());
    }
    OnIdle();
    return status.ok();
}

bool COrbekApp::RestoreBackup(const QString& backupPath)
{
    const QString gamePath = GameFilePath();
    const GameStatus status = Backups::Restore(backupPath.toStdString(), gamePath.toStdString(),
        EditorPreferences::Read().BackupSettings());
    if (!status) {
        Messages().ShowMessage(m_pMainFrame.get(), QString::fromStdString(status.message()),
            IMessageService::Buttons::Ok, IMessageService::Icon::Warning);
        return false;
    }
    return LoadGameFile(gamePath);
}

void COrbekApp::NoteRecentFile()
{
    RecentFiles::Add(GameFilePath());
    if (m_pMainFrame)
        m_pMainFrame->UpdateRecentFileMenu();
}

bool COrbekApp::SaveGameFile(const QString& newPath)
{
    const EditorPreferences preferences = EditorPreferences::Read();
    if (preferences.CheckBeforeSave() && Game().IsLoaded() && !m_saveCheck->MaySave(m_pMainFrame.get()))
        return false;
    std::optional<Backups::Settings> backups;
    if (preferences.MakeBackups())
        backups = preferences.BackupSettings();
    const GameStatus status = m_document.Save(newPath, backups);
    if (!status)
        Messages().ShowMessage(m_pMainFrame.get(), QString::fromStdString(status.message()),
            IMessageService::Buttons::Ok, IMessageService::Icon::Warning);
    else if (!newPath.isEmpty())
        NoteRecentFile();
    OnIdle();
    return status.ok();
}

void COrbekApp::FreeGameData()
{
    m_document.Close();
}

bool COrbekApp::MovePlayer(std::uint32_t playerId, std::uint16_t oldTeam, std::uint16_t newTeam, bool bSelect)
{
    const CPlayer* player = Game().Player(playerId);
    if (!player || oldTeam == newTeam)
        return player != nullptr;
    const GameStatus status = m_document.Edit(CGameDocument::StepName(tr("Move"), *player),
        [&](GameEdit& edit) { return edit.MovePlayer(playerId, oldTeam, newTeam); });
    if (!status)
        Messages().ShowMessage(m_pMainFrame.get(), QString::fromStdString(status.message()),
            IMessageService::Buttons::Ok, IMessageService::Icon::Warning);
    else if (CTeamView* tree = TeamView(); tree && bSelect)
        tree->SelectPlayerNode(playerId);
    OnIdle();
    return status.ok();
}

void COrbekApp::RefreshAllLabels()
{
    if (CTeamView* tree = TeamView())
        tree->RefreshAllLabels();
}

void COrbekApp::OnStepApplied(const QList<quint32>& playerIds)
{
    if (playerIds.isEmpty()) {
        OnIdle();
        return;
    }
    // The player shown stays when the step changed him, else its first one.
    const int current = m_document.CurrentPlayer();
    const quint32 shown = current > 0 && playerIds.contains(static_cast<quint32>(current))
        ? static_cast<quint32>(current) : playerIds.front();
    m_document.SetCurrentPlayer(static_cast<int>(shown));
    if (CTeamView* tree = TeamView())
        tree->RevertToPlayerNode(shown);
    // The form was committed before the step; it shows him without another
    // commit, which would push a step while the history is moving.
    if (CPlayerAttributesView* form = PlayerForm()) {
        form->ClearForm();
        form->ShowPlayer(static_cast<int>(shown));
    }
    OnIdle();
}

void COrbekApp::OnTreeSelection(std::uint32_t itemData)
{
    CPlayerAttributesView* form = PlayerForm();
    // A team, "Others", or an id that no longer names a record shows no player.
    const bool toPlayer = itemData < CTeamView::kTeamDataBase && Game().Player(itemData);
    // The form commits its player before it shows another or none.
    const bool left = !form
        || (toPlayer ? form->ShowPlayer(static_cast<int>(itemData)) : form->CurrentPlayer() == 0 || form->StorePlayer());
    if (!left) {
        // The form refused to commit and still shows its player; once the
        // click or key that moved the tree is done, it goes back.
        const int shown = form->CurrentPlayer();
        m_document.SetCurrentPlayer(shown);
        QTimer::singleShot(0, TeamView(), [view = TeamView(), shown] {
            view->RevertToPlayerNode(static_cast<std::uint32_t>(shown));
        });
    } else if (toPlayer) {
        m_document.SetCurrentPlayer(static_cast<int>(itemData));
    } else {
        m_document.SetCurrentPlayer(-1);
        if (form)
            form->ClearForm();
    }
    OnIdle();
}

void COrbekApp::OnIdle()
{
    if (CPlayerAttributesView* form = PlayerForm())
        form->setEnabled(m_document.CurrentPlayer() != -1);
    if (m_pMainFrame)
        m_pMainFrame->UpdateCommandUI();
}
