// A save the user may not make (read-only file, folder without write
// permission) is refused with the reason, and nothing changes on disk.
#include "SaveFaultHelpers.h"

#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr auto kReadOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
constexpr auto kReadAndEnter = kReadOnly | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
constexpr auto kEveryoneReadWrite = kReadOnly | fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

TEST(ReadOnlyTargetTest, saveOverAReadOnlyFileIsRefusedAndChangesNothing)
{
    SaveScene scene(GameOfPlayers(1500));
    fs::permissions(scene.path, kReadOnly);

    ChildProcess child({.argv = SaveArgs(scene.path)});
    const auto result = child.Wait();

    EXPECT_TRUE(FailedWith(result, scene.path.string(), "read-only"));
    EXPECT_TRUE(HoldsBytes(scene.path, scene.before));
    EXPECT_TRUE(NoTemporaryFiles(scene.folder));
}

TEST(ReadOnlyTargetTest, saveAsOntoAReadOnlyFileIsRefusedAndChangesNeither)
{
    SaveScene scene(GameOfPlayers(1500));
    const auto target = scene.folder / "OTHER.CAP";
    const auto otherBytes = tg::WriteGame(GameOfPlayers(300, 5), target).bytes;
    fs::permissions(target, kReadOnly);

    ChildProcess child({.argv = SaveArgs(scene.path, target)});
    const auto result = child.Wait();

    EXPECT_TRUE(FailedWith(result, target.string(), "read-only"));
    EXPECT_TRUE(HoldsBytes(target, otherBytes));
    EXPECT_TRUE(HoldsBytes(scene.path, scene.before));
    EXPECT_TRUE(NoTemporaryFiles(scene.folder));
}

// Root may write into any folder, so as root the save runs as "nobody".
class LockedFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (::geteuid() != 0)
            return;
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody)
            GTEST_SKIP() << "the tests run as root and there is no user \"nobody\" to run the save as";
        m_user = nobody->pw_uid;
        m_group = nobody->pw_gid;
    }

    ChildOptions AsUser(std::vector<std::string> argv) const
    {
        ChildOptions options{.argv = std::move(argv)};
        options.runAsUser = m_user;
        options.runAsGroup = m_group;
        return options;
    }

    // The file may be written by everybody, but its folder by nobody: a save
    // that wrote in place would succeed, a save through a new file must not.
    void Lock(SaveScene& scene) const
    {
        fs::permissions(scene.dir.Path(), kReadAndEnter);
        fs::permissions(scene.path, kEveryoneReadWrite);
        fs::permissions(scene.folder, kReadAndEnter);
    }

private:
    std::optional<uid_t> m_user;
    std::optional<gid_t> m_group;
};

TEST_F(LockedFolderTest, saveInAFolderWithoutWritePermissionIsRefusedAndChangesNothing)
{
    SaveScene scene(GameOfPlayers(1500));
    Lock(scene);

    ChildProcess child(AsUser(SaveArgs(scene.path)));
    const auto result = child.Wait();

    EXPECT_TRUE(FailedWith(result, scene.path.string(), "Permission denied"));
    EXPECT_NE(result.err.find("no temporary file can be created"), std::string::npos) << result.err;
    EXPECT_TRUE(HoldsBytes(scene.path, scene.before));
    EXPECT_TRUE(NoTemporaryFiles(scene.folder));
}

TEST_F(LockedFolderTest, saveAsIntoAFolderWithoutWritePermissionCreatesNothing)
{
    SaveScene scene(GameOfPlayers(1500));
    Lock(scene);
    const auto target = scene.folder / "NEW.CAP";

    ChildProcess child(AsUser(SaveArgs(scene.path, target)));
    const auto result = child.Wait();

    EXPECT_TRUE(FailedWith(result, target.string(), "Permission denied"));
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(HoldsBytes(scene.path, scene.before));
    EXPECT_TRUE(NoTemporaryFiles(scene.folder));
}

} // namespace
