#pragma once

#include "CGame.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// What a loaded or edited game holds of everything the writer writes, in
// file order, so an edited model can be compared with the model read back
// from the file it saved.
struct PlayerState
{
    std::uint16_t id = 0;
    std::string givenNames, familyName, initials;
    CPlayer::Record record{};
    bool operator==(const PlayerState&) const = default;
};

struct TeamState
{
    std::uint16_t id = 0;
    std::vector<std::uint32_t> squad;
    std::vector<std::uint32_t> firstXI; // as many as the file's First XI count
    std::string name, shortName, abbrev;
    CTeam::Record record{};
    bool operator==(const TeamState&) const = default;
};

struct ModelSnapshot
{
    std::vector<PlayerState> players;
    std::vector<TeamState> teams;
    std::array<std::vector<std::string>, 3> nameLists; // full, short, abbreviations
};

// The game as it now stands.
ModelSnapshot TakeSnapshot(const CGame& game);

// What reading the saved file must give for an edited game whose file had
// these header ids and name-list lengths: the model, except that each
// squad sets the team of the players it lists (the last squad wins, as when
// the file is read), and the name lists hold only the header's entries.
ModelSnapshot ExpectedAfterReload(const CGame& game, const std::vector<std::uint16_t>& headerIds,
                                  const std::array<std::size_t, 3>& listLengths);

// Empty when equal; otherwise the first difference, in words.
std::string FirstDifference(const ModelSnapshot& expected, const ModelSnapshot& actual);
