// Fuzz target: any bytes as a game file. The load must succeed or refuse
// with a message; a loaded game must hold what the rest of the editor
// relies on (every squad entry names a loaded player, squads fit the
// model). Crashes, hangs, leaks and sanitizer reports are the findings.
#include "CGame.h"
#include "RecordLayout.h"
#include "ScratchFile.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Broken(const char* what)
{
    std::fprintf(stderr, "load fuzzer: %s\n", what);
    std::abort();
}

void CheckLoadedGame(const CGame& game)
{
    for (const CTeam* team : game.Teams()) {
        if (team->m_wPlayerCount > TeamLayout::kMaxSquad)
            Broken("a squad is larger than the model holds");
        for (std::size_t i = 0; i < team->m_wPlayerCount; ++i) {
            if (!game.Player(team->m_squad[i]))
                Broken("a squad names a player that was not loaded");
        }
    }
    // What the tree and the lists show for every player.
    for (const CPlayer* player : game.Players()) {
        (void)game.PlayerLabel(*player);
        (void)player->GetTypeAbbrev();
        if (player->GetImageIndex() < 0 || player->GetImageIndex() > 8)
            Broken("a player's image index is outside 0..8");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = fuzzfiles::ScratchPath("load.db");
    fuzzfiles::WriteBytes(path, {data, size});
    CGame game;
    const GameStatus status = game.LoadGameFile(path);
    if (!status) {
        if (status.message().empty())
            Broken("a refused load has no message");
        if (game.IsLoaded() || game.PlayerCount() != 0 || game.TeamCount() != 0)
            Broken("a refused load kept part of the game");
        return 0;
    }
    CheckLoadedGame(game);
    return 0;
}
