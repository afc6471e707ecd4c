#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// What one committed edit, undo or redo changed, as the game tells its
// observers: the players and teams whose records (or modified flags)
// changed, in id order; whether a team-name list changed; whether the whole
// game was replaced (a load, FreeGameData) or its modified flags were
// cleared by a save.
struct GameChange
{
    std::vector<std::uint32_t> players{};
    std::vector<std::uint16_t> teams{};
    bool names = false;
    bool reset = false;
    bool saved = false;

    friend bool operator==(const GameChange&, const GameChange&) = default;
};

using GameObserver = std::function<void(const GameChange&)>;
