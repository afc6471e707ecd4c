// orbek_save_driver [--rename-teams SUFFIX] SOURCE [TARGET]: one real load
// and save through the core in a process of its own, for the fault tests to
// limit, starve or kill. --rename-teams appends SUFFIX to every team's full
// name (the saved file differs all through). Saves to TARGET, else over
// SOURCE. Exit status: 0 saved, 1 failed (reason on standard error), 2 usage.
#include "CGame.h"
#include "TeamEdit.h"

#include <iostream>
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
    for (auto& team : game.m_teams) {
        if (!team)
            continue;
        auto names = TeamEdit::GetNames(*team);
        names.name += suffix;
        if (TeamEdit::SetNames(game, team->m_wId, names))
            team->m_bModified = 1;
    }
    game.m_bModified = 1;
}

} // namespace

int main(int argc, char** argv)
{
    bool unknownOption = false;
    std::string suffix;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--rename-teams" && i + 1 < argc)
            suffix = argv[++i];
        else if (!arg.empty() && arg[0] == '-')
            unknownOption = true;
        else
            paths.push_back(arg);
    }
    if (unknownOption || paths.empty() || paths.size() > 2) {
        std::cerr << "usage: orbek_save_driver [--rename-teams SUFFIX] SOURCE [TARGET]\n";
        return 2;
    }

    CGame game;
    if (auto status = game.LoadGameFile(paths[0]); !status)
        return Fail(status.message());
    if (!suffix.empty())
        RenameAllTeams(game, suffix);
    if (auto status = game.SaveGameFile(paths.size() == 2 ? paths[1] : std::string()); !status)
        return Fail(status.message());
    return 0;
}
