// The stored ability profiles and how they replace a player's ability area.
// Copy From is checked through the tool (tests/cli/SetCommandTests.cpp).
#include "AbilityPresets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

using AbilityPresets::Level;

std::uint32_t U32At(const AbilityPresets::AbilityImage& image, std::size_t offset)
{
    return static_cast<std::uint32_t>(image[offset]) | static_cast<std::uint32_t>(image[offset + 1]) << 8
        | static_cast<std::uint32_t>(image[offset + 2]) << 16 | static_cast<std::uint32_t>(image[offset + 3]) << 24;
}

double DoubleAt(const AbilityPresets::AbilityImage& image, std::size_t offset)
{
    double value = 0;
    std::memcpy(&value, image.data() + offset, sizeof value); // the game's doubles are little-endian, like this host
    return value;
}

TEST(AbilityPresets, TheFormsTypeAndLevelChooseAProfileAndEveryImageHoldsTheGamesShape)
{
    // Each profile told by its first ability pair: Excellent, Good, Average
    // batsman; bowler; all-rounder; then super.
    std::vector<std::pair<const AbilityPresets::AbilityImage*, std::uint32_t>> images;
    const std::uint32_t firstPairs[3][3] = {{134, 127, 119}, {60, 54, 46}, {98, 90, 80}};
    for (int t = 0; t < 3; ++t) {
        int level = 0;
        for (Level l : {Level::Excellent, Level::Good, Level::Average})
            images.emplace_back(&AbilityPresets::LevelImage(l, t == 0 ? 1 : t == 1 ? 3 : 2), firstPairs[t][level++]);
    }
    images.emplace_back(&AbilityPresets::SuperImage(), 135);
    for (std::size_t i = 0; i < images.size(); ++i) {
        SCOPED_TRACE(i);
        const auto& image = *images[i].first;
        EXPECT_EQ(U32At(image, 304), images[i].second);
        EXPECT_EQ(U32At(image, 232), i == 9 ? 1u : 0u) << "keeper only in the super image";
        EXPECT_EQ(U32At(image, 12), 100u);
        for (std::size_t b = 456; b < 464; ++b)
            EXPECT_EQ(image[b], 0xCD);
        for (std::size_t k = 0; k < 16; ++k) {
            EXPECT_GE(U32At(image, 304 + 8 * k + 4), 1u);
            EXPECT_LE(U32At(image, 304 + 8 * k + 4), 4u);
            EXPECT_LE(DoubleAt(image, 24 + 8 * k), i == 9 ? 2076.0 : 154.0);
        }
    }
    // Unknown and batsman types take the batsman image.
    EXPECT_EQ(&AbilityPresets::LevelImage(Level::Good, -1), &AbilityPresets::LevelImage(Level::Good, 0));
    EXPECT_EQ(&AbilityPresets::LevelImage(Level::Good, 1), &AbilityPresets::LevelImage(Level::Good, 0));
}

TEST(AbilityPresets, ApplyingCopiesExactlyTheAbilityBytesTheFormDoesNotOwn)
{
    CPlayer player;
    std::ranges::fill(player.EditRecord(), std::uint8_t{0x11});
    const CPlayer before = player;
    const auto& image = AbilityPresets::SuperImage();
    AbilityPresets::ApplyAbilities(player, image);

    const std::size_t kept[][2] = {{20, 23}, {203, 203}, {211, 211}, {223, 223}, {252, 255}, {300, 303}, {476, 479}};
    auto isKept = [&](std::size_t k) {
        return std::any_of(std::begin(kept), std::end(kept), [k](const auto& r) { return k >= r[0] && k <= r[1]; });
    };
    for (std::size_t r = 0; r < PlayerLayout::kSize; ++r) {
        const bool inArea = r >= 772 && r < 1272;
        const std::uint8_t expected = inArea && !isKept(r - 772) ? image[r - 772] : before.Byte(r);
        ASSERT_EQ(player.Byte(r), expected) << "record offset " << r;
    }
}

} // namespace
