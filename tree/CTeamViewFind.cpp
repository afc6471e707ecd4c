// Edit > Find on the team tree: the walk itself is TeamTreeSearch's.
#include "tree/CTeamView.h"

#include "services/MessageService.h"
#include "tree/TeamTreeSearch.h"

#include <QTreeWidget>

QTreeWidgetItem* CTeamView::FindItem(
    const QString& text, bool bMatchCase, bool bDown, bool bWholeWord, QTreeWidgetItem* start)
{
    if (!start)
        start = m_tree->currentItem();
    const TeamTreeSearch search(*m_tree->model(), [this](const QString& question) {
        return Messages().ShowMessage(window(), question, IMessageService::Buttons::YesNo, IMessageService::Icon::Question)
            == IMessageService::Answer::Yes;
    });
    const QModelIndex found
        = search.FindItem({text, bMatchCase, bDown, bWholeWord}, start ? m_tree->indexFromItem(start) : QModelIndex());
    return found.isValid() ? m_tree->itemFromIndex(found) : nullptr;
}
