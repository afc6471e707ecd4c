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

std::vector<ChangeTracker::RecordChanges> ChangeTracker::Differences(const CGame& game) const
{
    std::vector<RecordChanges> records;
    for (const auto& [id, before] : m_players) {
        CPlayer* after = game.Player(id);
        auto lines = RecordDiff::Players(before, *after);
        const bool changed = !lines.empty();
        records.push_back({after, nullptr, std::move(lines), changed});
    }
    for (const auto& [id, before] : m_teams) {
        CTeam* after = game.Team(id);
        auto lines = RecordDiff::Teams(before, *after);
        // The dialog counts spare First XI words too; they never show as keys.
        const bool changed = !lines.empty() || !before.SameContent(*after);
        records.push_back({nullptr, after, std::move(lines), changed});
    }
    return records;
}

std::vector<std::string> ChangeTracker::Collect(CGame& game) const
{
    std::vector<std::string> lines;
    for (auto& record : Differences(game)) {
        if (record.changed) {
            (record.player ? record.player->m_bModified : record.team->m_bModified) = 1;
            game.m_bModified = 1;
        }
        lines.insert(lines.end(), record.lines.begin(), record.lines.end());
    }
    return lines;
}

std::string ChangeTracker::Summary(const CGame& game) const
{
    std::size_t players = 0, fields = 0;
    for (const auto& record : Differences(game)) {
        if (record.player && record.changed)
            ++players;
        fields += record.lines.size();
    }
    return std::to_string(players) + (players == 1 ? " player" : " players") + " changed, " + std::to_string(fields)
        + (fields == 1 ? " field" : " fields");
}
