#include "CoreTestHelpers.h"

#include "GameEdit.h"

#include <algorithm>
#include <cctype>

GameOnDisk::GameOnDisk(const tg::GameDescription& game, const std::string& fileName)
    : path(dir / fileName), built(tg::WriteGame(game, path))
{
}

::testing::AssertionResult Loads(CGame& game, const std::filesystem::path& path)
{
    const GameStatus status = game.LoadGameFile(path.string());
    if (status.ok())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "load of " << path << " failed: " << status.message();
}

::testing::AssertionResult Saves(CGame& game, const std::filesystem::path& newPath)
{
    const GameStatus status = game.SaveGameFile(newPath.empty() ? std::string() : newPath.string());
    if (status.ok())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "save failed: " << status.message();
}

::testing::AssertionResult NothingLoaded(const CGame& game)
{
    if (!game.GameFile().empty())
        return ::testing::AssertionFailure() << "the game file is " << game.GameFile();
    if (game.PlayerCount() != 0 || game.TeamCount() != 0)
        return ::testing::AssertionFailure() << game.PlayerCount() << " player slots, " << game.TeamCount()
                                             << " team slots";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult SameBytes(const std::vector<std::uint8_t>& actual, const std::vector<std::uint8_t>& expected)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    const auto diff = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    return ::testing::AssertionFailure() << actual.size() << " bytes instead of " << expected.size()
                                         << ", first difference at offset " << (diff.first - actual.begin());
}

tg::GameDescription SmallGame(std::uint64_t seed)
{
    tg::RealisticOptions options;
    options.minSquad = 2;
    options.maxSquad = 3;
    options.otherEntries = 2;
    options.restTeamNameStrings = 6;
    return tg::MakeRealisticGame(seed, 60, options);
}

tg::GameDescription TinyGame(std::uint64_t seed)
{
    tg::RealisticOptions options;
    options.teamCount = 3;
    options.minSquad = 1;
    options.maxSquad = 2;
    options.otherEntries = 1;
    return tg::MakeRealisticGame(seed, 4, options);
}

void RenameTeam(CGame& game, std::uint16_t teamId, const std::string& newName)
{
    GameEdit::Within(game, [&](GameEdit& edit) {
        edit.SetTeamName(0, teamId, newName);
        if (CTeam* team = edit.Team(teamId))
            team->m_strName = newName;
        edit.MarkTeamModified(teamId);
        return GameStatus();
    });
}

void ChangePlayer(CGame& game, std::uint32_t playerId, const std::function<void(CPlayer&)>& change)
{
    GameEdit::Within(game, [&](GameEdit& edit) {
        CPlayer* player = edit.Player(playerId);
        if (!player)
            return GameStatus::Failure("no player " + std::to_string(playerId));
        change(*player);
        edit.MarkPlayerModified(playerId);
        return GameStatus();
    });
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

bool ContainsNoCase(const std::string& text, const std::string& part)
{
    auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return s;
    };
    return Contains(lower(text), lower(part));
}

std::vector<std::uint16_t> SquadOf(const CTeam& team)
{
    std::vector<std::uint16_t> squad;
    for (std::size_t i = 0; i < team.m_wPlayerCount; ++i)
        squad.push_back(static_cast<std::uint16_t>(team.m_squad[i]));
    return squad;
}

std::vector<std::uint16_t> FreePlayers(const tg::GameDescription& desc)
{
    std::vector<std::uint16_t> ids;
    for (const auto& p : desc.players) {
        if (p.U16(tg::layout::kTeam) == tg::layout::kNoTeam)
            ids.push_back(p.id);
    }
    return ids;
}
