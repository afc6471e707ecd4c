#include "CMainFrame.h"

#include "COrbekApp.h"
#include "COrbekStatusBar.h"
#include "COrbekView.h"
#include "Commands.h"
#include "DefaultExtension.h"
#include "player/CPlayerAttributesView.h"
#include "services/AppTitle.h"
#include "services/MessageService.h"
#include "services/WindowPlacement.h"
#include "tree/CTeamView.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QSplitter>
#include <QUrl>

namespace {

const char* const kOpenFilter = "ICC Save Files (*.CAP)|*.CAP|ICC Database Files (*.DB)|*.DB|All Files (*.*)|*.*|";
const char* const kSaveFilter = "ICC Database Files (*.DB)|*.DB|ICC Save Files (*.CAP)|*.CAP|All Files (*.*)|*.*|";
const char* const kDefaultExtension = ".DB";

QStringList LocalFiles(const QMimeData* data)
{
    QStringList files;
    if (data && data->hasUrls())
        for (const QUrl& url : data->urls())
            if (url.isLocalFile())
                files << url.toLocalFile();
    return files;
}

} // namespace

CMainFrame::CMainFrame(COrbekApp& app) : m_app(app)
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(tr("Untitled - %1").arg(QString::fromLatin1(kAppTitle)));
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    OnCreateClient();
    CreateHistory();
    CreatePlayersTable();
    resize(1024, 720);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::OnCreateClient()
{
    m_wndSplitter = new QSplitter(Qt::Horizontal, this);
    m_wndSplitter->setObjectName(QStringLiteral("frameSplitter"));
    m_wndSplitter->setChildrenCollapsible(false);
    auto* tree = new CTeamView(m_app.Document(), m_wndSplitter);
    auto* view = new COrbekView(m_app, m_wndSplitter);
    m_wndSplitter->addWidget(tree);
    m_wndSplitter->addWidget(view);
    // The tree keeps its width when the window grows.
    m_wndSplitter->setStretchFactor(0, 0);
    m_wndSplitter->setStretchFactor(1, 1);
    m_wndSplitter->setSizes({CTeamView::kInitialWidth, 700});
    setCentralWidget(m_wndSplitter);
    tree->setFocus();
}

CTeamView* CMainFrame::TeamView() const
{
    return m_wndSplitter ? qobject_cast<CTeamView*>(m_wndSplitter->widget(0)) : nullptr;
}

COrbekView* CMainFrame::MainView() const
{
    return m_wndSplitter ? qobject_cast<COrbekView*>(m_wndSplitter->widget(1)) : nullptr;
}

CPlayerAttributesView* CMainFrame::PlayerForm() const
{
    const COrbekView* view = MainView();
    return view ? view->PlayerForm() : nullptr;
}

QAction* CMainFrame::Action(int commandId) const
{
    const auto found = m_actions.find(commandId);
    return found != m_actions.end() ? found->second : nullptr;
}

void CMainFrame::SetCaptionFromGameFile()
{
    setWindowTitle(QStringLiteral("%1 - %2").arg(m_app.GameFilePath(), QString::fromLatin1(kAppTitle)));
}

void CMainFrame::UpdateCommandUI()
{
    const CGame& game = m_app.Game();
    const bool loaded = game.IsLoaded();
    const bool playerSelected = m_app.Document().CurrentPlayer() != -1;
    const std::pair<int, bool> rules[] = {
        {Command::kSave, m_app.Document().IsModified()},
        {Command::kSaveAs, loaded},
        {Command::kRestoreBackup, loaded},
        {Command::kExportPlayers, loaded},
        {Command::kImportPlayers, loaded},
        {Command::kFind, loaded},
        {Command::kFindNext, loaded && !m_app.m_strFindText.isEmpty()},
        {Command::kTeamProperties, loaded},
        {Command::kPlayerStats, playerSelected},
        {Command::kCopyFrom, playerSelected},
        {Command::kCollapseTeamsTree, loaded},
        {Command::kCheckGame, loaded},
        {Command::kCompareWithFile, loaded},
        {Command::kCompareWithSaved, loaded},
    };
    for (const auto& [id, enabled] : rules)
        if (QAction* action = Action(id))
            action->setEnabled(enabled);
}

bool CMainFrame::CommitCurrentPlayer()
{
    const int current = m_app.Document().CurrentPlayer();
    CPlayerAttributesView* form = PlayerForm();
    return current == -1 || !form || form->ShowPlayer(current);
}

bool CMainFrame::SaveModifiedIfWanted()
{
    if (!m_app.Document().IsModified())
        return true;
    const auto answer = Messages().ShowMessage(this,
        tr("Data in the current file has been modifed. Do you want to save the data?"),
        IMessageService::Buttons::YesNoEscapeCancels, IMessageService::Icon::Question);
    // Escape or closing the box calls the Open, drop or close off, edits kept.
    if (answer == IMessageService::Answer::Cancel)
        return false;
    if (answer != IMessageService::Answer::Yes)
        return true;
    OnSave();
    // A failed save keeps the file and the edits: the caller stops.
    return !m_app.Document().IsModified();
}

void CMainFrame::OnOpen()
{
    if (!SaveModifiedIfWanted())
        return;
    const QString path = AskGameFileToOpen(tr("Open"));
    if (path.isEmpty())
        return;
    m_app.LoadGameFile(path);
    // The caption follows the game's file, which a failed load has emptied.
    SetCaptionFromGameFile();
    m_app.OnIdle();
}

QString CMainFrame::AskGameFileToOpen(const QString& caption)
{
    const QString chosen = Messages().GetOpenFileName(this, caption, m_app.GameFilePath(), QString::fromLatin1(kOpenFilter));
    if (chosen.isEmpty())
        return chosen;
    return QFileInfo(WithDefaultExtension(chosen, true, QString::fromLatin1(kDefaultExtension))).absoluteFilePath();
}

void CMainFrame::OnSave()
{
    CommitCurrentPlayer();
    m_app.SaveGameFile();
}

void CMainFrame::OnSaveAs()
{
    CommitCurrentPlayer();
    const QString target = AskSaveAsTarget(tr("Save As"), m_app.GameFilePath(), kSaveFilter, kDefaultExtension);
    if (!target.isEmpty() && m_app.SaveGameFile(target))
        SetCaptionFromGameFile();
}

QString CMainFrame::AskSaveAsTarget(const QString& caption, QString start, const char* filter, const char* extension)
{
    for (;;) {
        const QString chosen = Messages().GetSaveFileName(this, caption, start, QString::fromLatin1(filter));
        if (chosen.isEmpty())
            return {};
        // Asked about the name that will be written, extension included.
        const QFileInfo target(WithDefaultExtension(chosen, false, QString::fromLatin1(extension)));
        if (!target.exists())
            return target.absoluteFilePath();
        const auto answer = Messages().ShowMessage(this,
            tr("%1 already exists.\nDo you want to replace it?").arg(target.fileName()),
            IMessageService::Buttons::YesNo, IMessageService::Icon::Warning);
        if (answer == IMessageService::Answer::Yes)
            return target.absoluteFilePath();
        // No: the dialog comes back on that name, as the system's stays open.
        start = target.absoluteFilePath();
    }
}

void CMainFrame::OnDropFiles(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    // A drop asks about unsaved data first, as Open does: no edits are lost
    // without asking.
    if (!SaveModifiedIfWanted())
        return;
    if (m_app.LoadGameFile(QFileInfo(paths.first()).absoluteFilePath()))
        SetCaptionFromGameFile();
    activateWindow();
    raise();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!LocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QStringList files = LocalFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    // Questions and boxes come after the drop has finished, so the program
    // the files came from is not kept waiting.
    QMetaObject::invokeMethod(this, [this, files] { OnDropFiles(files); }, Qt::QueuedConnection);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!SaveModifiedIfWanted()) {
        event->ignore();
        return;
    }
    SavePlacement();
    event->accept();
}

// The tree/form and banner/form divisions go with the window's placement.
constexpr const char* kTreeSplitterKey = "TreeSplitter";
constexpr const char* kBannerSplitterKey = "BannerSplitter";

void CMainFrame::SavePlacement()
{
    WindowPlacement::Write(WindowPlacement::CurrentShowCommand(*this), WindowPlacement::NormalRect(*this));
    WindowPlacement::WriteSplitter(*m_wndSplitter, kTreeSplitterKey);
    if (const auto* inner = findChild<QSplitter*>(QStringLiteral("viewSplitter")))
        WindowPlacement::WriteSplitter(*inner, kBannerSplitterKey);
    SavePlayersTable();
}

Qt::WindowStates CMainFrame::RestorePlacement()
{
    WindowPlacement::ReadSplitter(*m_wndSplitter, kTreeSplitterKey);
    if (auto* inner = findChild<QSplitter*>(QStringLiteral("viewSplitter")))
        WindowPlacement::ReadSplitter(*inner, kBannerSplitterKey);
    RestorePlayersTable();
    return WindowPlacement::Apply(*this, WindowPlacement::Read());
}
