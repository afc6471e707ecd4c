// orbek_save_driver [--rename-teams SUFFIX] [--backups FOLDER] SOURCE [TARGET]:
// one real load and save through the core in a process of its own, for the
// fault tests to limit, starve or kill. --rename-teams appends SUFFIX to
// every team's full name (the saved file differs all through); --backups
// backs the replaced file up into FOLDER. Saves to TARGET, else over
// SOURCE. Exit status: 0 saved, 1 failed (reason on standard error), 2 usage.
#include "CGame.h"
#include "GameEdit.h"
#include "TeamEdit.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

int Fail(const std::string& message)
{
    std::cerr << "orbek_save_driver: " << message << "\n";
    return 1;
}

void RenameAllTeams(CGame& game, const std::string& suffix)
{
    GameEdit edit(game);
    for (const CTeam* team : game.Teams()) {
        auto names = TeamEdit::GetNames(*team);
        names.name += suffix;
        if (TeamEdit::SetNames(edit, team->m_wId, names))
            edit.MarkTeamModified(team->m_wId);
    }
    edit.Commit();
}

} // namespace

int main(int argc, char** argv)
{
    bool unknownOption = false;
    std::string suffix;
    std::optional<Backups::Settings> backups;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--rename-teams" && i + 1 < argc)
            suffix = argv[++i];
        else if (arg == "--backups" && i + 1 < argc)
            backups = Backups::Settings{.folder = argv[++i]};
        else if (!arg.empty() && arg[0] == '-')
            unknownOption = true;
        else
            paths.push_back(arg);
    }
    if (unknownOption || paths.empty() || paths.size() > 2) {
        std::cerr << "usage: orbek_save_driver [--rename-teams SUFFIX] [--backups FOLDER] SOURCE [TARGET]\n";
        return 2;
    }

    CGame game;
    if (auto status = game.LoadGameFile(paths[0]); !status)
        return Fail(status.message());
    if (!suffix.empty())
        RenameAllTeams(game, suffix);
    if (auto status = game.SaveGameFile(paths.size() == 2 ? paths[1] : std::string(), backups); !status)
        return Fail(status.message());
    return 0;
}
