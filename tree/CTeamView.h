#pragma once

#include <QIcon>
#include <QList>
#include <QVector>
#include <QWidget>

#include <cstdint>

class CGameDocument;
class QTreeWidget;
class QTreeWidgetItem;

// The left-hand pane: every team of the loaded game with its squad, then
// "Others" with every player who is in no team. Each node carries item data
// that leads back into the tables: a player's id (below 0x10000), 0x10000 +
// a team's id, or 0x10000 for "Others". A "*" behind a label marks a
// changed record (or the player the form holds uncommitted edits for).
// Selecting a node is reported by nodeSelected().
//
// The view follows the game document's signals: a new game rebuilds it;
// changed teams get their squads and labels again (a player who changed
// team keeps his node, moved; open teams and the selection stay); changed
// players and names are relabelled. Every look-up walks the tree from the
// top in pre-order (collapsed nodes included); no index from ids to items
// is kept.
class CTeamView : public QWidget
{
    Q_OBJECT

public:
    static constexpr std::uint32_t kTeamDataBase = 0x10000; // "Others"; teams add their id
    static constexpr int kInitialWidth = 200;
    static constexpr int kImageCount = 28;
    static constexpr int kTeamImage = 0;
    static constexpr int kOthersImage = 18;
    static constexpr int kFirstPlayerImage = 19;
    // The role holding each node's item data, and the one holding its image index.
    static constexpr int kItemDataRole = Qt::UserRole;
    static constexpr int kImageRole = Qt::UserRole + 1;

    CTeamView(CGameDocument& document, QWidget* parent);
    ~CTeamView() override;

    // Rebuilds from the tables: every node closed, none selected.
    void RebuildTree();
    // Labels the player's node as the document does.
    void RelabelPlayer(std::uint32_t playerId);
    void SelectPlayerNode(std::uint32_t playerId);
    // Selects the player's node without telling anyone: the form refused to
    // leave him, or an undo shows him, so the tree goes back to what the
    // form shows.
    void RevertToPlayerNode(std::uint32_t playerId);
    // Relabels every node from the tables (after a save).
    void RefreshAllLabels();

    // Empties the tree (after a failed load, so no item refers to freed records).
    void DeleteAllItems();
    // Collapses every top-level node; a selection inside one moves to it.
    void CollapseAll();

    // The first node whose item data is `data`, or null.
    QTreeWidgetItem* FindItemByData(std::uint32_t data) const;
    // Edit > Find: the next node (in the direction asked) whose label holds
    // `text`, asking once whether to go on from the other end; start null =
    // the selected node, which is never a match itself. Null when nothing is
    // found. The walk is TeamTreeSearch's (CTeamViewFind.cpp).
    QTreeWidgetItem* FindItem(const QString& text, bool bMatchCase, bool bDown, bool bWholeWord,
        QTreeWidgetItem* start = nullptr);

    static std::uint32_t ItemData(const QTreeWidgetItem* item);
    QTreeWidget* Tree() const { return m_tree; }
    const QIcon& Image(int index) const { return m_imageList[index]; }

signals:
    // The user selected the node with this item data.
    void nodeSelected(quint32 itemData);

private:
    void OnSelectionChanged();
    // The squads of these teams and "Others" as the tables hold them now.
    void SyncSquads(const QList<quint32>& teamIds);
    // Makes the node's first children the players `ids`, in order, taking
    // their nodes from wherever they are; the caller drops the rest.
    void SyncChildren(QTreeWidgetItem* node, const std::vector<std::uint32_t>& ids, bool withModifiedMark);
    void RelabelTeams();
    void OnPlayersChanged(const QList<quint32>& playerIds);
    void Relabel(QTreeWidgetItem* item, std::uint32_t playerId);
    QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const QString& label, int image, std::uint32_t data);
    QTreeWidgetItem* AddPlayerNode(QTreeWidgetItem* parent, std::uint32_t playerId, bool withModifiedMark);
    void SetImage(QTreeWidgetItem* item, int image);

    CGameDocument& m_document;
    bool m_bRebuilding = false;
    QVector<QIcon> m_imageList;
    QTreeWidget* m_tree = nullptr;
};
