#include "AbilityPresets.h"

#include "ByteOrder.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

using AbilityPresets::AbilityImage;

// What distinguishes one stored profile; the images are built from these
// once, so each holds exactly the values the game expects of it.
struct Profile
{
    std::uint32_t type;
    std::uint32_t bowlStyle;
    std::uint32_t batsRight;
    std::uint32_t keeper;
    double skills[16];          // image offsets 24..151
    std::uint32_t pairs[16][2]; // image offsets 304..431
    std::uint32_t form;         // a general form figure, image offset 16
};

// Image offsets of the fields the form owns (kept from the record).
constexpr std::size_t kType = 20, kVsPace = 203, kFootwork = 211, kSide = 223, kBatsRight = 228, kKeeper = 232,
                      kPartTime = 252, kBowlStyle = 300, kBowlArm = 476;

constexpr std::pair<std::size_t, std::size_t> kAppliedRanges[] = {
    {0, 19}, {24, 202}, {204, 210}, {212, 222}, {224, 251}, {256, 299}, {304, 475}, {480, 499}};

#define PAIRS_OF(a, b) {{a, b}, {a, b}, {a, b}, {a, b}, {a, b}, {a, b}, {a, b}, {a, b}, \
                        {a, b}, {a, b}, {a, b}, {a, b}, {a, b}, {a, b}, {a, b}, {a, b}}

// Order: Excellent, Good, Average batsman; the bowlers; the all-rounders; super.
const Profile kProfiles[10] = {
    {1, 2, 1, 0, {25, 2, 17, 36, 41, 29, 82, 13, 52, 14, 137, 43, 31, 17, 32, 3}, PAIRS_OF(134, 2), 90},
    {0, 1, 1, 0, {21, 2, 14, 30, 34, 24, 69, 11, 44, 12, 115, 36, 26, 14, 27, 3}, PAIRS_OF(127, 2), 75},
    {1, 2, 1, 0, {16, 1, 11, 23, 26, 18, 52, 8, 33, 9, 87, 27, 20, 11, 20, 2}, PAIRS_OF(119, 2), 60},
    {3, 5, 1, 0, {8, 1, 5, 11, 12, 9, 24, 4, 15, 4, 40, 13, 92, 118, 141, 154},
        {{60, 4}, {72, 4}, {48, 3}, {12, 1}, {66, 4}, {58, 3}, {40, 3}, {20, 2}, {70, 4}, {52, 3}, {36, 2}, {18, 1}, {64, 4}, {56, 3}, {44, 3}, {16, 1}}, 90},
    {2, 4, 1, 0, {7, 1, 4, 9, 10, 8, 20, 3, 13, 4, 34, 11, 78, 100, 120, 131},
        {{54, 4}, {64, 4}, {42, 3}, {10, 1}, {58, 4}, {50, 3}, {34, 3}, {18, 2}, {62, 4}, {46, 3}, {30, 2}, {16, 1}, {56, 4}, {48, 3}, {38, 3}, {14, 1}}, 75},
    {3, 5, 1, 0, {5, 1, 3, 7, 8, 6, 15, 2, 10, 3, 26, 8, 59, 76, 90, 98},
        {{46, 3}, {55, 3}, {36, 2}, {9, 1}, {50, 3}, {44, 3}, {30, 2}, {15, 1}, {53, 3}, {40, 2}, {27, 2}, {13, 1}, {48, 3}, {42, 2}, {33, 2}, {12, 1}}, 60},
    {2, 5, 0, 0, {19, 2, 13, 27, 31, 22, 62, 10, 39, 11, 103, 32, 70, 89, 106, 116},
        {{98, 3}, {104, 3}, {86, 3}, {40, 2}, {100, 3}, {94, 3}, {80, 2}, {44, 2}, {102, 3}, {90, 3}, {76, 2}, {42, 2}, {98, 3}, {92, 3}, {82, 2}, {38, 2}}, 90},
    {2, 3, 1, 0, {16, 2, 11, 23, 26, 18, 52, 8, 33, 9, 87, 27, 59, 75, 90, 98},
        {{90, 3}, {96, 3}, {78, 3}, {36, 2}, {92, 3}, {86, 3}, {72, 2}, {40, 2}, {94, 3}, {82, 3}, {68, 2}, {38, 2}, {90, 3}, {84, 3}, {74, 2}, {34, 2}}, 75},
    {3, 4, 1, 0, {12, 1, 8, 17, 20, 14, 40, 6, 25, 7, 66, 21, 45, 57, 68, 74},
        {{80, 3}, {86, 3}, {70, 2}, {32, 2}, {82, 3}, {76, 2}, {64, 2}, {36, 2}, {84, 3}, {74, 2}, {60, 2}, {34, 2}, {80, 3}, {75, 2}, {66, 2}, {30, 2}}, 60},
    {1, 2, 1, 1, {202, 204, 217, 207, 229, 1569, 1591, 151, 761, 131, 2076, 708, 166, 302, 1269, 611}, PAIRS_OF(135, 2), 99},
};
#undef PAIRS_OF

void PutU32(AbilityImage& image, std::size_t offset, std::uint32_t value)
{
    ByteOrder::PutU32(image.data() + offset, value);
}

AbilityImage BuildImage(const Profile& profile)
{
    AbilityImage image{};
    PutU32(image, 0, 1);
    PutU32(image, 4, profile.form / 10);
    PutU32(image, 8, 0);
    PutU32(image, 12, 100);
    PutU32(image, 16, profile.form);
    PutU32(image, kType, profile.type);
    for (std::size_t i = 0; i < 16; ++i) {
        std::uint64_t bits = 0;
        static_assert(sizeof(double) == sizeof(bits));
        std::memcpy(&bits, &profile.skills[i], sizeof bits);
        for (std::size_t b = 0; b < 8; ++b)
            image[24 + 8 * i + b] = static_cast<std::uint8_t>(bits >> (8 * b));
    }
    // Temperament and fitness figures between the skills and the preferences.
    for (std::size_t offset = 152; offset + 4 <= 200; offset += 4)
        PutU32(image, offset, profile.form / 2 + static_cast<std::uint32_t>(offset % 7));
    image[kVsPace] = 0x40;
    image[kFootwork] = 0x40;
    image[kSide] = 0x40;
    PutU32(image, kBatsRight, profile.batsRight);
    PutU32(image, kKeeper, profile.keeper);
    PutU32(image, 236, profile.form);
    PutU32(image, kPartTime, 0);
    PutU32(image, kBowlStyle, profile.bowlStyle);
    for (std::size_t i = 0; i < 16; ++i) {
        PutU32(image, 304 + 8 * i, profile.pairs[i][0]);
        PutU32(image, 304 + 8 * i + 4, profile.pairs[i][1]);
    }
    for (std::size_t offset = 432; offset < 456; offset += 4)
        PutU32(image, offset, profile.form / 3);
    std::fill(image.begin() + 456, image.begin() + 464, std::uint8_t{0xCD});
    PutU32(image, kBowlArm, 1);
    PutU32(image, 480, profile.form);
    return image;
}

const std::array<AbilityImage, 10>& Images()
{
    static const std::array<AbilityImage, 10> images = [] {
        std::array<AbilityImage, 10> built{};
        for (std::size_t i = 0; i < built.size(); ++i)
            built[i] = BuildImage(kProfiles[i]);
        return built;
    }();
    return images;
}

} // namespace

namespace AbilityPresets {

const AbilityImage& LevelImage(Level level, int formType)
{
    const std::size_t levelRow = level == Level::Excellent ? 0 : level == Level::Good ? 1 : 2;
    const std::size_t group = formType == 3 ? 1 : formType == 2 ? 2 : 0; // bowler, all-rounder, batsman
    return Images()[group * 3 + levelRow];
}

const AbilityImage& SuperImage()
{
    return Images()[9];
}

void ApplyAbilities(CPlayer& player, const AbilityImage& image)
{
    auto* area = player.EditRecord().data() + PlayerLayout::kAbilityStart;
    for (const auto& [first, last] : kAppliedRanges)
        std::copy(image.begin() + static_cast<std::ptrdiff_t>(first), image.begin() + static_cast<std::ptrdiff_t>(last) + 1, area + first);
}

void CopyAbilities(CPlayer& target, const CPlayer& source)
{
    const auto* first = source.RecordData() + PlayerLayout::kAbilityStart;
    if (!std::equal(first, first + PlayerLayout::kAbilitySize, target.RecordData() + PlayerLayout::kAbilityStart))
        std::copy(first, first + PlayerLayout::kAbilitySize, target.EditRecord().data() + PlayerLayout::kAbilityStart);
}

} // namespace AbilityPresets
