// rename_all_teams FILE -o OUT: loads FILE, gives each of its teams a new
// full name (as the team dialog would, one after the other) and saves to
// OUT: the whole-process "rename" case of scripts/bench.sh.
#include "CGame.h"
#include "TeamEdit.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 4 || std::string(argv[2]) != "-o") {
        std::fprintf(stderr, "usage: rename_all_teams FILE -o OUT\n");
        return 2;
    }
    CGame game;
    if (auto status = game.LoadGameFile(argv[1]); !status) {
        std::fprintf(stderr, "rename_all_teams: %s\n", status.message().c_str());
        return 1;
    }
    for (const auto id : game.m_loadedTeamOrder) {
        CTeam& team = *game.Team(id);
        auto names = TeamEdit::GetNames(team);
        names.name += " Renamed";
        if (auto status = TeamEdit::SetNames(game, id, names); !status) {
            std::fprintf(stderr, "rename_all_teams: %s\n", status.message().c_str());
            return 1;
        }
        team.m_bModified = 1;
        game.m_bModified = 1;
    }
    if (auto status = game.SaveGameFile(argv[3]); !status) {
        std::fprintf(stderr, "rename_all_teams: %s\n", status.message().c_str());
        return 1;
    }
    return 0;
}
