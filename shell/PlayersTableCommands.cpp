// View > Players Table: the "Players" dock, its selection kept in step with
// the tree's, its actions' requests, and its layout remembered.
#include "CMainFrame.h"

#include "COrbekApp.h"
#include "Commands.h"
#include "player/PlayerBatchActions.h"
#include "playerstable/CPlayersPanel.h"
#include "services/HtmlHelp.h"
#include "services/WindowPlacement.h"
#include "tree/CTeamView.h"

#include <QAction>
#include <QDockWidget>
#include <QSettings>
#include <QTimer>

namespace {

// In the "Window" group, beside the placement.
constexpr const char* kDockLayoutKey = "DockLayout";
constexpr const char* kPlayersColumnsKey = "PlayersTableColumns";

} // namespace

void CMainFrame::CreatePlayersTable()
{
    m_wndPlayers = new QDockWidget(tr("Players"), this);
    m_wndPlayers->setObjectName(QStringLiteral("playersDock"));
    m_wndPlayers->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable
        | QDockWidget::DockWidgetFloatable);
    auto* panel = new CPlayersPanel(m_app.Document(), m_wndPlayers);
    m_wndPlayers->setWidget(panel);
    AttachHelp(m_wndPlayers, "Orbek.chm::/Html/PlayersTable.htm");
    addDockWidget(Qt::BottomDockWidgetArea, m_wndPlayers);
    m_wndPlayers->hide();

    QAction* toggle = Action(Command::kPlayersTable);
    toggle->setCheckable(true);
    toggle->setChecked(false);
    connect(toggle, &QAction::toggled, m_wndPlayers, &QDockWidget::setVisible);
    connect(m_wndPlayers->toggleViewAction(), &QAction::toggled, toggle, &QAction::setChecked);

    // A row chosen selects the player in the tree, which the form follows
    // (committing its player first). When the form refuses to leave him,
    // the row goes back to him once the click is done.
    connect(panel, &CPlayersPanel::playerChosen, this, [this, panel](quint32 playerId) {
        if (CTeamView* tree = TeamView())
            tree->SelectPlayerNode(playerId);
        if (m_app.Document().CurrentPlayer() != static_cast<int>(playerId))
            QTimer::singleShot(0, panel, [this, panel] { panel->SelectPlayer(m_app.Document().CurrentPlayer()); });
    });

    // The actions on the selected players act on the game as it stands: the
    // form commits first, and a refused commit calls the action off.
    const auto batch = [this](auto action) {
        return [this, action](const QList<quint32>& ids, auto... arguments) {
            if (!CommitCurrentPlayer())
                return;
            action(m_app.Document(), ids, arguments..., this);
            m_app.OnIdle();
        };
    };
    connect(panel, &CPlayersPanel::setFieldRequested, this, batch(PlayerBatchActions::SetField));
    connect(panel, &CPlayersPanel::presetRequested, this, batch(PlayerBatchActions::ApplyPreset));
    connect(panel, &CPlayersPanel::moveRequested, this, batch(PlayerBatchActions::MoveToTeam));
    connect(panel, &CPlayersPanel::takeOutRequested, this, batch(PlayerBatchActions::TakeOut));
}

CPlayersPanel* CMainFrame::PlayersPanel() const
{
    return m_wndPlayers ? qobject_cast<CPlayersPanel*>(m_wndPlayers->widget()) : nullptr;
}

void CMainFrame::SavePlayersTable()
{
    QSettings settings = WindowPlacement::Profile();
    settings.beginGroup(QString::fromLatin1(WindowPlacement::kGroup));
    settings.setValue(QString::fromLatin1(kDockLayoutKey), saveState());
    if (const CPlayersPanel* panel = PlayersPanel())
        settings.setValue(QString::fromLatin1(kPlayersColumnsKey), panel->HeaderState());
}

void CMainFrame::RestorePlayersTable()
{
    QSettings settings = WindowPlacement::Profile();
    settings.beginGroup(QString::fromLatin1(WindowPlacement::kGroup));
    const QByteArray layout = settings.value(QString::fromLatin1(kDockLayoutKey)).toByteArray();
    if (!layout.isEmpty())
        restoreState(layout);
    if (CPlayersPanel* panel = PlayersPanel())
        panel->RestoreHeaderState(settings.value(QString::fromLatin1(kPlayersColumnsKey)).toByteArray());
}
