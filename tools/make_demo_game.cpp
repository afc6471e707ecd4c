// Writes the demo game folder: <out>/DATABASE.DB with eighteen invented
// teams and about 3,000 invented players, and a few player photos in
// <out>/GFX/PHOTOS/. The same build always writes the same bytes.
#include "DemoPortrait.h"
#include "FieldCodes.h"
#include "GameFileBuilder.h"
#include "NameGenerator.h"
#include "RealisticGame.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <set>
#include <string>

namespace {

constexpr std::uint64_t kDemoSeed = 20030601;
constexpr int kDemoPlayers = 3000;
constexpr std::size_t kDemoPhotos = 10;

bool IsPlainAscii(const std::string& text)
{
    for (unsigned char c : text) {
        if (c < 0x20 || c > 0x7E || c == '/' || c == '\\')
            return false;
    }
    return true;
}

// Photos of one player from each of the first teams, chosen among names
// that make portable file names.
void WritePhotos(testgame::GameDescription& game, const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    testgame::Rng rng(kDemoSeed + 1);
    const auto& identities = testgame::InventedTeams();
    std::set<std::string> used;
    for (auto* team : game.TeamRecords()) {
        if (used.size() == kDemoPhotos)
            break;
        for (auto id : team->squad) {
            const auto* player = game.FindPlayer(id);
            const auto name = testgame::DisplayName(player->givenNames, player->familyName);
            if (name.empty() || !IsPlainAscii(name) || used.count(name))
                continue;
            const auto& colours = identities[(team->id - 1u) % identities.size()];
            testgame::WriteBmp24(folder / (name + ".BMP"), demo::PaintPortrait(rng, colours.shirt, colours.trim));
            used.insert(name);
            break;
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demo_game <output folder>\n");
        return 2;
    }
    try {
        const std::filesystem::path out = argv[1];
        std::filesystem::create_directories(out);
        auto game = testgame::MakeRealisticGame(kDemoSeed, kDemoPlayers);
        testgame::WriteGame(game, out / "DATABASE.DB");
        WritePhotos(game, out / "GFX" / "PHOTOS");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_demo_game: %s\n", e.what());
        return 1;
    }
    return 0;
}
