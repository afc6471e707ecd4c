#pragma once

#include "PlayersTableColumns.h"

#include <QAbstractTableModel>
#include <QList>

#include <cstdint>
#include <vector>

class CGameDocument;
class CPlayer;

// Every player of the loaded game, one row each in id order, with the
// columns of PlayersTableColumns. It keeps only the ids of its rows: each
// cell is read from the game when asked for. It follows the document's
// signals: changed players, team names, a save and the "*" of uncommitted
// edits refresh their cells only; a load or close resets it.
//
// Sorting compares each pair of rows many times, and the records lie far
// apart: the sort keys of the one column sorted by are read once and kept
// until the game changes them.
class PlayersTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kPlayerIdRole = Qt::UserRole; // quint32 on every cell

    explicit PlayersTableModel(CGameDocument& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The player of a row; null outside the rows.
    const CPlayer* PlayerAt(int row) const;
    std::uint32_t IdAt(int row) const { return m_ids[static_cast<std::size_t>(row)]; }
    // The row of a player, -1 for none.
    int RowOf(std::uint32_t playerId) const;
    // Whether row `left` comes before row `right` when sorted by `column`.
    bool LessThan(int left, int right, int column);

private:
    void Reset();
    void OnPlayersChanged(const QList<quint32>& playerIds);
    // dataChanged for runs of neighbouring rows of these players, in `columns`.
    void RefreshPlayers(const QList<quint32>& playerIds, int firstColumn, int lastColumn);
    void RefreshColumn(int column);
    const PlayersTableColumns::SortKey& KeyAt(int row, int column);
    void DropKeys() { m_keyColumn = -1; m_keys.clear(); }

    CGameDocument& m_document;
    std::vector<std::uint32_t> m_ids; // ascending
    int m_keyColumn = -1;             // whose keys m_keys holds, by row
    std::vector<PlayersTableColumns::SortKey> m_keys;
};
