// orbek_save_driver: one real load and save through the game data core, in a
// process of its own, so the fault tests can limit, starve or kill it.
//
//   orbek_save_driver [--wait] [--rename-teams SUFFIX] SOURCE [TARGET]
//
// Loads SOURCE; with --rename-teams appends SUFFIX to every team's full
// name (so the saved file differs from the loaded one all through); with
// --wait prints "loaded" and waits for a line on standard input before
// saving, which lets a test change the file on disk in between; then saves
// to TARGET, or over SOURCE when no TARGET is given.
// Exit status: 0 saved, 1 the load or the save failed (the reason is on
// standard error), 2 wrong usage.
#include "CGame.h"
#include "TeamEdit.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

int Fail(const std::string& message)
{
    std::cerr << "orbek_save_driver: " << message << "\n";
    return 1;
}

int Usage()
{
    std::cerr << "usage: orbek_save_driver [--wait] [--rename-teams SUFFIX] SOURCE [TARGET]\n";
    return 2;
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
    bool wait = false;
    std::string suffix;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--wait")
            wait = true;
        else if (arg == "--rename-teams" && i + 1 < argc)
            suffix = argv[++i];
        else if (!arg.empty() && arg[0] == '-')
            return Usage();
        else
            paths.push_back(arg);
    }
    if (paths.empty() || paths.size() > 2)
        return Usage();

    CGame game;
    if (auto status = game.LoadGameFile(paths[0]); !status)
        return Fail(status.message());
    if (!suffix.empty())
        RenameAllTeams(game, suffix);
    if (wait) {
        std::cout << "loaded" << std::endl;
        std::string line;
        std::getline(std::cin, line);
    }
    if (auto status = game.SaveGameFile(paths.size() == 2 ? paths[1] : std::string()); !status)
        return Fail(status.message());
    return 0;
}
