#include "TeamEdit.h"

#include "RecordLayout.h"

#include <algorithm>
#include <set>

namespace {

bool IsPosition(std::int32_t position)
{
    return position >= 0 && position < static_cast<std::int32_t>(TeamLayout::kFirstXI);
}

GameStatus NoTeam(std::uint16_t teamId)
{
    return GameStatus::Failure("There is no team with the id " + std::to_string(teamId) + ".");
}

} // namespace

namespace TeamEdit {

TeamNames GetNames(const CTeam& team)
{
    return {team.m_strName, team.m_strShortName, team.m_strAbbrev};
}

TeamRoles GetRoles(const CTeam& team)
{
    return {team.Captain(), team.KeeperPos(), team.OpenBowler1(), team.OpenBowler2()};
}

GameStatus SetNames(GameEdit& edit, std::uint16_t teamId, const TeamNames& names)
{
    const CTeam* team = edit.Game().Team(teamId);
    if (!team)
        return NoTeam(teamId);
    for (const std::string* text : {&names.name, &names.shortName, &names.abbrev}) {
        if (text->size() > kMaxNameLength)
            return GameStatus::Failure("A team name can hold at most 255 characters.");
    }
    // A name the header's list has no entry for would be dropped at save.
    const std::string* const wanted[3] = {&names.name, &names.shortName, &names.abbrev};
    const std::string* const current[3] = {&team->m_strName, &team->m_strShortName, &team->m_strAbbrev};
    static const char* const kListNames[3] = {"full names", "short names", "abbreviations"};
    for (std::size_t list = 0; list < 3; ++list) {
        if (*wanted[list] != *current[list] && !edit.Game().HasNameSlot(list, teamId))
            return GameStatus::Failure("The names of team " + std::to_string(teamId) + " cannot be changed: the file's "
                + "list of " + kListNames[list] + " has no entry for this team, so a new one could not be saved.");
    }
    CTeam& changed = *edit.Team(teamId);
    changed.m_strName = names.name;
    changed.m_strShortName = names.shortName;
    changed.m_strAbbrev = names.abbrev;
    for (std::size_t list = 0; list < 3; ++list)
        edit.SetTeamName(list, teamId, *wanted[list]);
    return {};
}

GameStatus CheckBudget(long long budget)
{
    if (budget < 0 || budget > TeamLayout::kMaxBudget)
        return GameStatus::Failure("The budget must be a whole number from 0 to 1000000000.");
    return {};
}

GameStatus SetBudget(GameEdit& edit, std::uint16_t teamId, long long budget)
{
    if (!edit.Game().Team(teamId))
        return NoTeam(teamId);
    if (GameStatus status = CheckBudget(budget); !status)
        return status;
    edit.Team(teamId)->SetI32(TeamLayout::nBudget, static_cast<std::int32_t>(budget));
    return {};
}

GameStatus SetFirstXI(GameEdit& edit, std::uint16_t teamId, const std::vector<std::uint32_t>& playerIds)
{
    const CTeam* team = edit.Game().Team(teamId);
    if (!team)
        return NoTeam(teamId);
    if (playerIds.size() != TeamLayout::kFirstXI)
        return GameStatus::Failure("There must be 11 players in the First XI.");
    std::set<std::uint32_t> seen;
    for (const auto id : playerIds) {
        if (!team->HasInSquad(id))
            return GameStatus::Failure("Player " + std::to_string(id) + " is not in the squad of " + team->m_strName + ".");
        if (!seen.insert(id).second)
            return GameStatus::Failure("Player " + std::to_string(id) + " is named twice in the First XI.");
    }
    std::copy(playerIds.begin(), playerIds.end(), edit.Team(teamId)->m_firstXI.begin());
    return {};
}

GameStatus SetRoles(GameEdit& edit, std::uint16_t teamId, const TeamRoles& roles)
{
    if (!edit.Game().Team(teamId))
        return NoTeam(teamId);
    for (const auto position : {roles.captain, roles.keeper, roles.openBowler1, roles.openBowler2}) {
        if (!IsPosition(position))
            return GameStatus::Failure("A role position must be a place in the First XI, 0 to 10.");
    }
    if (roles.openBowler1 == roles.openBowler2)
        return GameStatus::Failure("The two opening bowlers must be different players.");
    CTeam& team = *edit.Team(teamId);
    team.SetI32(TeamLayout::nCaptain, roles.captain);
    team.SetI32(TeamLayout::nKeeper, roles.keeper);
    team.SetI32(TeamLayout::nOpenBowler1, roles.openBowler1);
    team.SetI32(TeamLayout::nOpenBowler2, roles.openBowler2);
    return {};
}

GameStatus SetNames(CGame& game, std::uint16_t teamId, const TeamNames& names)
{
    return GameEdit::Within(game, [&](GameEdit& edit) { return SetNames(edit, teamId, names); });
}

} // namespace TeamEdit
