// The Edit menu's Find, Find Next and Team Properties commands of the frame.
#include "CMainFrame.h"

#include "COrbekApp.h"
#include "player/CPlayerAttributesView.h"
#include "teamdialogs/CTeamPropertiesDlg.h"
#include "tree/CSearchDlg.h"
#include "tree/CTeamView.h"

#include <QTreeWidget>

void CMainFrame::OnFind()
{
    CSearchDlg dialog(this);
    dialog.m_strText = m_app.m_strFindText;
    dialog.m_bMatchCase = m_app.m_bFindMatchCase;
    dialog.m_bWholeWord = m_app.m_bFindWholeWord;
    dialog.m_nDirection = m_app.m_nFindDirection;
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_app.m_strFindText = dialog.m_strText;
    m_app.m_bFindMatchCase = dialog.m_bMatchCase;
    m_app.m_nFindDirection = dialog.m_nDirection;
    m_app.m_bFindWholeWord = dialog.m_bWholeWord;
    OnFindNext();
}

void CMainFrame::OnFindNext()
{
    CTeamView* view = TeamView();
    if (!view)
        return;
    QTreeWidgetItem* found = view->FindItem(
        m_app.m_strFindText, m_app.m_bFindMatchCase, m_app.m_nFindDirection == 0, m_app.m_bFindWholeWord);
    // Nothing found leaves the tree without a selection; the form keeps
    // showing its player.
    view->Tree()->setCurrentItem(found);
    if (found)
        view->Tree()->scrollToItem(found);
}

void CMainFrame::OnTeamProperties()
{
    OpenTeamProperties(-1);
}

void CMainFrame::OpenTeamProperties(int teamId)
{
    CGame& game = m_app.Game();
    // The dialog's one edit: committed at OK (one step), rolled back at Cancel.
    CTeamPropertiesDlg dialog(game, this);
    if (teamId >= 0)
        dialog.SelectTeam(static_cast<std::uint16_t>(teamId));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    GameUndoRecord record = dialog.TakeRecord();
    if (accepted && record.Empty())
        return;
    m_app.Document().AddStep(std::move(record));
    m_app.Document().SetCurrentPlayer(-1);
    if (CPlayerAttributesView* form = PlayerForm())
        form->ClearForm();
    if (CTeamView* tree = TeamView())
        tree->RebuildTree();
}
