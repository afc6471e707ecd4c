#include "ChangeTracker.h"

#include "RecordDiff.h"

ChangeTracker::ChangeTracker(const CGame& game)
{
    for (const auto& team : game.m_teams)
        if (team)
            m_teams.emplace(team->m_wId, *team);
}

void ChangeTracker::WatchPlayer(const CGame& game, std::uint32_t playerId)
{
    if (const CPlayer* player = game.Player(playerId))
        m_players.emplace(playerId, *player);
}

std::vector<std::string> ChangeTracker::Collect(CGame& game) const
{
    std::vector<std::string> lines;
    for (const auto& [id, before] : m_players) {
        CPlayer* after = game.Player(id);
        const auto changes = RecordDiff::Players(before, *after);
        if (!changes.empty()) {
            after->m_bModified = 1;
            game.m_bModified = 1;
        }
        lines.insert(lines.end(), changes.begin(), changes.end());
    }
    for (const auto& [id, before] : m_teams) {
        CTeam* after = game.Team(id);
        auto changes = RecordDiff::Teams(before, *after);
        // The dialog counts spare First XI words too; they never show as keys.
        if (!changes.empty() || !before.SameContent(*after)) {
            after->m_bModified = 1;
            game.m_bModified = 1;
        }
        lines.insert(lines.end(), changes.begin(), changes.end());
    }
    return lines;
}
