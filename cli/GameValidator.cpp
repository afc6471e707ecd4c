#include "GameValidator.h"

#include "ByteOrder.h"
#include "CGame.h"
#include "FileIO.h"
#include "GameFileLayout.h"
#include "RecordLayout.h"

#include <map>
#include <set>

namespace {

std::string Team(std::uint32_t id)
{
    return "team " + std::to_string(id);
}

std::string Player(std::uint32_t id)
{
    return "player " + std::to_string(id);
}

std::string TeamIdText(std::uint16_t id)
{
    return id == kNoTeam ? std::string("65535 (none)") : std::to_string(id);
}

void CheckStructure(const GameFileLayout& layout, std::vector<std::string>& problems)
{
    if (!layout.teamMarker) {
        problems.push_back("structure: no \"CrTeam\" follows the player records, so the file has no teams "
                           "(saving it fails with \"File appears to be corrupted\")");
        return;
    }
    const auto& ids = layout.header.ids;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (ids[i] != i + 1) {
            problems.push_back("structure: the team ids at the start of the file are not 1 to "
                + std::to_string(ids.size()) + " in order (position " + std::to_string(i) + " holds "
                + std::to_string(ids[i]) + ")");
            break;
        }
    }
    static const char* const kLists[3] = {"team names", "short team names", "team abbreviations"};
    for (int list = 0; list < 3; ++list) {
        if (layout.header.names[list].size() != ids.size())
            problems.push_back(std::string("structure: the list of ") + kLists[list] + " holds "
                + std::to_string(layout.header.names[list].size()) + " names for " + std::to_string(ids.size())
                + " team ids");
    }
    std::size_t teamRecords = 0;
    for (const auto& entry : layout.teamEntries)
        if (entry.isTeam)
            ++teamRecords;
    if (teamRecords != static_cast<std::size_t>(kGameTeamCount))
        problems.push_back("structure: the team list holds " + std::to_string(teamRecords) + " team records instead of "
            + std::to_string(kGameTeamCount));
}

// Each player against the squads that list him, with the team id his own
// record carries in the file (the reader lets the squads override it).
void CheckSquads(std::span<const std::uint8_t> data, const GameFileLayout& layout, std::vector<std::string>& problems)
{
    std::map<std::uint16_t, std::map<std::uint16_t, int>> listings; // player -> team -> times listed
    for (const auto& entry : layout.teamEntries) {
        if (!entry.isTeam)
            continue;
        for (const auto id : entry.squad)
            ++listings[id][entry.id];
    }
    for (const auto& player : layout.players) {
        const std::uint16_t ownTeam = ByteOrder::GetU16(data.data() + player.RecordOffset() + PlayerLayout::wTeam);
        const auto found = listings.find(player.id);
        if (found == listings.end()) {
            if (ownTeam != kNoTeam)
                problems.push_back(Player(player.id) + ": his record gives team " + TeamIdText(ownTeam)
                    + ", but no squad lists him (a player without a team has 65535)");
            continue;
        }
        const auto& teams = found->second;
        for (const auto& [team, times] : teams) {
            if (times > 1)
                problems.push_back(Player(player.id) + ": listed " + std::to_string(times) + " times in the squad of "
                    + Team(team));
        }
        if (teams.size() > 1) {
            std::string list;
            for (const auto& [team, times] : teams)
                list += (list.empty() ? "" : ", ") + std::to_string(team);
            problems.push_back(Player(player.id) + ": listed in the squads of several teams (" + list + ")");
        } else if (teams.begin()->first != ownTeam) {
            problems.push_back(Player(player.id) + ": his record gives team " + TeamIdText(ownTeam)
                + ", but he is listed in the squad of " + Team(teams.begin()->first));
        }
    }
}

void CheckTeams(const CGame& game, std::vector<std::string>& problems)
{
    static const char* const kRoles[4] = {"captain", "keeper", "open_bowler_1", "open_bowler_2"};
    for (const auto& team : game.m_teams) {
        if (!team)
            continue;
        std::set<std::uint32_t> seen;
        for (std::size_t place = 0; place < team->m_firstXI.size(); ++place) {
            const std::uint32_t id = team->m_firstXI[place];
            if (id == 0)
                continue; // an empty place
            if (!team->HasInSquad(id))
                problems.push_back(Team(team->m_wId) + ": First XI place " + std::to_string(place) + " holds "
                    + Player(id) + ", who is not in its squad");
            else if (!seen.insert(id).second)
                problems.push_back(Team(team->m_wId) + ": " + Player(id) + " holds two First XI places");
        }
        const std::int32_t roles[4] = {team->Captain(), team->KeeperPos(), team->OpenBowler1(), team->OpenBowler2()};
        for (int r = 0; r < 4; ++r) {
            if (roles[r] < 0 || roles[r] > 10)
                problems.push_back(Team(team->m_wId) + ": the " + kRoles[r] + " position " + std::to_string(roles[r])
                    + " is not a First XI place (0..10)");
        }
        for (std::size_t i = 0; i < team->m_wPlayerCount; ++i) {
            if (team->m_squad[i] > 0xFFFF)
                problems.push_back(Team(team->m_wId) + ": squad id " + std::to_string(team->m_squad[i])
                    + " does not fit in 16 bits");
        }
    }
    for (const auto& player : game.m_players) {
        if (player && player->m_nId > 0xFFFF)
            problems.push_back(Player(player->m_nId) + ": the id does not fit in 16 bits");
    }
}

} // namespace

namespace GameValidator {

std::vector<std::string> Check(const std::string& path)
{
    std::vector<std::string> problems;
    std::vector<std::uint8_t> data;
    if (GameStatus status = FileIO::ReadWholeFile(path, data); !status)
        return {status.message()};
    GameFileLayout layout;
    if (GameStatus status = GameFileFormat::Parse(data, layout); !status)
        return {"structure: " + status.message()};

    CheckStructure(layout, problems);
    CheckSquads(data, layout, problems);
    CGame game;
    if (GameStatus status = game.LoadGameFile(path); !status) {
        problems.push_back("structure: " + status.message());
        return problems;
    }
    CheckTeams(game, problems);
    return problems;
}

} // namespace GameValidator
