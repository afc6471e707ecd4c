// The Tools menu: Check Game, Compare With File, Compare With Saved.
#include "CMainFrame.h"

#include "COrbekApp.h"
#include "checking/CCheckGameDlg.h"
#include "checking/CCompareDlg.h"
#include "services/MessageService.h"
#include "tree/CTeamView.h"

#include <QFileInfo>

namespace {

// The name a window shows for a game file.
QString FileName(const QString& path)
{
    return QFileInfo(path).fileName();
}

// Loads a file into `game`, apart from the document, whose game stays as
// it is; false after showing why it cannot be loaded.
bool LoadApart(CGame& game, const QString& path, QWidget* parent)
{
    const GameStatus status = game.LoadGameFile(path.toStdString());
    if (!status) {
        Messages().ShowMessage(parent, QString::fromStdString(status.message()), IMessageService::Buttons::Ok,
            IMessageService::Icon::Warning);
    }
    return status.ok();
}

} // namespace

void CMainFrame::OnCheckGame()
{
    if (!m_checkGameDlg) {
        m_checkGameDlg = new CCheckGameDlg(m_app.Document(), this);
        connect(m_checkGameDlg, &CCheckGameDlg::playerRequested, this, &CMainFrame::ShowPlayer);
        connect(m_checkGameDlg, &CCheckGameDlg::teamRequested, this,
            [this](quint32 teamId) { OpenTeamProperties(static_cast<int>(teamId)); });
    }
    m_checkGameDlg->show();
    m_checkGameDlg->raise();
    m_checkGameDlg->activateWindow();
}

void CMainFrame::ShowPlayer(quint32 playerId)
{
    if (!m_app.Game().Player(playerId))
        return;
    // The tree's selection moves the form, which commits the player it held.
    if (CTeamView* tree = TeamView())
        tree->SelectPlayerNode(playerId);
    m_app.OnIdle();
}

void CMainFrame::OnCompareWithFile()
{
    const QString path = AskGameFileToOpen(tr("Compare With File"));
    if (path.isEmpty())
        return;
    CGame other;
    if (LoadApart(other, path, this))
        ShowComparison(RecordDiff::Compare(m_app.Game(), other), tr("This game → %1").arg(FileName(path)));
}

void CMainFrame::OnCompareWithSaved()
{
    if (!CommitCurrentPlayer())
        return;
    const QString path = m_app.GameFilePath();
    CGame saved;
    if (LoadApart(saved, path, this)) {
        ShowComparison(RecordDiff::Compare(saved, m_app.Game()),
            tr("%1 as saved → this game: what the next save changes").arg(FileName(path)));
    }
}

void CMainFrame::ShowComparison(std::vector<RecordDiff::Difference> differences, const QString& direction)
{
    if (m_compareDlg)
        m_compareDlg->close();
    auto* dialog = new CCompareDlg(std::move(differences), direction, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &CCompareDlg::playerRequested, this, &CMainFrame::ShowPlayer);
    // It compared a game that another load or close replaces.
    connect(&m_app.Document(), &CGameDocument::gameReset, dialog, &QWidget::close);
    m_compareDlg = dialog;
    dialog->show();
}
