#include "GameUndoRecord.h"

#include "CGame.h"

bool GameUndoRecord::Empty() const
{
    return m_players.empty() && m_teams.empty() && m_names.empty() && m_listSizeBefore == m_listSizeAfter
        && m_gameModifiedBefore == m_gameModifiedAfter;
}

bool GameUndoRecord::Undo(CGame& game) const
{
    return Apply(game, Side::Before);
}

bool GameUndoRecord::Redo(CGame& game) const
{
    return Apply(game, Side::After);
}

GameChange GameUndoRecord::Change() const
{
    GameChange change;
    for (const auto& image : m_players)
        change.players.push_back(image.id);
    for (const auto& image : m_teams)
        change.teams.push_back(image.id);
    change.names = !m_names.empty() || m_listSizeBefore != m_listSizeAfter;
    return change;
}

std::size_t GameUndoRecord::MemoryBytes() const
{
    // Record copies shared with the game or the other image count once per
    // image here: an upper bound of what the record keeps alive.
    auto text = [](const std::string& s) { return s.capacity() > 15 ? s.capacity() : 0; };
    auto player = [&](const CPlayer& p) {
        return p.OwnRecordBytes() + text(p.m_strGivenNames) + text(p.m_strFamilyName) + text(p.m_strInitials);
    };
    std::size_t bytes = sizeof(*this) + m_name.capacity();
    bytes += m_players.capacity() * sizeof(PlayerImage) + m_teams.capacity() * sizeof(TeamImage)
        + m_names.capacity() * sizeof(NameImage);
    for (const auto& image : m_players)
        bytes += player(image.before) + player(image.after);
    for (const auto& image : m_teams)
        bytes += text(image.before.m_strName) + text(image.before.m_strShortName) + text(image.before.m_strAbbrev)
            + text(image.after.m_strName) + text(image.after.m_strShortName) + text(image.after.m_strAbbrev);
    for (const auto& image : m_names)
        bytes += text(image.before) + text(image.after);
    return bytes;
}

bool GameUndoRecord::Apply(CGame& game, Side side) const
{
    if (game.LoadGeneration() != m_loadGeneration || game.m_openEdit)
        return false;
    const bool before = side == Side::Before;
    // Within the saved state the images were taken in, their flags are the
    // truth; after a save only "modified" is safe.
    const bool sameSave = game.SaveGeneration() == m_saveGeneration;
    for (const auto& image : m_players) {
        CPlayer& player = *game.m_players[image.id];
        player = before ? image.before : image.after;
        if (!sameSave)
            player.m_bModified = 1;
    }
    for (const auto& image : m_teams) {
        CTeam& team = *game.m_teams[image.id];
        team = before ? image.before : image.after;
        if (!sameSave)
            team.m_bModified = 1;
    }
    if (m_listsTouched) {
        for (std::size_t list = 0; list < m_listSizeBefore.size(); ++list)
            game.WritableNameList(list).resize(before ? m_listSizeBefore[list] : m_listSizeAfter[list]);
        for (const auto& image : m_names) {
            auto& names = game.WritableNameList(image.list);
            if (image.id < names.size())
                names[image.id] = before ? image.before : image.after;
        }
    }
    game.m_bModified = sameSave ? (before ? m_gameModifiedBefore : m_gameModifiedAfter) : 1;
    game.Notify(Change());
    return true;
}
