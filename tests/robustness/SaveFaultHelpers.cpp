#include "SaveFaultHelpers.h"

#include <algorithm>
#include <fstream>

namespace fs = std::filesystem;

std::vector<std::string> SaveArgs(const fs::path& source, const fs::path& target)
{
    std::vector<std::string> args{ORBEK_SAVE_DRIVER, "--rename-teams", " United", source.string()};
    if (!target.empty())
        args.push_back(target.string());
    return args;
}

tg::GameDescription GameOfPlayers(int players, std::uint64_t seed)
{
    tg::RealisticOptions options;
    options.restTeamNameStrings = 200;
    return tg::MakeRealisticGame(seed, players, options);
}

SaveScene::SaveScene(const tg::GameDescription& game, const std::string& fileName)
    : folder(dir / "game"), path(folder / fileName)
{
    fs::create_directory(folder);
    before = tg::WriteGame(game, path).bytes;
}

::testing::AssertionResult FailedWith(const ChildResult& result, const std::string& file, const std::string& reason)
{
    if (!result.exited || result.exitStatus != 1)
        return ::testing::AssertionFailure() << "expected exit status 1, got " << Describe(result);
    if (result.err.find(file) == std::string::npos || result.err.find(reason) == std::string::npos)
        return ::testing::AssertionFailure() << "the message should name " << file << " and say \"" << reason
                                             << "\": " << result.err;
    return ::testing::AssertionSuccess();
}

std::vector<std::uint8_t> FileBytes(const fs::path& path)
{
    std::vector<std::uint8_t> bytes(fs::file_size(path));
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

::testing::AssertionResult HoldsBytes(const fs::path& path, const std::vector<std::uint8_t>& expected)
{
    if (!fs::exists(path))
        return ::testing::AssertionFailure() << path << " is gone";
    const auto now = FileBytes(path);
    if (now == expected)
        return ::testing::AssertionSuccess();
    const auto mismatch = std::mismatch(now.begin(), now.end(), expected.begin(), expected.end());
    return ::testing::AssertionFailure() << path << " changed: " << now.size() << " bytes instead of " << expected.size()
                                         << ", first difference at offset " << (mismatch.first - now.begin());
}

std::vector<fs::path> TemporaryFiles(const fs::path& folder)
{
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const auto name = entry.path().filename().string();
        if (name.starts_with("Orb") && name.ends_with(".tmp"))
            found.push_back(entry.path());
    }
    return found;
}

::testing::AssertionResult NoTemporaryFiles(const fs::path& folder)
{
    const auto left = TemporaryFiles(folder);
    if (left.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << left.size() << " temporary file(s) left, e.g. " << left.front();
}
