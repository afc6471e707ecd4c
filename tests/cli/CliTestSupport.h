#pragma once

#include "GameDescription.h"
#include "GameFileBuilder.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tg = testgame;

// What one run of the tool left behind.
struct CliRun
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the library entry point with string streams.
CliRun RunLib(const std::vector<std::string>& args);
// Runs the built orbek-cli program as a process.
CliRun RunExe(const std::vector<std::string>& args);

// A described game written into a temporary folder of its own.
struct GameFile
{
    explicit GameFile(const tg::GameDescription& description, const std::string& name = "GAME.CAP");
    std::string Path() const { return path.string(); }
    std::vector<std::uint8_t> Bytes() const { return tg::ReadFileBytes(path); }
    std::string Sibling(const std::string& name) const { return (dir.Path() / name).string(); }

    tg::GameDescription description;
    tg::TempDir dir;
    std::filesystem::path path;
    tg::BuiltGame built;
};

// A believable game: 18 teams, 300 players, some without a team.
tg::GameDescription StandardGame();

// Ids of players in and out of teams in a description.
std::uint16_t FirstFreePlayer(const tg::GameDescription& game);
std::uint16_t SquadMember(const tg::GameDescription& game, std::uint16_t teamId, std::size_t index);

// UTF-8 of Windows-1252 text that uses no byte 0x80..0x9F (for those the
// two code pages differ, and the test data avoids them).
std::string Utf8(const std::string& latin1);

bool Contains(const std::string& text, const std::string& part);
std::vector<std::string> Lines(const std::string& text);
void WriteText(const std::string& path, const std::string& text);
std::string ReadText(const std::string& path);
