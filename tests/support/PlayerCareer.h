#pragma once

#include "NameGenerator.h"
#include "PlayerDescription.h"
#include "Rng.h"

#include <cstdint>

namespace testgame {

// One invented player: name, date of birth, salary, contract, role,
// batting and bowling style and career figures that fit his age and role.
// The record's opaque bytes are random. team is his squad (0xFFFF none);
// keeper makes him his side's full-time wicket-keeper.
PlayerDescription MakeCareer(Rng& rng, NameGenerator& names, std::uint16_t id, std::uint16_t team,
                             int teamCount, bool keeper);

} // namespace testgame
