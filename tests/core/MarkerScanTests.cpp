// Finding the two markers: the game's own byte scan for "CrBowler" (with
// its blind spot after a "C") and the plain search for "CrTeam".
#include "CoreTestHelpers.h"
#include "GameFileLayout.h"

#include <string>

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text)
{
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

TEST(PlayerMarkerScan, FindsTheMarkerAfterOrdinaryBytes)
{
    EXPECT_EQ(GameFileFormat::ScanPlayerMarker(Bytes("CrBowler")), 0u);
    EXPECT_EQ(GameFileFormat::ScanPlayerMarker(Bytes("xyzCrBowler....")), 3u);
    EXPECT_EQ(GameFileFormat::ScanPlayerMarker(Bytes("CrBowleX CrBowler")), 9u);
}

TEST(PlayerMarkerScan, AStrayCOneToSevenBytesBeforeTheMarkerHidesIt)
{
    for (std::size_t distance = 1; distance <= 7; ++distance) {
        const std::string text = "ab" + std::string("C") + std::string(distance - 1, '-') + "CrBowler" + "tail";
        EXPECT_FALSE(GameFileFormat::ScanPlayerMarker(Bytes(text)).has_value()) << "distance " << distance;
    }
    const std::string eightBefore = "abC-------CrBowler";
    EXPECT_EQ(GameFileFormat::ScanPlayerMarker(Bytes(eightBefore)), 10u);
}

TEST(PlayerMarkerScan, AMarkerCutShortAtTheEndIsNotFound)
{
    EXPECT_FALSE(GameFileFormat::ScanPlayerMarker(Bytes("xxCrBowle")).has_value());
    EXPECT_FALSE(GameFileFormat::ScanPlayerMarker(Bytes("")).has_value());
}

TEST(TeamMarkerSearch, FindsTheFirstOccurrenceAtOrAfterTheStart)
{
    const auto data = Bytes("CrTeam..CrTeam..CrTea");
    EXPECT_EQ(GameFileFormat::FindText(data, "CrTeam", 0), 0u);
    EXPECT_EQ(GameFileFormat::FindText(data, "CrTeam", 1), 8u);
    EXPECT_FALSE(GameFileFormat::FindText(data, "CrTeam", 9).has_value());
    EXPECT_FALSE(GameFileFormat::FindText(data, "CrTeam", 500).has_value());
}

TEST(TeamMarkerSearch, FindMarkerWorksOnFilesAndReportsMinusOneForMissingOnes)
{
    tg::TempDir dir;
    tg::WriteFileBytes(dir / "f.db", Bytes("0123CrTeam89CrTeam"));
    const auto path = (dir / "f.db").string();
    EXPECT_EQ(FindMarker(path, "CrTeam", 0), 4);
    EXPECT_EQ(FindMarker(path, "CrTeam", 5), 12);
    EXPECT_EQ(FindMarker(path, "CrTeam", 13), -1);
    EXPECT_EQ(FindMarker((dir / "missing.db").string(), "CrTeam", 0), -1);
}

TEST(TeamMarkerSearch, TheBuiltFileHasItsMarkersWhereTheBuilderPutThem)
{
    const auto game = SmallGame();
    const auto built = tg::Build(game);
    EXPECT_EQ(GameFileFormat::ScanPlayerMarker(built.bytes), built.playerMarker);
    EXPECT_EQ(GameFileFormat::FindText(built.bytes, "CrTeam", built.playersEnd), built.teamMarker);
}

} // namespace
