// A save that runs out of room (a file-size limit, a full filesystem) must
// leave the game file exactly as it was and clean up after itself.
#include "SaveFaultHelpers.h"

#include <sys/mount.h>

#include <cerrno>
#include <cstring>

namespace fs = std::filesystem;

namespace {

// The limit as a share of the old file: at the very start, in the middle of
// the 1 MiB blocks, and just short of the end (renamed teams make the new file longer).
class FileSizeLimitTest : public ::testing::TestWithParam<double>
{
};

TEST_P(FileSizeLimitTest, saveOverTheFileOrAsANewOneChangesNothingAndReportsTheLimit)
{
    SaveScene scene(GameOfPlayers(2000));
    const auto limit = std::max<std::uint64_t>(1, static_cast<std::uint64_t>(GetParam() * static_cast<double>(scene.before.size())));
    const auto copy = scene.folder / "COPY.CAP";
    for (const auto& target : {fs::path(), copy}) {
        SCOPED_TRACE(target.empty() ? "save" : "save as");
        ChildProcess child({.argv = SaveArgs(scene.path, target), .fileSizeLimit = limit});
        EXPECT_TRUE(FailedWith(child.Wait(), (target.empty() ? scene.path : target).string(), "File too large"));
        EXPECT_TRUE(HoldsBytes(scene.path, scene.before));
        EXPECT_FALSE(fs::exists(copy));
        EXPECT_TRUE(NoTemporaryFiles(scene.folder));
    }
}

INSTANTIATE_TEST_SUITE_P(LimitShares, FileSizeLimitTest, ::testing::Values(0.0, 0.001, 0.5, 0.999),
    [](const ::testing::TestParamInfo<double>& info) { return "permille" + std::to_string(static_cast<int>(info.param * 1000)); });

// The backup of the file a save replaces runs out of room (here: the old
// file is larger than the limit, the new one is not). The save is refused
// and no file changes: no backup, no temporary file anywhere.
TEST(FileSizeLimitTest, aBackupThatHitsTheLimitRefusesTheSaveAndNamesTheBackupsFolder)
{
    SaveScene scene(GameOfPlayers(500));
    const auto other = scene.folder / "OTHER.CAP";
    const std::vector<std::uint8_t> large(scene.before.size() * 2, 0x5A);
    tg::WriteFileBytes(other, large);
    tg::TempDir backups;
    auto args = SaveArgs(scene.path, other);
    args.insert(args.begin() + 1, {"--backups", backups.Path().string()});
    ChildProcess child({.argv = args, .fileSizeLimit = scene.before.size() * 3 / 2});
    const ChildResult result = child.Wait();
    EXPECT_TRUE(FailedWith(result, other.string(), "File too large"));
    EXPECT_NE(result.err.find(backups.Path().string()), std::string::npos) << result.err;
    EXPECT_TRUE(HoldsBytes(other, large));
    EXPECT_TRUE(HoldsBytes(scene.path, scene.before));
    EXPECT_TRUE(NoTemporaryFiles(scene.folder));
    for (const auto& entry : fs::recursive_directory_iterator(backups.Path()))
        EXPECT_TRUE(entry.is_directory() || entry.path().filename() == "original folder.txt") << entry.path();
}

// Mounts a tmpfs of a given size on a folder for the life of the object.
class SmallFilesystem
{
public:
    SmallFilesystem(const fs::path& where, std::uint64_t bytes) : m_where(where)
    {
        const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
        m_mounted = ::mount("tmpfs", where.c_str(), "tmpfs", 0, options.c_str()) == 0;
        m_error = m_mounted ? 0 : errno;
    }
    ~SmallFilesystem()
    {
        if (m_mounted)
            ::umount2(m_where.c_str(), MNT_DETACH);
    }
    bool Mounted() const { return m_mounted; }
    std::string Error() const { return std::strerror(m_error); }

private:
    fs::path m_where;
    bool m_mounted = false;
    int m_error = 0;
};

TEST(FullFilesystemTest, saveOnAFullFilesystemLeavesTheFileUntouchedAndSaysNoSpace)
{
    tg::TempDir dir;
    const auto bytes = tg::Build(GameOfPlayers(2000)).bytes;
    // Room for the old file and a quarter of the new one.
    SmallFilesystem filesystem(dir.Path(), bytes.size() + bytes.size() / 4);
    if (!filesystem.Mounted())
        GTEST_SKIP() << "a small filesystem cannot be mounted here (" << filesystem.Error()
                     << "); needs root with CAP_SYS_ADMIN. The file-size limit tests cover running out of room.";
    const auto path = dir / "GAME.CAP";
    tg::WriteFileBytes(path, bytes);

    ChildProcess child({.argv = SaveArgs(path)});
    EXPECT_TRUE(FailedWith(child.Wait(), path.string(), "No space left on device"));
    EXPECT_TRUE(HoldsBytes(path, bytes));
    EXPECT_TRUE(NoTemporaryFiles(dir.Path()));
}

} // namespace
