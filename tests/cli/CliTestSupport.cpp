#include "CliTestSupport.h"

#include "ChildProcess.h"
#include "CliApp.h"
#include "RealisticGame.h"

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

// The commands that save make backups in the user's data folder: in every
// test program that folder is a temporary one (the tool run as a process
// inherits it), removed at the end.
class DataFolderEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        m_dir = std::make_unique<tg::TempDir>();
#ifdef _WIN32
        _putenv_s("LOCALAPPDATA", m_dir->Path().string().c_str());
#else
        ::setenv("XDG_DATA_HOME", m_dir->Path().c_str(), 1);
#endif
    }
    void TearDown() override { m_dir.reset(); }

private:
    std::unique_ptr<tg::TempDir> m_dir;
};

[[maybe_unused]] ::testing::Environment* const kDataFolder = ::testing::AddGlobalTestEnvironment(new DataFolderEnvironment);

} // namespace

CliRun RunLib(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int exitCode = RunCli(args, out, err);
    return {exitCode, out.str(), err.str()};
}

CliRun RunExe(const std::vector<std::string>& args)
{
    std::vector<std::string> argv{ORBEK_CLI_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    const ChildResult result = RunChild(argv);
    EXPECT_TRUE(result.startError.empty()) << Describe(result);
    return {result.exited ? result.exitStatus : -1, result.out, result.err};
}

GameFile::GameFile(const tg::GameDescription& game, const std::string& name)
    : description(game), path(dir / name), built(tg::WriteGame(description, path))
{
}

tg::GameDescription StandardGame()
{
    tg::RealisticOptions options;
    options.minSquad = 12;
    options.maxSquad = 14;
    options.restTeamNameStrings = 6;
    return tg::MakeRealisticGame(11, 300, options);
}

std::uint16_t FirstFreePlayer(const tg::GameDescription& game)
{
    for (const auto& player : game.players)
        if (player.U16(tg::layout::kTeam) == tg::layout::kNoTeam)
            return player.id;
    ADD_FAILURE() << "the game has no player without a team";
    return 0;
}

std::uint16_t SquadMember(const tg::GameDescription& game, std::uint16_t teamId, std::size_t index)
{
    for (const auto* team : game.TeamRecords())
        if (team->id == teamId && index < team->squad.size())
            return team->squad[index];
    ADD_FAILURE() << "team " << teamId << " has no squad place " << index;
    return 0;
}

std::string Utf8(const std::string& latin1)
{
    std::string utf8;
    for (unsigned char c : latin1) {
        EXPECT_FALSE(c >= 0x80 && c <= 0x9F) << "test text outside Latin-1";
        if (c >= 0x80)
            utf8 += static_cast<char>(0xC0 | (c >> 6));
        utf8 += static_cast<char>(c < 0x80 ? c : 0x80 | (c & 0x3F));
    }
    return utf8;
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::string ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << file.rdbuf();
    return buffer.str();
}
