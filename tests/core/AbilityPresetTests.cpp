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

TEST(AbilityPresets, TheImagesHoldTheGameProfilesValuesAndTheFormsTypeChoosesOne)
{
    // Excellent, Good, Average batsman; bowlers; all-rounders; then super.
    std::vector<const AbilityPresets::AbilityImage*> images;
    for (int type : {1, 3, 2})
        for (Level level : {Level::Excellent, Level::Good, Level::Average})
            images.push_back(&AbilityPresets::LevelImage(level, type));
    images.push_back(&AbilityPresets::SuperImage());
    const std::uint32_t types[] = {1, 0, 1, 3, 2, 3, 2, 2, 3, 1};
    const std::uint32_t styles[] = {2, 1, 2, 5, 4, 5, 5, 3, 4, 2};
    for (std::size_t i = 0; i < images.size(); ++i) {
        SCOPED_TRACE(i);
        const auto& image = *images[i];
        EXPECT_EQ(U32At(image, 20), types[i]);
        EXPECT_EQ(U32At(image, 300), styles[i]);
        EXPECT_EQ(U32At(image, 228), i == 6 ? 0u : 1u) << "bats right, except the Excellent all-rounder";
        EXPECT_EQ(U32At(image, 232), i == 9 ? 1u : 0u) << "keeper only in the super image";
        EXPECT_EQ(U32At(image, 252), 0u);
        EXPECT_EQ(U32At(image, 12), 100u);
        for (std::size_t b = 456; b < 464; ++b)
            EXPECT_EQ(image[b], 0xCD);
        for (std::size_t k = 0; k < 16; ++k) {
            EXPECT_GE(U32At(image, 304 + 8 * k + 4), 1u);
            EXPECT_LE(U32At(image, 304 + 8 * k + 4), 4u);
            if (i != 9) {
                EXPECT_LE(DoubleAt(image, 24 + 8 * k), 154.0);
            }
        }
    }
    const double super[16] = {202, 204, 217, 207, 229, 1569, 1591, 151, 761, 131, 2076, 708, 166, 302, 1269, 611};
    const double excellentBatsman[16] = {25, 2, 17, 36, 41, 29, 82, 13, 52, 14, 137, 43, 31, 17, 32, 3};
    for (std::size_t k = 0; k < 16; ++k) {
        EXPECT_EQ(DoubleAt(*images[9], 24 + 8 * k), super[k]);
        EXPECT_EQ(DoubleAt(*images[0], 24 + 8 * k), excellentBatsman[k]);
        EXPECT_EQ(U32At(*images[0], 304 + 8 * k), 134u);
        EXPECT_EQ(U32At(*images[2], 304 + 8 * k), 119u);
        EXPECT_EQ(U32At(*images[9], 304 + 8 * k), 135u);
    }
    const std::uint32_t excellentBowlerStart[4][2] = {{60, 4}, {72, 4}, {48, 3}, {12, 1}};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(U32At(*images[3], 304 + 8 * k), excellentBowlerStart[k][0]);
        EXPECT_EQ(U32At(*images[3], 304 + 8 * k + 4), excellentBowlerStart[k][1]);
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
