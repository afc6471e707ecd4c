#pragma once

#include "IGameListener.h"

#include <QIcon>
#include <QVector>
#include <QWidget>

#include <cstdint>

class COrbekApp;
class QTreeWidget;
class QTreeWidgetItem;

// The left-hand pane: every team of the loaded game with its squad, then
// "Others" with every player who is in no team. Each node carries item data
// that leads back into the tables: a player's id (below 0x10000), 0x10000 +
// a team's id, or 0x10000 for "Others". A "*" behind a label marks a
// changed record. Selecting a node is reported to COrbekApp::OnTreeSelection.
//
// The view is the game model's listener: the model asks it to rebuild,
// relabel, move and select nodes. Every look-up walks the tree from the top
// in pre-order (collapsed nodes included); no index from ids to items is kept.
class CTeamView : public QWidget, public IGameListener
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

    CTeamView(COrbekApp& app, QWidget* parent);
    ~CTeamView() override;

    // IGameListener
    void RebuildTree() override;
    void RevealPlayer(int playerId) override;
    void SetPlayerLabel(std::uint32_t playerId, const std::string& label) override;
    void MovePlayerNode(std::uint32_t playerId, std::uint16_t oldTeam, std::uint16_t newTeam, bool bSuppress) override;
    void SelectPlayerNode(std::uint32_t playerId) override;
    // Selects the player's node without telling the app: the form refused to
    // leave him, so the tree goes back to what the form shows.
    void RevertToPlayerNode(std::uint32_t playerId);
    void RefreshAllLabels() override;

    // Empties the tree (after a failed load, so no item refers to freed records).
    void DeleteAllItems();
    // Collapses every top-level node; a selection inside one moves to it.
    void CollapseAll();

    // The pre-order walk (null = none).
    QTreeWidgetItem* NextItem(QTreeWidgetItem* item) const;
    QTreeWidgetItem* PrevItem(QTreeWidgetItem* item) const;
    // With null, starts from the last top-level item.
    QTreeWidgetItem* LastDescendant(QTreeWidgetItem* item) const;
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

private:
    void OnSelectionChanged();
    QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const QString& label, int image, std::uint32_t data);
    QTreeWidgetItem* AddPlayerNode(QTreeWidgetItem* parent, std::uint32_t playerId, bool withModifiedMark);
    void SetImage(QTreeWidgetItem* item, int image);

    COrbekApp& m_app;
    bool m_bRebuilding = false;
    QVector<QIcon> m_imageList;
    QTreeWidget* m_tree = nullptr;
};
