#include "GameCheck.h"

#include "ByteOrder.h"
#include "FileIO.h"
#include "GameFileLayout.h"
#include "RecordLayout.h"

#include <map>
#include <set>
#include <tuple>
#include <utility>

namespace GameCheck {
namespace {

constexpr const char* kUseBackup = " The editor cannot repair this: use a copy of the file made before it broke.";
constexpr const char* kMoveToAgree = " Move him to a team, or to none, so that his record and the squads agree.";
constexpr const char* kChooseFirstXI = " Choose the First XI again in the team's properties.";

class Findings
{
public:
    explicit Findings(std::vector<Finding>& list) : m_list(list) {}
    void File(std::string text) { m_list.push_back({Severity::Problem, Subject::File, 0, std::move(text)}); }
    void Player(std::uint32_t id, std::string text) { m_list.push_back({Severity::Problem, Subject::Player, id, std::move(text)}); }
    void Team(std::uint32_t id, std::string text) { m_list.push_back({Severity::Problem, Subject::Team, id, std::move(text)}); }

private:
    std::vector<Finding>& m_list;
};

std::string TeamIdText(std::uint16_t id)
{
    return id == kNoTeam ? std::string("65535 (none)") : std::to_string(id);
}

void CheckStructure(const GameFileLayout& layout, Findings& found)
{
    if (!layout.teamMarker) {
        found.File("no \"CrTeam\" follows the player records, so the file has no teams "
                   "(saving it fails with \"File appears to be corrupted\")." + std::string(kUseBackup));
        return;
    }
    const auto& ids = layout.header.ids;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (ids[i] != i + 1) {
            found.File("the team ids at the start of the file are not 1 to " + std::to_string(ids.size())
                + " in order (position " + std::to_string(i) + " holds " + std::to_string(ids[i]) + ")." + kUseBackup);
            break;
        }
    }
    static const char* const kLists[3] = {"team names", "short team names", "team abbreviations"};
    for (std::size_t list = 0; list < 3; ++list) {
        if (layout.header.names[list].size() != ids.size())
            found.File(std::string("the list of ") + kLists[list] + " holds "
                + std::to_string(layout.header.names[list].size()) + " names for " + std::to_string(ids.size())
                + " team ids." + kUseBackup);
    }
    std::size_t teamRecords = 0;
    for (const auto& entry : layout.teamEntries)
        if (entry.isTeam)
            ++teamRecords;
    if (teamRecords != static_cast<std::size_t>(kGameTeamCount))
        found.File("the team list holds " + std::to_string(teamRecords) + " team records instead of "
            + std::to_string(kGameTeamCount) + "." + kUseBackup);
}

using Listings = std::map<std::uint16_t, std::map<std::uint16_t, int>>; // player -> team -> times listed

// Each player (id and the team his record names) against the squads that
// list him.
void CheckSquads(const Listings& listings, const std::vector<std::pair<std::uint16_t, std::uint16_t>>& players,
    Findings& found)
{
    for (const auto& [id, ownTeam] : players) {
        const auto listed = listings.find(id);
        if (listed == listings.end()) {
            if (ownTeam != kNoTeam)
                found.Player(id, "his record gives team " + TeamIdText(ownTeam)
                    + ", but no squad lists him (a player without a team has 65535)." + kMoveToAgree);
            continue;
        }
        const auto& teams = listed->second;
        for (const auto& [team, times] : teams) {
            if (times > 1)
                found.Player(id, "listed " + std::to_string(times) + " times in the squad of team "
                    + std::to_string(team) + ". A squad lists a player once: moving him out of the team "
                    "removes one place.");
        }
        if (teams.size() > 1) {
            std::string list;
            for (const auto& [team, times] : teams)
                list += (list.empty() ? "" : ", ") + std::to_string(team);
            found.Player(id, "listed in the squads of several teams (" + list
                + "). A player plays for one team: move him out of the squads of the others.");
        } else if (teams.begin()->first != ownTeam) {
            found.Player(id, "his record gives team " + TeamIdText(ownTeam) + ", but he is listed in the squad of team "
                + std::to_string(teams.begin()->first) + "." + kMoveToAgree);
        }
    }
}

// The squads and the players' own team ids as the file holds them (the
// reader lets the squads override a player's team).
void CheckFileSquads(std::span<const std::uint8_t> data, const GameFileLayout& layout, Findings& found)
{
    Listings listings;
    for (const auto& entry : layout.teamEntries) {
        if (!entry.isTeam)
            continue;
        for (const auto id : entry.squad)
            ++listings[id][entry.id];
    }
    std::vector<std::pair<std::uint16_t, std::uint16_t>> players;
    for (const auto& player : layout.players)
        players.emplace_back(player.id, ByteOrder::GetU16(data.data() + player.RecordOffset() + PlayerLayout::wTeam));
    CheckSquads(listings, players, found);
}

void CheckGameSquads(const CGame& game, Findings& found)
{
    Listings listings;
    for (const CTeam* team : game.Teams()) {
        for (std::size_t i = 0; i < team->m_wPlayerCount; ++i)
            if (team->m_squad[i] <= 0xFFFF)
                ++listings[static_cast<std::uint16_t>(team->m_squad[i])][team->m_wId];
    }
    std::vector<std::pair<std::uint16_t, std::uint16_t>> players;
    for (const CPlayer* player : game.Players())
        if (player->m_nId <= 0xFFFF)
            players.emplace_back(static_cast<std::uint16_t>(player->m_nId), player->Team());
    CheckSquads(listings, players, found);
}

void CheckTeams(const CGame& game, Findings& found)
{
    static const char* const kRoles[4] = {"captain", "keeper", "open_bowler_1", "open_bowler_2"};
    for (const CTeam* team : game.Teams()) {
        std::set<std::uint32_t> seen;
        for (std::size_t place = 0; place < team->m_firstXI.size(); ++place) {
            const std::uint32_t id = team->m_firstXI[place];
            if (id == 0)
                continue; // an empty place
            if (!team->HasInSquad(id))
                found.Team(team->m_wId, "First XI place " + std::to_string(place) + " holds player " + std::to_string(id)
                    + ", who is not in its squad." + kChooseFirstXI);
            else if (!seen.insert(id).second)
                found.Team(team->m_wId, "player " + std::to_string(id) + " holds two First XI places." + kChooseFirstXI);
        }
        const std::int32_t roles[4] = {team->Captain(), team->KeeperPos(), team->OpenBowler1(), team->OpenBowler2()};
        for (std::size_t r = 0; r < 4; ++r) {
            if (roles[r] < 0 || roles[r] >= static_cast<std::int32_t>(TeamLayout::kFirstXI))
                found.Team(team->m_wId, std::string("the ") + kRoles[r] + " position " + std::to_string(roles[r])
                    + " is not a First XI place (0..10). Give the role to a player of the First XI in the team's "
                      "properties.");
        }
        for (std::size_t i = 0; i < team->m_wPlayerCount; ++i) {
            if (team->m_squad[i] > 0xFFFF)
                found.Team(team->m_wId, "squad id " + std::to_string(team->m_squad[i]) + " does not fit in 16 bits."
                    + kUseBackup);
        }
    }
    for (const CPlayer* player : game.Players()) {
        if (player->m_nId > 0xFFFF)
            found.Player(player->m_nId, std::string("the id does not fit in 16 bits.") + kUseBackup);
    }
}

void AddCareers(const CGame& game, std::vector<Finding>& findings)
{
    for (const CPlayer* player : game.Players()) {
        auto career = CheckCareer(*player);
        findings.insert(findings.end(), std::make_move_iterator(career.begin()), std::make_move_iterator(career.end()));
    }
}

} // namespace

std::vector<Finding> CheckFile(const std::string& path)
{
    std::vector<Finding> findings;
    Findings found(findings);
    std::vector<std::uint8_t> data;
    if (GameStatus status = FileIO::ReadWholeFile(path, data); !status) {
        found.File(status.message());
        return findings;
    }
    GameFileLayout layout;
    if (GameStatus status = GameFileFormat::Parse(data, layout); !status) {
        found.File(status.message());
        return findings;
    }
    CheckStructure(layout, found);
    CheckFileSquads(data, layout, found);
    CGame game;
    if (GameStatus status = game.LoadGameFile(path); !status) {
        found.File(status.message());
        return findings;
    }
    CheckTeams(game, found);
    AddCareers(game, findings);
    return findings;
}

std::vector<Finding> CheckGame(const CGame& game)
{
    std::vector<Finding> findings;
    Findings found(findings);
    CheckGameSquads(game, found);
    CheckTeams(game, found);
    AddCareers(game, findings);
    return findings;
}

std::vector<Finding> NewFindings(const std::vector<Finding>& before, const std::vector<Finding>& now)
{
    std::set<std::tuple<Subject, std::uint32_t, std::string>> known;
    for (const Finding& finding : before)
        known.emplace(finding.subject, finding.id, finding.text);
    std::vector<Finding> added;
    for (const Finding& finding : now)
        if (!known.count({finding.subject, finding.id, finding.text}))
            added.push_back(finding);
    return added;
}

std::string Line(const Finding& finding)
{
    switch (finding.subject) {
    case Subject::Player: return "player " + std::to_string(finding.id) + ": " + finding.text;
    case Subject::Team: return "team " + std::to_string(finding.id) + ": " + finding.text;
    case Subject::File: break;
    }
    return "structure: " + finding.text;
}

} // namespace GameCheck
