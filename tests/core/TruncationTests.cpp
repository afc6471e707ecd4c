// A game file cut short at any byte: the load fails cleanly or succeeds,
// and whatever loads is written back exactly as it stood.
#include "CoreTestHelpers.h"

#include <algorithm>

namespace {

TEST(Truncation, EveryPrefixOfAGameLoadsCleanlyOrFailsAndSavesBackByteForByte)
{
    const auto desc = TinyGame();
    const auto built = tg::Build(desc);
    tg::TempDir dir;
    const auto cutPath = dir / "CUT.DB";
    const auto savedPath = dir / "SAVED.DB";
    std::size_t loaded = 0;
    std::vector<std::string> faults; // one line per prefix that misbehaved
    for (std::size_t size = 0; size <= built.bytes.size(); ++size) {
        const std::vector<std::uint8_t> prefix(built.bytes.begin(), built.bytes.begin() + static_cast<std::ptrdiff_t>(size));
        tg::WriteFileBytes(cutPath, prefix);
        CGame game;
        const auto status = game.LoadGameFile(cutPath.string());
        const auto where = "size " + std::to_string(size) + ": ";
        if (!status.ok()) {
            if (status.message().empty() || !NothingLoaded(game))
                faults.push_back(where + "failed load left something or said nothing");
            if (size >= built.playersEnd)
                faults.push_back(where + "refused after the players: " + status.message());
            continue;
        }
        ++loaded;
        if (size < built.playersEnd)
            faults.push_back(where + "a file cut inside the players loaded");
        // Teams read whole are kept.
        for (std::size_t e = 0; e < built.teamEntries.size(); ++e) {
            const auto* team = std::get_if<tg::TeamRecordDescription>(&desc.teamEntries[e]);
            if (team && size >= built.teamEntries[e].end && game.Team(team->id) == nullptr)
                faults.push_back(where + "team " + std::to_string(team->id) + " read whole but dropped");
        }
        const auto saved = game.SaveGameFile(savedPath.string());
        if (!saved.ok())
            faults.push_back(where + "loads but does not save: " + saved.message());
        else if (tg::ReadFileBytes(savedPath) != prefix)
            faults.push_back(where + "saved bytes differ");
        if (tg::ReadFileBytes(cutPath) != prefix)
            faults.push_back(where + "the source changed");
    }
    EXPECT_GE(loaded, built.bytes.size() - built.playersEnd);
    EXPECT_TRUE(faults.empty()) << faults.size() << " prefixes misbehaved, the first: "
                                << ::testing::PrintToString(std::vector<std::string>(
                                       faults.begin(), faults.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(faults.size(), 8))))
                                << " (players end at " << built.playersEnd << ", team marker at " << built.teamMarker
                                << ", file size " << built.bytes.size() << ")";
}

TEST(Truncation, AGameCutInsideATeamRecordKeepsTheTeamsBeforeIt)
{
    const auto desc = SmallGame();
    const auto built = tg::Build(desc);
    std::size_t third = 0;
    std::size_t seen = 0;
    for (std::size_t e = 0; e < built.teamEntries.size(); ++e) {
        if (built.teamEntries[e].isTeam && ++seen == 3) {
            third = e;
            break;
        }
    }
    tg::TempDir dir;
    const auto path = dir / "CUT.DB";
    const auto cut = built.teamEntries[third].record + 10;
    tg::WriteFileBytes(path, std::vector<std::uint8_t>(built.bytes.begin(), built.bytes.begin() + static_cast<std::ptrdiff_t>(cut)));
    CGame game;
    ASSERT_TRUE(Loads(game, path));
    const auto teams = desc.TeamRecords();
    EXPECT_NE(game.Team(teams[0]->id), nullptr);
    EXPECT_NE(game.Team(teams[1]->id), nullptr);
    EXPECT_EQ(game.Team(teams[2]->id), nullptr);
    EXPECT_EQ(game.Team(teams[3]->id), nullptr);
}

} // namespace
