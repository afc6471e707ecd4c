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

tg::RealisticOptions Small(int otherEntries, bool otherFirst, int restNames)
{
    tg::RealisticOptions options;
    options.minSquad = 1;
    options.maxSquad = 4;
    options.otherEntries = otherEntries;
    options.otherEntryBeforeFirstTeam = otherFirst;
    options.restTeamNameStrings = restNames;
    return options;
}

std::vector<std::uint8_t> Bytes(const tg::GameDescription& game)
{
    return tg::Build(game).bytes;
}

void AddWholeGames(std::vector<Seed>& seeds)
{
    seeds.push_back({"demo-like-3000", Bytes(tg::MakeRealisticGame(20030601, 3000)), false});
    seeds.push_back({"demo-like-300", Bytes(tg::MakeRealisticGame(5, 300))});
    seeds.push_back({"small-plain", Bytes(tg::MakeRealisticGame(1, 40, Small(0, false, 4)))});
    seeds.push_back({"small-other-entries", Bytes(tg::MakeRealisticGame(2, 40, Small(6, true, 4)))});
    seeds.push_back({"small-many-rest-names", Bytes(tg::MakeRealisticGame(3, 30, Small(2, false, 60)))});
    seeds.push_back({"tiny", Bytes(tg::MakeRealisticGame(4, 3, Small(1, false, 2)))});
    auto fewTeams = Small(1, false, 0);
    fewTeams.teamCount = 5;
    seeds.push_back({"five-teams", Bytes(tg::MakeRealisticGame(6, 20, fewTeams))});
}

void AddOddGames(std::vector<Seed>& seeds)
{
    auto longNames = tg::MakeRealisticGame(7, 25, Small(1, false, 6));
    for (std::size_t i = 0; i < longNames.players.size(); i += 3) {
        longNames.players[i].familyName = std::string(128 + i % 128, static_cast<char>('a' + i % 26));
        longNames.players[i].givenNames = std::string(255, '\xE9');
    }
    for (auto& name : longNames.header.fullNames())
        name += std::string(200, 'x');
    seeds.push_back({"long-names", Bytes(longNames)});

    auto hidden = tg::MakeRealisticGame(8, 20, Small(1, false, 2));
    hidden.HidePlayerMarker(3);
    seeds.push_back({"hidden-player-marker", Bytes(hidden)});

    auto noTeams = tg::MakeRealisticGame(9, 20, Small(1, false, 2));
    noTeams.writeTeamMarker = false;
    seeds.push_back({"no-team-marker", Bytes(noTeams)});

    // The header ends right before the marker and its short lists are empty.
    auto bare = tg::MakeRealisticGame(10, 12, Small(0, false, 3));
    bare.beforePlayerMarker.clear();
    bare.header.names[1].clear();
    bare.header.names[2].clear();
    seeds.push_back({"bare-header", Bytes(bare)});

    auto lastTag = tg::MakeRealisticGame(11, 20, Small(1, false, 2));
    lastTag.players[8].SetNextTag(0);
    seeds.push_back({"player-chain-ends-early", Bytes(lastTag)});
}

void AddTruncations(std::vector<Seed>& seeds)
{
    const auto game = tg::MakeRealisticGame(12, 30, Small(2, true, 6));
    const auto built = tg::Build(game);
    const std::vector<std::pair<std::string, std::size_t>> cuts = {
        {"in-header", built.headerEnd / 2},
        {"before-player-marker", built.playerMarker + 3},
        {"in-players", built.players[built.players.size() / 2].record + 100},
        {"before-team-marker", built.teamMarker + 2},
        {"in-team-records", built.teamEntries[built.teamEntries.size() / 2].record + 10},
        {"in-rest", built.restStart + (built.bytes.size() - built.restStart) / 2},
    };
    for (const auto& [where, size] : cuts)
        seeds.push_back({"cut-" + where, std::vector<std::uint8_t>(built.bytes.begin(), built.bytes.begin() + static_cast<std::ptrdiff_t>(size))});
}

void Write(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    tg::WriteFileBytes(path, bytes);
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
        std::vector<Seed> seeds;
        AddWholeGames(seeds);
        AddOddGames(seeds);
        AddTruncations(seeds);
        std::uint64_t editSeed = 0x0BE4C0DEull;
        for (const auto& seed : seeds) {
            Write(out / "load" / (seed.name + ".db"), seed.bytes);
            if (!seed.forRoundTrip)
                continue;
            for (int variant = 0; variant < 3; ++variant) {
                std::vector<std::uint8_t> input(8);
                for (int i = 0; i < 8; ++i)
                    input[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(++editSeed * 0x9E3779B97F4A7C15ull >> (8 * i));
                input.insert(input.end(), seed.bytes.begin(), seed.bytes.end());
                Write(out / "roundtrip" / (seed.name + "-" + std::to_string(variant) + ".bin"), input);
            }
        }
        std::printf("%zu seeds written to %s\n", seeds.size(), out.string().c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_seed_corpus: %s\n", e.what());
        return 1;
    }
    return 0;
}
