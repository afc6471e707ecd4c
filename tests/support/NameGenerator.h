#pragma once

#include "Rng.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace testgame {

struct Rgb
{
    std::uint8_t r = 0, g = 0, b = 0;
};

// One invented side: names as the game's header lists them, plus the
// shirt colours the demo paints its photos with.
struct TeamIdentity
{
    std::string fullName;
    std::string shortName;
    std::string abbreviation;
    Rgb shirt;
    Rgb trim;
};

// The eighteen invented teams of a generated game (no real country or club).
const std::vector<TeamIdentity>& InventedTeams();

// Plausible but invented player names. Family names are put together from
// syllables, so no generated player is a real cricketer. Text is
// Windows-1252 bytes (a few names carry accented letters).
class NameGenerator
{
public:
    explicit NameGenerator(Rng& rng) : m_rng(rng) {}

    // One to three given names separated by single spaces.
    std::string GivenNames();
    std::string FamilyName();
    // A ground or sponsor name for the opaque string lists of a team.
    std::string VenueName();

private:
    Rng& m_rng;
};

} // namespace testgame
