#include "SaveFaultHelpers.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace fs = std::filesystem;

std::string SaveDriverPath()
{
    return ORBEK_SAVE_DRIVER;
}

std::vector<std::string> SaveArgs(const fs::path& source, const fs::path& target)
{
    std::vector<std::string> args{SaveDriverPath(), "--rename-teams", " United", source.string()};
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
    if (result.err.find(file) == std::string::npos)
        return ::testing::AssertionFailure() << "the message does not name " << file << ": " << result.err;
    if (result.err.find(reason) == std::string::npos)
        return ::testing::AssertionFailure() << "the message does not say \"" << reason << "\": " << result.err;
    return ::testing::AssertionSuccess();
}

std::vector<std::uint8_t> FileBytes(const fs::path& path)
{
    std::vector<std::uint8_t> bytes(fs::file_size(path));
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        throw std::runtime_error("cannot read " + path.string());
    const std::size_t got = bytes.empty() ? 0 : std::fread(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    bytes.resize(got);
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
