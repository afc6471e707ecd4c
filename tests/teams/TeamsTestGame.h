#pragma once

#include "GuiTestSupport.h"
#include "teamdialogs/CTeamPropertiesDlg.h"

#include <QPushButton>
#include <QTreeWidget>

#include <cstdint>
#include <string>
#include <vector>

namespace teamstest {

// 18 teams of a realistic game. kTestTeam "Aardvark Wanderers" is first by
// name (not by id); its squad (shown "Alpha J"...) is the First XI Alpha..Kilo,
// then Lima, Mike, Xray, Yankee; captain at 3, keeper 6, openers 9 and 10,
// budget 500000. kTeamOf37/38 hold 37/38 players. noOriginPlayer and
// originPlayer (origin kOriginTeam "Surrey") have no team; otherTeamXIPlayer
// is Surrey's first First XI player.
inline constexpr std::uint16_t kTestTeam = 7, kTeamOf37 = 8, kTeamOf38 = 9, kOriginTeam = 3;
extern const char* const kTestTeamName;

struct TeamsGame
{
    testgame::GameDescription description;
    std::uint16_t noOriginPlayer = 0, originPlayer = 0, otherTeamXIPlayer = 0;
    std::vector<std::uint16_t> testSquad; // ids in squad order
};

TeamsGame MakeTeamsGame();

// The game written into a folder of its own under `fileName` and loaded.
class LoadedGame
{
public:
    explicit LoadedGame(const std::string& fileName = "LEAGUE.CAP");

    CGame game;
    TeamsGame built;
    testgame::TempDir dir;

    const CTeam& Team(std::uint16_t id) { return *game.Team(id); }
    const CPlayer& Player(std::uint32_t id) { return *game.Player(id); }
    std::uint32_t IdOf(const std::string& familyName) const; // of the test team
    std::vector<std::string> FirstXINames(std::uint16_t teamId); // "" for an empty place
};

// Selects the rows whose family name (the text up to the first blank) is listed, and no others.
void SelectRows(QTreeWidget* list, const QStringList& familyNames);

// Team Properties shown on the game, with scripted messages.
struct ShownDialog
{
    explicit ShownDialog(const std::string& fileName = "LEAGUE.CAP");
    QTreeWidget* teamList() { return dlg.findChild<QTreeWidget*>("IDC_TEAM_LIST"); }
    QTreeWidget* xi() { return dlg.findChild<QTreeWidget*>("IDC_FIRST_XI"); }
    void click(const char* button) { dlg.findChild<QPushButton*>(button)->click(); }

    LoadedGame g;
    ScriptedMessageService messages;
    CTeamPropertiesDlg dlg;
};

} // namespace teamstest
