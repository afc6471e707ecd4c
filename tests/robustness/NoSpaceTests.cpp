// A save that runs out of room (a file-size limit, a full filesystem) must
// leave the game file exactly as it was and clean up after itself.
#include "SaveFaultHelpers.h"

#include <sys/mount.h>

#include <cerrno>
#include <cstring>

namespace fs = std::filesystem;

namespace {

class FileSizeLimitTest : public ::testing::TestWithParam<double>
{
protected:
    // The limit as a share of the old file: at the very start, in the
    // middle of the 1 MiB blocks, and just short of the end (the renamed
    // teams make the new file longer than the old one).
    std::uint64_t LimitFor(const SaveScene& scene) const
    {
        return std::max<std::uint64_t>(1, static_cast<std::uint64_t>(GetParam() * static_cast<double>(scene.before.size())));
    }
};

TEST_P(FileSizeLimitTest, saveOverTheFileLeavesItUntouchedAndReportsTheLimit)
{
    SaveScene scene(GameOfPlayers(2000));
    ChildProcess child({.argv = SaveArgs(scene.path), .fileSizeLimit = LimitFor(scene)});
    const auto result = child.Wait();

    EXPECT_TRUE(FailedWith(result, scene.path.string(), "File too large"));
    EXPECT_TRUE(HoldsBytes(scene.path, scene.before));
    EXPECT_TRUE(NoTemporaryFiles(scene.folder));
}

TEST_P(FileSizeLimitTest, saveAsANewFileCreatesNothing)
{
    SaveScene scene(GameOfPlayers(2000));
    const auto target = scene.folder / "COPY.CAP";
    ChildProcess child({.argv = SaveArgs(scene.path, target), .fileSizeLimit = LimitFor(scene)});
    const auto result = child.Wait();

    EXPECT_TRUE(FailedWith(result, target.string(), "File too large"));
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(HoldsBytes(scene.path, scene.before));
    EXPECT_TRUE(NoTemporaryFiles(scene.folder));
}

INSTANTIATE_TEST_SUITE_P(LimitShares, FileSizeLimitTest, ::testing::Values(0.0, 0.001, 0.5, 0.999),
    [](const ::testing::TestParamInfo<double>& info) { return "permille" + std::to_string(static_cast<int>(info.param * 1000)); });

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
    const auto game = GameOfPlayers(2000);
    const auto bytes = tg::Build(game).bytes;
    // Room for the old file and a quarter of the new one.
    SmallFilesystem filesystem(dir.Path(), bytes.size() + bytes.size() / 4);
    if (!filesystem.Mounted())
        GTEST_SKIP() << "a small filesystem cannot be mounted here (" << filesystem.Error()
                     << "); needs root with CAP_SYS_ADMIN. The file-size limit tests cover running out of room.";
    const auto path = dir / "GAME.CAP";
    tg::WriteFileBytes(path, bytes);

    ChildProcess child({.argv = SaveArgs(path)});
    const auto result = child.Wait();

    EXPECT_TRUE(FailedWith(result, path.string(), "No space left on device"));
    EXPECT_TRUE(HoldsBytes(path, bytes));
    EXPECT_TRUE(NoTemporaryFiles(dir.Path()));
}

} // namespace
