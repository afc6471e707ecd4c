// The main frame's menus, toolbar, status bar and pane keys, and the
// commands of the Edit, View and Help menus.
#include "CMainFrame.h"

#include "COrbekApp.h"
#include "COrbekStatusBar.h"
#include "COrbekView.h"
#include "Commands.h"
#include "RecentFiles.h"
#include "player/CPlayerAttributesView.h"
#include "playerstable/CPlayersPanel.h"
#include "services/HtmlHelp.h"
#include "tree/CTeamView.h"

#include <QAction>
#include <QDockWidget>
#include <QEvent>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace {

const CommandInfo& Info(int id)
{
    for (const CommandInfo& info : kCommands)
        if (info.id == id)
            return info;
    return kCommands.front();
}

} // namespace

void CMainFrame::CreateActions()
{
    for (const CommandInfo& info : kCommands) {
        auto* action = new QAction(QString::fromLatin1(info.text), this);
        action->setObjectName(QString::fromLatin1(info.objectName));
        action->setProperty("commandId", info.id);
        if (*info.key)
            action->setShortcut(QKeySequence(QString::fromLatin1(info.key), QKeySequence::PortableText));
        const QStringList prompt = QString::fromLatin1(info.prompt).split('\n');
        if (*info.prompt) {
            action->setStatusTip(prompt.value(0));
            action->setToolTip(prompt.value(1));
        }
        if (*info.icon)
            action->setIcon(QIcon(QStringLiteral(":/images/toolbar/%1.png").arg(QString::fromLatin1(info.icon))));
        m_actions[info.id] = action;
    }

    const auto on = [this](int id, void (CMainFrame::*handler)()) {
        connect(Action(id), &QAction::triggered, this, [this, handler] {
            (this->*handler)();
            m_app.OnIdle();
        });
    };
    on(Command::kOpen, &CMainFrame::OnOpen);
    on(Command::kSave, &CMainFrame::OnSave);
    on(Command::kSaveAs, &CMainFrame::OnSaveAs);
    on(Command::kFind, &CMainFrame::OnFind);
    on(Command::kFindNext, &CMainFrame::OnFindNext);
    on(Command::kTeamProperties, &CMainFrame::OnTeamProperties);
    on(Command::kPlayerStats, &CMainFrame::OnPlayerStats);
    on(Command::kCopyFrom, &CMainFrame::OnCopyFrom);
    on(Command::kCollapseTeamsTree, &CMainFrame::OnCollapseTeamsTree);
    on(Command::kHelpContents, &CMainFrame::OnHelpContents);
    on(Command::kUndo, &CMainFrame::OnUndo);
    on(Command::kRedo, &CMainFrame::OnRedo);
    on(Command::kPreferences, &CMainFrame::OnPreferences);
    on(Command::kRestoreBackup, &CMainFrame::OnRestoreBackup);
    on(Command::kCheckGame, &CMainFrame::OnCheckGame);
    on(Command::kCompareWithFile, &CMainFrame::OnCompareWithFile);
    on(Command::kCompareWithSaved, &CMainFrame::OnCompareWithSaved);
    on(Command::kExportPlayers, &CMainFrame::OnExportPlayers);
    on(Command::kImportPlayers, &CMainFrame::OnImportPlayers);
    CreateRecentFileActions();
    connect(Action(Command::kExit), &QAction::triggered, this, &QWidget::close);
    connect(Action(Command::kAbout), &QAction::triggered, &m_app, &COrbekApp::OnAppAbout);

    // F6 and Shift+F6 move between the panes, as in every split window.
    auto* next = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(next, &QShortcut::activated, this, [this] { ActivateNextPane(true); });
    auto* previous = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), this);
    connect(previous, &QShortcut::activated, this, [this] { ActivateNextPane(false); });
}

void CMainFrame::CreateMenus()
{
    QMenuBar* bar = menuBar();
    const auto addMenu = [this, bar](const QString& title, const char* name, std::initializer_list<int> ids) {
        QMenu* menu = bar->addMenu(title);
        menu->setObjectName(QString::fromLatin1(name));
        for (int id : ids) {
            if (id == 0)
                menu->addSeparator();
            else
                menu->addAction(Action(id));
        }
        // Menus show the state of the moment they open.
        connect(menu, &QMenu::aboutToShow, &m_app, &COrbekApp::OnIdle);
        return menu;
    };
    QMenu* file = addMenu(tr("&File"), "menuFile", {Command::kOpen, Command::kSave, Command::kSaveAs, Command::kRestoreBackup, 0,
        Command::kExportPlayers, Command::kImportPlayers, 0, Command::kExit});
    // The recent files sit above Exit, with a separator of their own.
    for (int i = 0; i < RecentFiles::kMaxCount; ++i)
        file->insertAction(Action(Command::kExit), Action(Command::kRecentFile1 + i));
    m_recentSeparator = file->insertSeparator(Action(Command::kExit));
    UpdateRecentFileMenu();
    // Another Orbek may have opened files since.
    connect(file, &QMenu::aboutToShow, this, &CMainFrame::UpdateRecentFileMenu);
    addMenu(tr("&Edit"), "menuEdit", {Command::kUndo, Command::kRedo, 0, Command::kFind, Command::kFindNext, 0, Command::kTeamProperties,
        Command::kPlayerStats, Command::kCopyFrom, 0, Command::kPreferences});
    addMenu(tr("&View"), "menuView",
        {Command::kToolbar, Command::kStatusBar, Command::kHistory, Command::kPlayersTable, 0, Command::kCollapseTeamsTree});
    addMenu(tr("&Tools"), "menuTools", {Command::kCheckGame, 0, Command::kCompareWithFile, Command::kCompareWithSaved});
    addMenu(tr("&Help"), "menuHelp", {Command::kHelpContents, Command::kAbout});
}

void CMainFrame::CreateToolBar()
{
    m_wndToolBar = new QToolBar(tr("Toolbar"), this);
    m_wndToolBar->setObjectName(QStringLiteral("toolBar"));
    m_wndToolBar->setIconSize(QSize(16, 16));
    m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : {Command::kOpen, Command::kSave, Command::kSaveAs, 0, Command::kUndo, Command::kRedo, 0,
             Command::kFind, Command::kFindNext, 0, Command::kTeamProperties, 0, Command::kAbout}) {
        if (id == 0) {
            m_wndToolBar->addSeparator();
            continue;
        }
        m_wndToolBar->addAction(Action(id));
        // Commands without a prompt have no tool tip either.
        if (!*Info(id).prompt)
            m_wndToolBar->widgetForAction(Action(id))->installEventFilter(this);
    }
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);

    QAction* toggle = Action(Command::kToolbar);
    toggle->setCheckable(true);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, m_wndToolBar, &QToolBar::setVisible);
    connect(m_wndToolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::CreateStatusBar()
{
    m_wndStatusBar = new COrbekStatusBar(this);
    setStatusBar(m_wndStatusBar);
    QAction* toggle = Action(Command::kStatusBar);
    toggle->setCheckable(true);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, m_wndStatusBar, &QStatusBar::setVisible);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip && qobject_cast<QToolButton*>(watched))
        return true;
    if (CommitBeforeHistoryMove(watched, event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

namespace {

// The widget that takes the focus for a pane: the pane itself, or the first
// of its children in tab order that accepts it. Null when none does.
QWidget* FocusTarget(QWidget* pane)
{
    if (!pane || !pane->isVisible() || !pane->isEnabled())
        return nullptr;
    if (pane->focusPolicy() & Qt::TabFocus)
        return pane;
    for (QWidget* w = pane->nextInFocusChain(); w && w != pane; w = w->nextInFocusChain())
        if (pane->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled())
            return w;
    return nullptr;
}

} // namespace

void CMainFrame::ActivateNextPane(bool forward)
{
    QList<QWidget*> panes;
    QList<QWidget*> targets;
    // The docks count while they show: the players table, then the history.
    CPlayersPanel* players = PlayersPanel();
    for (QWidget* pane : {static_cast<QWidget*>(TeamView()), MainView() ? MainView()->BannerPane() : nullptr,
             static_cast<QWidget*>(PlayerForm()), players ? static_cast<QWidget*>(players->Table()) : nullptr,
             m_wndHistory ? m_wndHistory->widget() : nullptr}) {
        if (QWidget* target = FocusTarget(pane)) {
            panes << pane;
            targets << target;
        }
    }
    if (panes.isEmpty())
        return;
    qsizetype current = -1;
    for (qsizetype i = 0; i < panes.size(); ++i)
        if (panes[i]->isAncestorOf(focusWidget()) || panes[i] == focusWidget())
            current = i;
    const qsizetype count = panes.size();
    const qsizetype target = current < 0 ? 0 : (current + (forward ? 1 : count - 1)) % count;
    targets[target]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void CMainFrame::OnPlayerStats()
{
    if (CPlayerAttributesView* form = PlayerForm())
        form->OnStats();
}

void CMainFrame::OnCopyFrom()
{
    if (CPlayerAttributesView* form = PlayerForm())
        form->OnCopyFrom();
}

void CMainFrame::OnCollapseTeamsTree()
{
    m_app.Document().SetCurrentPlayer(-1);
    if (CPlayerAttributesView* form = PlayerForm())
        form->ClearForm();
    if (CTeamView* tree = TeamView())
        tree->CollapseAll();
}

void CMainFrame::OnHelpContents()
{
    OpenHtmlHelp(nullptr, "Orbek.chm", kHelpDisplayTopic, 0);
}
