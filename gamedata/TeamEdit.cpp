#include "TeamEdit.h"

#include "RecordLayout.h"

#include <algorithm>
#include <set>

namespace {

void StoreName(std::vector<std::string>& list, std::size_t index, const std::string& name)
{
    if (list.size() <= index)
        list.resize(index + 1);
    list[index] = name;
}

bool IsPosition(std::int32_t position)
{
    return position >= 0 && position < static_cast<std::int32_t>(TeamLayout::kFirstXI);
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

GameStatus SetNames(CGame& game, std::uint16_t teamId, const TeamNames& names)
{
    CTeam* team = game.Team(teamId);
    if (!team)
        return GameStatus::Failure("There is no team with the id " + std::to_string(teamId) + ".");
    for (const std::string* text : {&names.name, &names.shortName, &names.abbrev}) {
        if (text->size() > kMaxNameLength)
            return GameStatus::Failure("A team name can hold at most 255 characters.");
    }
    // A name the header's list has no entry for would be dropped at save.
    const std::string* const wanted[3] = {&names.name, &names.shortName, &names.abbrev};
    const std::string* const current[3] = {&team->m_strName, &team->m_strShortName, &team->m_strAbbrev};
    static const char* const kListNames[3] = {"full names", "short names", "abbreviations"};
    for (std::size_t list = 0; list < 3; ++list) {
        if (*wanted[list] != *current[list] && !game.HasNameSlot(list, teamId))
            return GameStatus::Failure("The names of team " + std::to_string(teamId) + " cannot be changed: the file's "
                + "list of " + kListNames[list] + " has no entry for this team, so a new one could not be saved.");
    }
    team->m_strName = names.name;
    team->m_strShortName = names.shortName;
    team->m_strAbbrev = names.abbrev;
    StoreName(game.m_teamNames, teamId, names.name);
    StoreName(game.m_teamShortNames, teamId, names.shortName);
    StoreName(game.m_teamAbbrevs, teamId, names.abbrev);
    return {};
}

GameStatus SetBudget(CTeam& team, long long budget)
{
    if (budget < 0 || budget > TeamLayout::kMaxBudget)
        return GameStatus::Failure("The budget must be a whole number from 0 to 1000000000.");
    team.SetI32(TeamLayout::nBudget, static_cast<std::int32_t>(budget));
    return {};
}

GameStatus SetFirstXI(CTeam& team, const std::vector<std::uint32_t>& playerIds)
{
    if (playerIds.size() != TeamLayout::kFirstXI)
        return GameStatus::Failure("There must be 11 players in the First XI.");
    std::set<std::uint32_t> seen;
    for (const auto id : playerIds) {
        if (!team.HasInSquad(id))
            return GameStatus::Failure("Player " + std::to_string(id) + " is not in the squad of " + team.m_strName + ".");
        if (!seen.insert(id).second)
            return GameStatus::Failure("Player " + std::to_string(id) + " is named twice in the First XI.");
    }
    std::copy(playerIds.begin(), playerIds.end(), team.m_firstXI.begin());
    return {};
}

GameStatus SetRoles(CTeam& team, const TeamRoles& roles)
{
    for (const auto position : {roles.captain, roles.keeper, roles.openBowler1, roles.openBowler2}) {
        if (!IsPosition(position))
            return GameStatus::Failure("A role position must be a place in the First XI, 0 to 10.");
    }
    if (roles.openBowler1 == roles.openBowler2)
        return GameStatus::Failure("The two opening bowlers must be different players.");
    team.SetI32(TeamLayout::nCaptain, roles.captain);
    team.SetI32(TeamLayout::nKeeper, roles.keeper);
    team.SetI32(TeamLayout::nOpenBowler1, roles.openBowler1);
    team.SetI32(TeamLayout::nOpenBowler2, roles.openBowler2);
    return {};
}

} // namespace TeamEdit
