#include "PlayersTableModel.h"

#include "PlayersTableColumns.h"

#include "document/CGameDocument.h"

#include <algorithm>

using PlayersTableColumns::Show;

PlayersTableModel::PlayersTableModel(CGameDocument& document, QObject* parent)
    : QAbstractTableModel(parent), m_document(document)
{
    connect(&document, &CGameDocument::gameReset, this, &PlayersTableModel::Reset);
    connect(&document, &CGameDocument::playersChanged, this, &PlayersTableModel::OnPlayersChanged);
    // teamsChanged needs nothing: a squad change reaches the players it
    // moves as playersChanged, and the teams' names are the name lists'.
    connect(&document, &CGameDocument::namesChanged, this, [this] {
        DropKeys();
        RefreshColumn(PlayersTableColumns::IndexOf(Show::Team));
        RefreshColumn(PlayersTableColumns::IndexOf(Show::Origin));
    });
    const int label = PlayersTableColumns::IndexOf(Show::Label);
    connect(&document, &CGameDocument::gameSaved, this, [this, label] { RefreshColumn(label); });
    connect(&document, &CGameDocument::pendingPlayerChanged, this, [this, label](int previous, int current) {
        QList<quint32> ids;
        for (const int id : {previous, current})
            if (id > 0)
                ids.push_back(static_cast<quint32>(id));
        std::sort(ids.begin(), ids.end());
        RefreshPlayers(ids, label, label);
    });
    Reset();
}

int PlayersTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_ids.size());
}

int PlayersTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : PlayersTableColumns::Count();
}

const CPlayer* PlayersTableModel::PlayerAt(int row) const
{
    if (row < 0 || row >= rowCount())
        return nullptr;
    return m_document.Game().Player(IdAt(row));
}

int PlayersTableModel::RowOf(std::uint32_t playerId) const
{
    const auto found = std::lower_bound(m_ids.begin(), m_ids.end(), playerId);
    return found != m_ids.end() && *found == playerId ? static_cast<int>(found - m_ids.begin()) : -1;
}

QVariant PlayersTableModel::data(const QModelIndex& index, int role) const
{
    const CPlayer* player = PlayerAt(index.row());
    if (!player || index.column() < 0 || index.column() >= PlayersTableColumns::Count())
        return {};
    const auto& column = PlayersTableColumns::All()[static_cast<std::size_t>(index.column())];
    switch (role) {
    case Qt::DisplayRole: return PlayersTableColumns::Text(m_document, *player, column);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter | (PlayersTableColumns::AlignsRight(column) ? Qt::AlignRight : Qt::AlignLeft));
    case kPlayerIdRole: return player->m_nId;
    default: return {};
    }
}

QVariant PlayersTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= PlayersTableColumns::Count())
        return QAbstractTableModel::headerData(section, orientation, role);
    const auto& column = PlayersTableColumns::All()[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole)
        return column.title;
    if (role == Qt::ToolTipRole && !column.toolTip.isEmpty())
        return column.toolTip;
    return {};
}

bool PlayersTableModel::LessThan(int left, int right, int column)
{
    if (left < 0 || right < 0 || left >= rowCount() || right >= rowCount() || column < 0
        || column >= PlayersTableColumns::Count())
        return left < right;
    return KeyAt(left, column) < KeyAt(right, column);
}

const PlayersTableColumns::SortKey& PlayersTableModel::KeyAt(int row, int column)
{
    if (column != m_keyColumn) {
        const auto& shown = PlayersTableColumns::All()[static_cast<std::size_t>(column)];
        m_keys.clear();
        m_keys.reserve(m_ids.size());
        const CGame& game = m_document.Game();
        for (const std::uint32_t id : m_ids)
            m_keys.push_back(PlayersTableColumns::Key(game, *game.Player(id), shown));
        m_keyColumn = column;
    }
    return m_keys[static_cast<std::size_t>(row)];
}

void PlayersTableModel::Reset()
{
    beginResetModel();
    DropKeys();
    m_ids.clear();
    const CGame& game = m_document.Game();
    m_ids.reserve(game.PlayerCount());
    for (const CPlayer* player : game.Players())
        m_ids.push_back(player->m_nId);
    endResetModel();
}

void PlayersTableModel::OnPlayersChanged(const QList<quint32>& playerIds)
{
    // A player who came or went changes the rows themselves.
    for (const quint32 id : playerIds) {
        if ((RowOf(id) < 0) != (m_document.Game().Player(id) == nullptr)) {
            Reset();
            return;
        }
    }
    // The keys first: the filter sorts the changed rows again as it hears of them.
    if (m_keyColumn >= 0) {
        const auto& shown = PlayersTableColumns::All()[static_cast<std::size_t>(m_keyColumn)];
        const CGame& game = m_document.Game();
        for (const quint32 id : playerIds)
            m_keys[static_cast<std::size_t>(RowOf(id))] = PlayersTableColumns::Key(game, *game.Player(id), shown);
    }
    RefreshPlayers(playerIds, 0, PlayersTableColumns::Count() - 1);
}

void PlayersTableModel::RefreshPlayers(const QList<quint32>& playerIds, int firstColumn, int lastColumn)
{
    // The ids come in id order: neighbouring rows make one range.
    int first = -1;
    int last = -1;
    const auto flush = [&] {
        if (first >= 0)
            emit dataChanged(index(first, firstColumn), index(last, lastColumn));
    };
    for (const quint32 id : playerIds) {
        const int row = RowOf(id);
        if (row < 0)
            continue;
        if (row != last + 1 || first < 0) {
            flush();
            first = row;
        }
        last = row;
    }
    flush();
}

void PlayersTableModel::RefreshColumn(int column)
{
    if (rowCount() > 0 && column >= 0)
        emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::DisplayRole});
}
