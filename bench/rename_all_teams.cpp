// rename_all_teams FILE -o OUT: loads FILE, gives each of its teams a new
// full name (as the team dialog would, one after the other) and saves to
// OUT: the whole-process "rename" case of scripts/bench.sh.
#include "CGame.h"
#include "GameEdit.h"
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
    for (const auto id : game.LoadedTeamOrder()) {
        const auto status = GameEdit::Within(game, [id](GameEdit& edit) {
            auto names = TeamEdit::GetNames(*edit.Game().Team(id));
            names.name += " Renamed";
            GameStatus renamed = TeamEdit::SetNames(edit, id, names);
            if (renamed)
                edit.MarkTeamModified(id);
            return renamed;
        });
        if (!status) {
            std::fprintf(stderr, "rename_all_teams: %s\n", status.message().c_str());
            return 1;
        }
    }
    if (auto status = game.SaveGameFile(argv[3]); !status) {
        std::fprintf(stderr, "rename_all_teams: %s\n", status.message().c_str());
        return 1;
    }
    return 0;
}
