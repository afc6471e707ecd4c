#include "TeamsTestGame.h"

#include "RealisticGame.h"

#include <QTest>

#include <algorithm>
#include <stdexcept>

namespace tg = testgame;

namespace teamstest {

const char* const kTestTeamName = "Aardvark Wanderers";

namespace {

const std::vector<std::string> kSquadNames{"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel",
    "India", "Juliet", "Kilo", "Lima", "Mike", "Xray", "Yankee"};

const char* const kOtherTeamNames[] = {"Yorkshire", "Kent", "Surrey", "Essex", "Sussex", "Durham", "", "Lancashire",
    "Somerset", "Hampshire", "Middlesex", "Warwickshire", "Worcestershire", "Glamorgan", "Gloucestershire",
    "Leicestershire", "Derbyshire", "Nottinghamshire"};

tg::PlayerDescription& PlayerOf(tg::GameDescription& game, std::uint16_t id)
{
    if (tg::PlayerDescription* player = game.FindPlayer(id))
        return *player;
    throw std::logic_error("no player " + std::to_string(id));
}

} // namespace

TeamsGame MakeTeamsGame()
{
    tg::RealisticOptions options;
    options.minSquad = options.maxSquad = 15;
    options.restTeamNameStrings = 4;
    TeamsGame result;
    tg::GameDescription& game = result.description;
    game = tg::MakeRealisticGame(20261206, 600, options);

    for (std::size_t i = 0; i < game.header.ids.size(); ++i) {
        const std::string name = game.header.ids[i] == kTestTeam ? kTestTeamName : kOtherTeamNames[i];
        game.header.names[0][i] = name;
        game.header.names[1][i] = name.substr(0, 6);
        game.header.names[2][i] = name.substr(0, 3);
    }

    tg::TeamRecordDescription& team = *game.FindTeam(kTestTeam);
    team.squad.resize(kSquadNames.size());
    for (std::size_t i = 0; i < kSquadNames.size(); ++i) {
        PlayerOf(game, team.squad[i]).SetNames("John", kSquadNames[i]);
        result.testSquad.push_back(team.squad[i]);
    }
    team.firstXI.assign(team.squad.begin(), team.squad.begin() + 11);
    team.SetCaptain(3).SetKeeper(6).SetOpenBowler1(9).SetOpenBowler2(10).SetBudget(500000);

    // Squads of 37 and 38 from the players without a team.
    std::vector<std::uint16_t> free;
    for (const auto& player : game.players)
        if (player.U16(tg::layout::kTeam) == tg::layout::kNoTeam)
            free.push_back(player.id);
    for (const auto& [teamId, size] : {std::pair{kTeamOf37, 37u}, std::pair{kTeamOf38, 38u}}) {
        tg::TeamRecordDescription& grown = *game.FindTeam(teamId);
        for (; grown.squad.size() < size; free.pop_back()) {
            PlayerOf(game, free.back()).SetTeam(teamId);
            grown.squad.push_back(free.back());
        }
    }
    if (free.size() < 2)
        throw std::logic_error("the test game needs players without a team");
    result.noOriginPlayer = free[0];
    PlayerOf(game, free[0]).SetOrigin(tg::layout::kNoTeam);
    result.originPlayer = free[1];
    PlayerOf(game, free[1]).SetOrigin(kOriginTeam);
    result.otherTeamXIPlayer = game.FindTeam(kOriginTeam)->firstXI.at(0);
    return result;
}

LoadedGame::LoadedGame(const std::string& fileName)
    : built(MakeTeamsGame())
{
    guitest::LoadGame(game, built.description, dir, fileName);
}

std::uint32_t LoadedGame::IdOf(const std::string& familyName) const
{
    const auto it = std::find(kSquadNames.begin(), kSquadNames.end(), familyName);
    if (it == kSquadNames.end())
        throw std::logic_error("no test player " + familyName);
    return built.testSquad[static_cast<std::size_t>(it - kSquadNames.begin())];
}

std::vector<std::string> LoadedGame::FirstXINames(std::uint16_t teamId)
{
    std::vector<std::string> names;
    for (const std::uint32_t id : Team(teamId).m_firstXI)
        names.push_back(id == 0 ? std::string() : Player(id).m_strFamilyName);
    return names;
}

void SelectRows(QTreeWidget* list, const QStringList& familyNames)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        list->topLevelItem(i)->setSelected(familyNames.contains(list->topLevelItem(i)->text(0).section(' ', 0, 0)));
}

ShownDialog::ShownDialog(const std::string& fileName)
    : g(fileName)
    , dlg(g.game)
{
    dlg.show();
    if (!QTest::qWaitForWindowExposed(&dlg))
        throw std::runtime_error("Team Properties is not shown");
}

} // namespace teamstest
