// Writes the seed corpora of the fuzz targets from the synthetic game
// builder:  make_seed_corpus <folder>  fills <folder>/load (game files) and
// <folder>/roundtrip (an 8-byte edit seed, then a game file). The seeds
// cover every item of the format: demo-like games, small games with and
// without non-team entries, long names, a hidden player marker, a missing
// team marker, fewer than eighteen teams and files cut short at each
// section.
#include "GameFileBuilder.h"
#include "RealisticGame.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;
namespace tg = testgame;

namespace {

struct Seed
{
    std::string name;
    std::vector<std::uint8_t> bytes;
    bool forRoundTrip = true; // big files only seed the load target
};

tg::GameDescription Small(std::uint64_t seed, int players, int otherEntries, bool otherFirst, int restNames,
    const std::function<void(tg::GameDescription&)>& change = {}, int teams = 18)
{
    tg::RealisticOptions options;
    options.minSquad = 1;
    options.maxSquad = 4;
    options.otherEntries = otherEntries;
    options.otherEntryBeforeFirstTeam = otherFirst;
    options.restTeamNameStrings = restNames;
    options.teamCount = teams;
    auto game = tg::MakeRealisticGame(seed, players, options);
    if (change)
        change(game);
    return game;
}

std::vector<Seed> Games()
{
    const auto bytes = [](const tg::GameDescription& game) { return tg::Build(game).bytes; };
    return {{"demo-like-3000", bytes(tg::MakeRealisticGame(20030601, 3000)), false},
        {"demo-like-300", bytes(tg::MakeRealisticGame(5, 300))},
        {"small-plain", bytes(Small(1, 40, 0, false, 4))},
        {"small-other-entries", bytes(Small(2, 40, 6, true, 4))},
        {"small-many-rest-names", bytes(Small(3, 30, 2, false, 60))},
        {"tiny", bytes(Small(4, 3, 1, false, 2))},
        {"five-teams", bytes(Small(6, 20, 1, false, 0, {}, 5))},
        {"long-names", bytes(Small(7, 25, 1, false, 6, [](tg::GameDescription& g) {
             for (std::size_t i = 0; i < g.players.size(); i += 3) {
                 g.players[i].familyName = std::string(128 + i % 128, static_cast<char>('a' + i % 26));
                 g.players[i].givenNames = std::string(255, '\xE9');
             }
             for (auto& name : g.header.fullNames())
                 name += std::string(200, 'x');
         }))},
        {"hidden-player-marker", bytes(Small(8, 20, 1, false, 2, [](tg::GameDescription& g) { g.HidePlayerMarker(3); }))},
        {"no-team-marker", bytes(Small(9, 20, 1, false, 2, [](tg::GameDescription& g) { g.writeTeamMarker = false; }))},
        // The header ends right before the marker and its short lists are empty.
        {"bare-header", bytes(Small(10, 12, 0, false, 3, [](tg::GameDescription& g) {
             g.beforePlayerMarker.clear();
             g.header.names[1].clear();
             g.header.names[2].clear();
         }))},
        {"player-chain-ends-early",
            bytes(Small(11, 20, 1, false, 2, [](tg::GameDescription& g) { g.players[8].SetNextTag(0); }))}};
}

void AddTruncations(std::vector<Seed>& seeds)
{
    const auto built = tg::Build(Small(12, 30, 2, true, 6));
    const std::pair<std::string, std::size_t> cuts[] = {
        {"in-header", built.headerEnd / 2},
        {"before-player-marker", built.playerMarker + 3},
        {"in-players", built.players[built.players.size() / 2].record + 100},
        {"before-team-marker", built.teamMarker + 2},
        {"in-team-records", built.teamEntries[built.teamEntries.size() / 2].record + 10},
        {"in-rest", built.restStart + (built.bytes.size() - built.restStart) / 2},
    };
    for (const auto& [where, size] : cuts)
        seeds.push_back({"cut-" + where, {built.bytes.begin(), built.bytes.begin() + static_cast<std::ptrdiff_t>(size)}});
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seed_corpus <folder>\n");
        return 2;
    }
    try {
        const fs::path out = argv[1];
        fs::create_directories(out / "load");
        fs::create_directories(out / "roundtrip");
        std::vector<Seed> seeds = Games();
        AddTruncations(seeds);
        std::uint64_t editSeed = 0x0BE4C0DEull;
        for (const auto& seed : seeds) {
            tg::WriteFileBytes(out / "load" / (seed.name + ".db"), seed.bytes);
            for (int variant = 0; seed.forRoundTrip && variant < 3; ++variant) {
                std::vector<std::uint8_t> input(8);
                for (std::size_t i = 0; i < 8; ++i)
                    input[i] = static_cast<std::uint8_t>(++editSeed * 0x9E3779B97F4A7C15ull >> (8 * i));
                input.insert(input.end(), seed.bytes.begin(), seed.bytes.end());
                tg::WriteFileBytes(out / "roundtrip" / (seed.name + "-" + std::to_string(variant) + ".bin"), input);
            }
        }
        std::printf("%zu seeds written to %s\n", seeds.size(), out.string().c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_seed_corpus: %s\n", e.what());
        return 1;
    }
    return 0;
}
