#pragma once

#include "ChildProcess.h"
#include "GameFileBuilder.h"
#include "RealisticGame.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tg = testgame;

// The save driver built beside these tests (see SaveDriver.cpp).
std::string SaveDriverPath();

// Arguments for the save driver: rename every team, then save source over
// itself or to target.
std::vector<std::string> SaveArgs(const std::filesystem::path& source, const std::filesystem::path& target = {});

// A realistic game of `players` players: with a few thousand it spans
// several of the writer's 1 MiB blocks, so faults strike mid-stream.
tg::GameDescription GameOfPlayers(int players, std::uint64_t seed = 11);

// A game file in a folder of its own, and the bytes it held before the
// save that the test then disturbs.
struct SaveScene
{
    explicit SaveScene(const tg::GameDescription& game, const std::string& fileName = "GAME.CAP");

    tg::TempDir dir;
    std::filesystem::path folder;
    std::filesystem::path path;
    std::vector<std::uint8_t> before;
};

// The failure every fault must end in: exit status 1 and a message on
// standard error naming the file and holding `reason`.
::testing::AssertionResult FailedWith(const ChildResult& result, const std::string& file, const std::string& reason);

// The whole file in one read (the builder's reader goes byte by byte, too
// slow for the kill test's hundreds of reads in a sanitizer build).
std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path);

// The file holds exactly these bytes.
::testing::AssertionResult HoldsBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& expected);

// No temporary file of a save ("Orb*.tmp") is left in the folder.
::testing::AssertionResult NoTemporaryFiles(const std::filesystem::path& folder);
std::vector<std::filesystem::path> TemporaryFiles(const std::filesystem::path& folder);
