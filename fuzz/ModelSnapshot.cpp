#include "ModelSnapshot.h"

#include <algorithm>
#include <unordered_map>

namespace {

PlayerState StateOf(const CPlayer& player)
{
    return {static_cast<std::uint16_t>(player.m_nId), player.m_strGivenNames, player.m_strFamilyName,
            player.m_strInitials, player.CopyRecord()};
}

TeamState StateOf(const CTeam& team)
{
    TeamState state;
    state.id = team.m_wId;
    state.squad.assign(team.m_squad.begin(), team.m_squad.begin() + team.m_wPlayerCount);
    const std::size_t xi = std::min<std::size_t>(team.m_wFileXICount, team.m_firstXI.size());
    state.firstXI.assign(team.m_firstXI.begin(), team.m_firstXI.begin() + static_cast<std::ptrdiff_t>(xi));
    state.name = team.m_strName;
    state.shortName = team.m_strShortName;
    state.abbrev = team.m_strAbbrev;
    state.record = team.m_teamRecord;
    return state;
}

std::string Id(std::size_t value)
{
    return std::to_string(value);
}

} // namespace

ModelSnapshot TakeSnapshot(const CGame& game)
{
    ModelSnapshot snapshot;
    for (const auto id : game.LoadedPlayerOrder())
        snapshot.players.push_back(StateOf(*game.Player(id)));
    for (const auto id : game.LoadedTeamOrder())
        snapshot.teams.push_back(StateOf(*game.Team(id)));
    snapshot.nameLists = {game.NameList(0), game.NameList(1), game.NameList(2)};
    return snapshot;
}

ModelSnapshot ExpectedAfterReload(const CGame& game, const std::vector<std::uint16_t>& headerIds,
                                  const std::array<std::size_t, 3>& listLengths)
{
    ModelSnapshot expected = TakeSnapshot(game);

    std::unordered_map<std::uint32_t, std::uint16_t> squadTeam;
    for (const auto& team : expected.teams)
        for (const auto id : team.squad)
            squadTeam[id] = team.id;
    for (auto& player : expected.players) {
        if (const auto found = squadTeam.find(player.id); found != squadTeam.end()) {
            player.record[PlayerLayout::wTeam] = static_cast<std::uint8_t>(found->second & 0xFF);
            player.record[PlayerLayout::wTeam + 1] = static_cast<std::uint8_t>(found->second >> 8);
        }
    }

    for (std::size_t list = 0; list < 3; ++list) {
        const auto& model = game.NameList(list);
        auto& names = expected.nameLists[list];
        names.clear();
        for (std::size_t i = 0; i < listLengths[list]; ++i) {
            const std::uint16_t id = headerIds[i];
            if (names.size() <= id)
                names.resize(id + 1u);
            names[id] = id < model.size() ? model[id] : std::string();
        }
    }
    for (auto& team : expected.teams) {
        auto nameAt = [&](std::size_t list) {
            const auto& names = expected.nameLists[list];
            return team.id < names.size() ? names[team.id] : std::string();
        };
        team.name = nameAt(0);
        team.shortName = nameAt(1);
        team.abbrev = nameAt(2);
    }
    return expected;
}

std::string FirstDifference(const ModelSnapshot& expected, const ModelSnapshot& actual)
{
    if (expected.players.size() != actual.players.size())
        return "player count " + Id(actual.players.size()) + " instead of " + Id(expected.players.size());
    for (std::size_t i = 0; i < expected.players.size(); ++i) {
        const auto& want = expected.players[i];
        const auto& got = actual.players[i];
        if (want.id != got.id)
            return "player " + Id(i) + " has the id " + Id(got.id) + " instead of " + Id(want.id);
        if (want.givenNames != got.givenNames || want.familyName != got.familyName || want.initials != got.initials)
            return "the names of player " + Id(want.id) + " differ";
        if (want.record != got.record)
            return "the record of player " + Id(want.id) + " differs";
    }
    if (expected.teams.size() != actual.teams.size())
        return "team count " + Id(actual.teams.size()) + " instead of " + Id(expected.teams.size());
    for (std::size_t i = 0; i < expected.teams.size(); ++i) {
        const auto& want = expected.teams[i];
        const auto& got = actual.teams[i];
        if (want.id != got.id)
            return "team " + Id(i) + " has the id " + Id(got.id) + " instead of " + Id(want.id);
        if (want.squad != got.squad)
            return "the squad of team " + Id(want.id) + " differs";
        if (want.firstXI != got.firstXI)
            return "the First XI of team " + Id(want.id) + " differs";
        if (want.name != got.name || want.shortName != got.shortName || want.abbrev != got.abbrev)
            return "the names of team " + Id(want.id) + " differ";
        if (want.record != got.record)
            return "the record of team " + Id(want.id) + " differs";
    }
    for (std::size_t list = 0; list < 3; ++list) {
        if (expected.nameLists[list] != actual.nameLists[list])
            return "team-name list " + Id(list) + " differs";
    }
    return {};
}
