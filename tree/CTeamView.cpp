#include "CTeamView.h"

#include "CTreeBranchStyle.h"
#include "shell/COrbekApp.h"

#include <QSignalBlocker>
#include <QStyleFactory>
#include <QTreeWidget>
#include <QVBoxLayout>

CTeamView::CTeamView(COrbekApp& app, QWidget* parent) : QWidget(parent), m_app(app)
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
    RebuildTree();
}

CTeamView::~CTeamView()
{
    if (m_app.Game().Listener() == this)
        m_app.Game().SetListener(nullptr);
}

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
    const CPlayer* player = m_app.Game().Player(playerId);
    QString label;
    int image = kFirstPlayerImage;
    if (player) {
        label = COrbekApp::FromGameText(withModifiedMark ? m_app.Game().PlayerLabel(*player) : player->GetDisplayName());
        image += player->GetImageIndex();
    }
    return AddNode(parent, label, image, playerId);
}

void CTeamView::RebuildTree()
{
    const CGame& game = m_app.Game();
    if (!m_tree || !game.IsLoaded())
        return;
    m_bRebuilding = true;
    m_tree->setUpdatesEnabled(false);
    m_tree->clear();
    const std::size_t teamCount = game.m_teams.size();
    for (std::size_t i = 0; i < teamCount; ++i) {
        const CTeam* team = game.m_teams[i].get();
        if (!team)
            continue;
        QString label = COrbekApp::FromGameText(team->m_strName);
        if (team->m_bModified)
            label += QLatin1Char('*');
        QTreeWidgetItem* node = AddNode(nullptr, label, kTeamImage, kTeamDataBase + team->m_wId);
        for (std::size_t k = 0; k < team->m_wPlayerCount; ++k)
            AddPlayerNode(node, team->m_squad[k], true);
    }
    QTreeWidgetItem* others = AddNode(nullptr, tr("Others"), kOthersImage, kTeamDataBase);
    for (const auto& player : game.m_players)
        if (player && player->Team() == kNoTeam)
            AddPlayerNode(others, player->m_nId, false);
    m_tree->setCurrentItem(nullptr);
    m_tree->setUpdatesEnabled(true);
    m_bRebuilding = false;
}

void CTeamView::DeleteAllItems()
{
    m_bRebuilding = true;
    m_tree->clear();
    m_bRebuilding = false;
}

QTreeWidgetItem* CTeamView::NextItem(QTreeWidgetItem* item) const
{
    if (!item)
        return nullptr;
    if (item->childCount() > 0)
        return item->child(0);
    for (QTreeWidgetItem* node = item; node; node = node->parent()) {
        QTreeWidgetItem* parent = node->parent();
        const int index = parent ? parent->indexOfChild(node) : m_tree->indexOfTopLevelItem(node);
        const int siblings = parent ? parent->childCount() : m_tree->topLevelItemCount();
        if (index + 1 < siblings)
            return parent ? parent->child(index + 1) : m_tree->topLevelItem(index + 1);
    }
    return nullptr;
}

QTreeWidgetItem* CTeamView::PrevItem(QTreeWidgetItem* item) const
{
    if (!item)
        return nullptr;
    QTreeWidgetItem* parent = item->parent();
    const int index = parent ? parent->indexOfChild(item) : m_tree->indexOfTopLevelItem(item);
    if (index > 0)
        return LastDescendant(parent ? parent->child(index - 1) : m_tree->topLevelItem(index - 1));
    return parent;
}

QTreeWidgetItem* CTeamView::LastDescendant(QTreeWidgetItem* item) const
{
    if (!item) {
        const int count = m_tree->topLevelItemCount();
        if (count == 0)
            return nullptr;
        item = m_tree->topLevelItem(count - 1);
    }
    while (item->childCount() > 0)
        item = item->child(item->childCount() - 1);
    return item;
}

QTreeWidgetItem* CTeamView::FindItemByData(std::uint32_t data) const
{
    for (QTreeWidgetItem* item = m_tree->topLevelItem(0); item; item = NextItem(item))
        if (ItemData(item) == data)
            return item;
    return nullptr;
}

void CTeamView::SetPlayerLabel(std::uint32_t playerId, const std::string& label)
{
    QTreeWidgetItem* item = FindItemByData(playerId);
    const CPlayer* player = m_app.Game().Player(playerId);
    if (!item || !player)
        return;
    item->setText(0, COrbekApp::FromGameText(label));
    SetImage(item, kFirstPlayerImage + player->GetImageIndex());
}

void CTeamView::RevealPlayer(int playerId)
{
    if (playerId < 0)
        return;
    if (QTreeWidgetItem* item = FindItemByData(static_cast<std::uint32_t>(playerId))) {
        item->setExpanded(true);
        m_tree->scrollToItem(item);
    }
}

void CTeamView::MovePlayerNode(std::uint32_t playerId, std::uint16_t oldTeam, std::uint16_t newTeam, bool bSuppress)
{
    Q_UNUSED(oldTeam);
    if (bSuppress)
        m_bRebuilding = true;
    const std::uint32_t target = newTeam == kNoTeam ? kTeamDataBase : kTeamDataBase + newTeam;
    // Deleting the selected node moves the selection; without suppression
    // that change is handled like any other.
    delete FindItemByData(playerId);
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* top = m_tree->topLevelItem(i);
        if (ItemData(top) == target)
            AddPlayerNode(top, playerId, false);
    }
    m_bRebuilding = false;
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
    const CGame& game = m_app.Game();
    for (QTreeWidgetItem* item = m_tree->topLevelItem(0); item; item = NextItem(item)) {
        const std::uint32_t data = ItemData(item);
        if (data > kTeamDataBase) {
            item->setText(0, COrbekApp::FromGameText(game.TeamName(data - kTeamDataBase)));
        } else if (data < kTeamDataBase) {
            const CPlayer* player = game.Player(data);
            item->setText(0, player ? COrbekApp::FromGameText(player->GetDisplayName()) : QString());
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
        m_app.OnTreeSelection(ItemData(item));
}
