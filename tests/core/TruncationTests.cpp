// A game file cut short at any byte: the load fails cleanly or succeeds,
// keeps exactly the teams read whole, and saves back exactly as it stood.
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
            else if (size >= built.playersStart && !Contains(status.message(), "Error reading database"))
                faults.push_back(where + "a cut player list is not the game's read error: " + status.message());
            continue;
        }
        ++loaded;
        if (size < built.playersEnd)
            faults.push_back(where + "a file cut inside the players loaded");
        for (std::size_t e = 0; e < built.teamEntries.size(); ++e) {
            const auto* team = std::get_if<tg::TeamRecordDescription>(&desc.teamEntries[e]);
            const bool whole = size >= built.teamEntries[e].end;
            if (team && whole != (game.Team(team->id) != nullptr))
                faults.push_back(where + "team " + std::to_string(team->id) + (whole ? " read whole but dropped" : " cut short but kept"));
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
    faults.resize(std::min<std::size_t>(faults.size(), 8));
    EXPECT_TRUE(faults.empty()) << "prefixes misbehaved, the first: " << ::testing::PrintToString(faults)
                                << " (players end at " << built.playersEnd << ", team marker at " << built.teamMarker
                                << ", file size " << built.bytes.size() << ")";
}

} // namespace
