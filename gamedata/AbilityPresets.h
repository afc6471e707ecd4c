#pragma once

#include "CPlayer.h"

#include <array>
#include <cstdint>

// The stored ability profiles ("Average", "Good", "Excellent" by player
// type, and the super player) and the two ways a player's 500-byte ability
// area is replaced: applying a profile and copying another player's area.
namespace AbilityPresets {

using AbilityImage = std::array<std::uint8_t, PlayerLayout::kAbilitySize>;

enum class Level { Average, Good, Excellent };

// The image of a level for the form's type: 2 (all-rounder) and 3 (bowler)
// have their own; anything else, "none selected" included, takes the
// batsman image.
const AbilityImage& LevelImage(Level level, int formType);
const AbilityImage& SuperImage();

// Copies the image over the ability area, except the fields the form edits
// itself: type, the three batting preferences, part-time keeping, bowling
// style and arm stay as they were.
void ApplyAbilities(CPlayer& player, const AbilityImage& image);

// The whole ability area of `source`, every field in it included.
void CopyAbilities(CPlayer& target, const CPlayer& source);

} // namespace AbilityPresets
