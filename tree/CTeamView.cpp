#include "CTeamView.h"

#include "CTreeBranchStyle.h"
#include "document/CGameDocument.h"

#include <QSignalBlocker>
#include <QStyleFactory>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <vector>

CTeamView::CTeamView(CGameDocument& document, QWidget* parent) : QWidget(parent), m_document(document)
{
    setObjectName(QStringLiteral("teamView"));
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("teamTree"));
    m_tree->setColumnCount(1);
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    // Lines between the nodes under every style (the view deletes the style after the tree).
    auto* branchStyle = new CTreeBranchStyle(QStyleFactory::create(m_tree->style()->name()));
    branchStyle->setParent(this);
    m_tree->setStyle(branchStyle);
    m_tree->setItemsExpandable(true);
    m_tree->setSortingEnabled(false);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setIconSize(QSize(24, 24));
    m_tree->setUniformRowHeights(true);
    m_tree->setFrameShape(QFrame::NoFrame);
    // Labels wider than the pane end in "..."; widening the pane shows them whole.
    m_tree->setTextElideMode(Qt::ElideRight);
    m_tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_imageList.reserve(kImageCount);
    for (int i = 0; i < kImageCount; ++i)
        m_imageList.push_back(QIcon(QStringLiteral(":/images/tree/tree%1.png").arg(i, 2, 10, QLatin1Char('0'))));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    setFocusProxy(m_tree);
    setMinimumWidth(120);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, &CTeamView::OnSelectionChanged);
    connect(&m_document, &CGameDocument::gameReset, this, [this] {
        if (m_document.Game().IsLoaded())
            RebuildTree();
        else
            DeleteAllItems();
    });
    connect(&m_document, &CGameDocument::teamsChanged, this, &CTeamView::SyncSquads);
    connect(&m_document, &CGameDocument::namesChanged, this, &CTeamView::RelabelTeams);
    connect(&m_document, &CGameDocument::playersChanged, this, &CTeamView::OnPlayersChanged);
    connect(&m_document, &CGameDocument::gameSaved, this, &CTeamView::RefreshAllLabels);
    connect(&m_document, &CGameDocument::pendingPlayerChanged, this, [this](int previous, int current) {
        for (const int id : {previous, current})
            if (id > 0)
                RelabelPlayer(static_cast<std::uint32_t>(id));
    });
    RebuildTree();
}

CTeamView::~CTeamView() = default;

std::uint32_t CTeamView::ItemData(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kItemDataRole).toUInt() : 0;
}

void CTeamView::SetImage(QTreeWidgetItem* item, int image)
{
    item->setIcon(0, m_imageList.value(image));
    item->setData(0, kImageRole, image);
}

QTreeWidgetItem* CTeamView::AddNode(QTreeWidgetItem* parent, const QString& label, int image, std::uint32_t data)
{
    auto* item = new QTreeWidgetItem;
    item->setText(0, label);
    item->setData(0, kItemDataRole, data);
    SetImage(item, image);
    if (parent)
        parent->addChild(item);
    else
        m_tree->addTopLevelItem(item);
    return item;
}

QTreeWidgetItem* CTeamView::AddPlayerNode(QTreeWidgetItem* parent, std::uint32_t playerId, bool withModifiedMark)
{
    const CPlayer* player = m_document.Game().Player(playerId);
    QString label;
    int image = kFirstPlayerImage;
    if (player) {
        label = withModifiedMark ? m_document.PlayerLabel(*player) : CGameDocument::GameText(player->GetDisplayName());
        image += player->GetImageIndex();
    }
    return AddNode(parent, label, image, playerId);
}

void CTeamView::RebuildTree()
{
    const CGame& game = m_document.Game();
    if (!m_tree || !game.IsLoaded())
        return;
    m_bRebuilding = true;
    m_tree->setUpdatesEnabled(false);
    m_tree->clear();
    for (const CTeam* team : game.Teams()) {
        QString label = CGameDocument::GameText(team->m_strName);
        if (team->m_bModified)
            label += QLatin1Char('*');
        QTreeWidgetItem* node = AddNode(nullptr, label, kTeamImage, kTeamDataBase + team->m_wId);
        for (std::size_t k = 0; k < team->m_wPlayerCount; ++k)
            AddPlayerNode(node, team->m_squad[k], true);
    }
    QTreeWidgetItem* others = AddNode(nullptr, tr("Others"), kOthersImage, kTeamDataBase);
    for (const CPlayer* player : game.Players())
        if (player->Team() == kNoTeam)
            AddPlayerNode(others, player->m_nId, false);
    m_tree->setCurrentItem(nullptr);
    m_tree->setUpdatesEnabled(true);
    m_bRebuilding = false;
}

void CTeamView::SyncSquads(const QList<quint32>& teamIds)
{
    const CGame& game = m_document.Game();
    const QTreeWidgetItem* const current = m_tree->currentItem();
    const std::uint32_t selected = ItemData(current);
    m_bRebuilding = true;
    std::vector<std::pair<QTreeWidgetItem*, std::size_t>> synced;
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* node = m_tree->topLevelItem(i);
        const std::uint32_t data = ItemData(node);
        std::vector<std::uint32_t> ids;
        if (data == kTeamDataBase) {
            for (const CPlayer* player : game.Players())
                if (player->Team() == kNoTeam)
                    ids.push_back(player->m_nId);
        } else if (const CTeam* team = game.Team(data - kTeamDataBase); team && teamIds.contains(team->m_wId)) {
            ids.assign(team->m_squad.begin(), team->m_squad.begin() + team->m_wPlayerCount);
        } else {
            continue;
        }
        SyncChildren(node, ids, data != kTeamDataBase);
        synced.emplace_back(node, ids.size());
    }
    // Nodes left behind (their players went to a node synced later, which
    // took them, or no longer exist) go only now.
    for (const auto& [node, size] : synced)
        while (node->childCount() > static_cast<int>(size))
            delete node->takeChild(node->childCount() - 1);
    RelabelTeams();
    // A moved node loses the selection on its way: it gets it back, quietly.
    if (QTreeWidgetItem* again = current ? FindItemByData(selected) : nullptr; again && m_tree->currentItem() != again) {
        const QSignalBlocker quiet(m_tree);
        m_tree->setCurrentItem(again);
        m_tree->scrollToItem(again);
    }
    m_bRebuilding = false;
}

void CTeamView::SyncChildren(QTreeWidgetItem* node, const std::vector<std::uint32_t>& ids, bool withModifiedMark)
{
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const int row = static_cast<int>(i);
        QTreeWidgetItem* item = row < node->childCount() && ItemData(node->child(row)) == ids[i]
            ? node->child(row) : FindItemByData(ids[i]);
        if (item && item->parent() && item != node->child(row)) {
            QTreeWidgetItem* parent = item->parent();
            parent->takeChild(parent->indexOfChild(item));
            node->insertChild(row, item);
        } else if (!item || !item->parent()) {
            AddPlayerNode(node, ids[i], withModifiedMark);
            node->insertChild(row, node->takeChild(node->childCount() - 1));
        }
        if (withModifiedMark)
            RelabelPlayer(ids[i]);
    }
}

void CTeamView::RelabelTeams()
{
    const CGame& game = m_document.Game();
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* node = m_tree->topLevelItem(i);
        const std::uint32_t data = ItemData(node);
        if (const CTeam* team = data > kTeamDataBase ? game.Team(data - kTeamDataBase) : nullptr) {
            QString label = CGameDocument::GameText(team->m_strName);
            if (team->m_bModified)
                label += QLatin1Char('*');
            node->setText(0, label);
        }
    }
}

void CTeamView::OnPlayersChanged(const QList<quint32>& playerIds)
{
    // One walk over the tree for the whole list: a batch edit may change
    // every player of the game at once.
    std::vector<bool> changed(kTeamDataBase, false);
    for (const quint32 id : playerIds)
        if (id < kTeamDataBase)
            changed[id] = true;
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        const std::uint32_t data = ItemData(*it);
        if (data < kTeamDataBase && changed[data])
            Relabel(*it, data);
    }
}

void CTeamView::Relabel(QTreeWidgetItem* item, std::uint32_t playerId)
{
    const CPlayer* player = m_document.Game().Player(playerId);
    if (!player)
        return;
    item->setText(0, m_document.PlayerLabel(*player));
    SetImage(item, kFirstPlayerImage + player->GetImageIndex());
}

void CTeamView::RelabelPlayer(std::uint32_t playerId)
{
    if (QTreeWidgetItem* item = FindItemByData(playerId))
        Relabel(item, playerId);
}

void CTeamView::DeleteAllItems()
{
    m_bRebuilding = true;
    m_tree->clear();
    m_bRebuilding = false;
}

QTreeWidgetItem* CTeamView::FindItemByData(std::uint32_t data) const
{
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it)
        if (ItemData(*it) == data)
            return *it;
    return nullptr;
}

void CTeamView::SelectPlayerNode(std::uint32_t playerId)
{
    if (QTreeWidgetItem* item = FindItemByData(playerId)) {
        m_tree->setCurrentItem(item);
        m_tree->scrollToItem(item);
    }
}

void CTeamView::RevertToPlayerNode(std::uint32_t playerId)
{
    const QSignalBlocker quiet(m_tree);
    SelectPlayerNode(playerId);
}

void CTeamView::RefreshAllLabels()
{
    const CGame& game = m_document.Game();
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        QTreeWidgetItem* item = *it;
        const std::uint32_t data = ItemData(item);
        if (data > kTeamDataBase) {
            item->setText(0, CGameDocument::GameText(game.TeamName(data - kTeamDataBase)));
        } else if (data < kTeamDataBase) {
            const CPlayer* player = game.Player(data);
            item->setText(0, player ? m_document.PlayerLabel(*player) : QString());
        }
    }
}

void CTeamView::CollapseAll()
{
    QTreeWidgetItem* current = m_tree->currentItem();
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        m_tree->topLevelItem(i)->setExpanded(false);
    // A collapsed node cannot keep the selection: it moves to the top-level node.
    while (current && current->parent())
        current = current->parent();
    if (current && current != m_tree->currentItem())
        m_tree->setCurrentItem(current);
}

void CTeamView::OnSelectionChanged()
{
    if (m_bRebuilding)
        return;
    if (QTreeWidgetItem* item = m_tree->currentItem())
        emit nodeSelected(ItemData(item));
}
