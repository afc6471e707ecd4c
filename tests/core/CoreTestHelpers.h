#pragma once

#include "CGame.h"
#include "GameFileBuilder.h"
#include "RealisticGame.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
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

// Success, or a failure that shows the operation's message.
::testing::AssertionResult Loads(CGame& game, const std::filesystem::path& path);
::testing::AssertionResult Saves(CGame& game, const std::filesystem::path& newPath = {});
// Nothing of a game is held: no file, no records.
::testing::AssertionResult NothingLoaded(const CGame& game);
// Equal bytes, or the first offset where they differ.
::testing::AssertionResult SameBytes(const std::vector<std::uint8_t>& actual, const std::vector<std::uint8_t>& expected);

// Eighteen teams of two or three players, free players, non-team entries
// and team names in the rest: every item of the format, cheap to build.
tg::GameDescription SmallGame(std::uint64_t seed = 7);
// Three teams of one or two players and a non-team entry: cheap to cut at every byte.
tg::GameDescription TinyGame(std::uint64_t seed = 5);

// Makes a team's full name in the model what the team dialog would.
void RenameTeam(CGame& game, std::uint16_t teamId, const std::string& newName);
// Changes a player's record in an edit of its own and marks him modified.
void ChangePlayer(CGame& game, std::uint32_t playerId, const std::function<void(CPlayer&)>& change);

bool Contains(const std::string& text, const std::string& part);
bool ContainsNoCase(const std::string& text, const std::string& part);
std::vector<std::uint16_t> SquadOf(const CTeam& team);
std::vector<std::uint16_t> FreePlayers(const tg::GameDescription& desc);
