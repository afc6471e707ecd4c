#pragma once

#include "CGame.h"
#include "GameFileBuilder.h"
#include "RealisticGame.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tg = testgame;

// A described game written into a fresh folder of its own.
struct GameOnDisk
{
    explicit GameOnDisk(const tg::GameDescription& game, const std::string& fileName = "DATABASE.DB");

    std::string PathString() const { return path.string(); }
    std::vector<std::uint8_t> BytesNow() const { return tg::ReadFileBytes(path); }

    tg::TempDir dir;
    std::filesystem::path path;
    tg::BuiltGame built;
};

// Success, or a failure that shows the load's message.
::testing::AssertionResult Loads(CGame& game, const std::filesystem::path& path);
::testing::AssertionResult Saves(CGame& game, const std::filesystem::path& newPath = {});

// Nothing of a game is held: no file, no records.
::testing::AssertionResult NothingLoaded(const CGame& game);

// Eighteen teams of two or three players and some players without a team:
// every item of the format, small enough to build per test.
tg::GameDescription SmallGame(std::uint64_t seed = 7);

// Makes a team's full name in the model what the team dialog would.
void RenameTeam(CGame& game, std::uint16_t teamId, const std::string& newName);

bool Contains(const std::string& text, const std::string& part);
bool ContainsNoCase(const std::string& text, const std::string& part);

// The bytes of a file with the bytes [offset, offset + removed) replaced.
std::vector<std::uint8_t> Spliced(std::vector<std::uint8_t> bytes, std::size_t offset, std::size_t removed,
                                  const std::vector<std::uint8_t>& inserted);

// Three teams of one or two players, a non-team entry and no rest: small
// enough to cut at every byte.
tg::GameDescription TinyGame(std::uint64_t seed = 5);

// The squads that the core holds for a team, as a plain list.
std::vector<std::uint16_t> SquadOf(const CTeam& team);
