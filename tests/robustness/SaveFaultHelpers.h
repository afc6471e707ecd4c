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

// Save driver arguments (see SaveDriver.cpp): rename every team, then save
// source over itself or to target.
std::vector<std::string> SaveArgs(const std::filesystem::path& source, const std::filesystem::path& target = {});

// A realistic game: with a few thousand players it spans several of the
// writer's 1 MiB blocks, so faults strike mid-stream.
tg::GameDescription GameOfPlayers(int players, std::uint64_t seed = 11);

// A game file in a folder of its own, and the bytes it held before the save.
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

// The whole file in one read (the builder's reader is too slow for the kill test).
std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path);
::testing::AssertionResult HoldsBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& expected);

// The temporary files of a save ("Orb*.tmp") in the folder.
std::vector<std::filesystem::path> TemporaryFiles(const std::filesystem::path& folder);
::testing::AssertionResult NoTemporaryFiles(const std::filesystem::path& folder);
