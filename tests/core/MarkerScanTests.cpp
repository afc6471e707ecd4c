// Finding the two markers: the game's own byte scan for "CrBowler" (its
// blind spot after a "C" is covered by the reader tests) and the plain
// search for "CrTeam".
#include "CoreTestHelpers.h"
#include "GameFileLayout.h"

#include <optional>
#include <string>

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text)
{
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

TEST(PlayerMarkerScan, FindsTheMarkerAfterOrdinaryBytesButNotCutShort)
{
    const std::pair<std::string, std::optional<std::size_t>> cases[] = {
        {"CrBowler", 0}, {"xyzCrBowler....", 3}, {"CrBowleX CrBowler", 9}, {"abC-------CrBowler", 10},
        {"abC------CrBowler", std::nullopt}, {"xxCrBowle", std::nullopt}, {"", std::nullopt}};
    for (const auto& [text, at] : cases)
        EXPECT_EQ(GameFileFormat::ScanPlayerMarker(Bytes(text)), at) << text;
}

TEST(TeamMarkerSearch, FindsTheFirstOccurrenceAtOrAfterTheStartInMemoryAndInFiles)
{
    const auto data = Bytes("CrTeam..CrTeam..CrTea");
    EXPECT_EQ(GameFileFormat::FindText(data, "CrTeam", 0), 0u);
    EXPECT_EQ(GameFileFormat::FindText(data, "CrTeam", 1), 8u);
    EXPECT_FALSE(GameFileFormat::FindText(data, "CrTeam", 9).has_value());
    EXPECT_FALSE(GameFileFormat::FindText(data, "CrTeam", 500).has_value());

    tg::TempDir dir;
    tg::WriteFileBytes(dir / "f.db", Bytes("0123CrTeam89CrTeam"));
    const auto path = (dir / "f.db").string();
    EXPECT_EQ(FindMarker(path, "CrTeam", 0), 4);
    EXPECT_EQ(FindMarker(path, "CrTeam", 5), 12);
    EXPECT_EQ(FindMarker(path, "CrTeam", 13), -1);
    EXPECT_EQ(FindMarker((dir / "missing.db").string(), "CrTeam", 0), -1);
}

} // namespace
