#pragma once

#include <QByteArray>
#include <QList>
#include <QWidget>

#include <cstdint>

class CGameDocument;
class CPlayersFilterBar;
class PlayersFilter;
class PlayersTableModel;
class QAction;
class QLabel;
class QTableView;

// The "Players" panel: the filter bar, the table of every player (sortable
// by any column, columns hidden and moved from the header), "N of M
// players", and the buttons and context menu of the actions on the selected
// players. It changes nothing itself: a row chosen and the actions are
// reported as signals, which the shell connects. It follows the document's
// current player (the tree's selection) by selecting his row.
class CPlayersPanel : public QWidget
{
    Q_OBJECT

public:
    enum Preset { kAverage, kGood, kExcellent, kSuperBatsman };

    explicit CPlayersPanel(CGameDocument& document, QWidget* parent = nullptr);

    // The ids of the selected rows, in the order the table shows them.
    QList<quint32> SelectedPlayerIds() const;
    // The ids of the rows the filter lets through, in the order shown.
    QList<quint32> VisiblePlayerIds() const;
    bool IsFiltered() const;
    // Every player of the game, shown or filtered out.
    int PlayerCount() const;
    // Selects the player's row alone and shows it (no playerChosen); a
    // player filtered out, or none (-1), leaves no row selected.
    void SelectPlayer(int playerId);

    QTableView* Table() const { return m_table; }
    // The columns' order, widths, visibility and sort, to remember.
    QByteArray HeaderState() const;
    void RestoreHeaderState(const QByteArray& state);

signals:
    // The selection became one player other than the one the editor shows.
    void playerChosen(quint32 playerId);
    void setFieldRequested(const QList<quint32>& playerIds);
    void presetRequested(const QList<quint32>& playerIds, int preset);
    void moveRequested(const QList<quint32>& playerIds);
    void takeOutRequested(const QList<quint32>& playerIds);

private:
    void CreateTable();
    void CreateActions(QWidget* buttonRow);
    void ShowHeaderMenu(const QPoint& at);
    void OnSelectionChanged();
    void UpdateCount();

    CGameDocument& m_document;
    PlayersTableModel* m_model = nullptr;
    PlayersFilter* m_filter = nullptr;
    CPlayersFilterBar* m_filterBar = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_count = nullptr;
    QList<QAction*> m_actions; // enabled while rows are selected
    bool m_bFollowing = false; // selecting the document's current player
};
