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

TEST(ReadOnlyTargetTest, saveOverOrAsOntoAReadOnlyFileIsRefusedAndChangesNeither)
{
    SaveScene scene(GameOfPlayers(1500));
    const auto other = scene.folder / "OTHER.CAP";
    const auto otherBytes = tg::WriteGame(GameOfPlayers(300, 5), other).bytes;
    fs::permissions(scene.path, kReadOnly);
    fs::permissions(other, kReadOnly);
    for (const auto& target : {fs::path(), other}) {
        SCOPED_TRACE(target.empty() ? "save" : "save as");
        ChildProcess child({.argv = SaveArgs(scene.path, target)});
        EXPECT_TRUE(FailedWith(child.Wait(), (target.empty() ? scene.path : target).string(), "read-only"));
        EXPECT_TRUE(HoldsBytes(other, otherBytes));
        EXPECT_TRUE(HoldsBytes(scene.path, scene.before));
        EXPECT_TRUE(NoTemporaryFiles(scene.folder));
    }
}

// The file may be written by everybody, but its folder by nobody: a save
// that wrote in place would succeed, a save through a new file must not.
// Root may write into any folder, so as root the save runs as "nobody".
TEST(LockedFolderTest, saveOrSaveAsInAFolderWithoutWritePermissionIsRefusedAndChangesNothing)
{
    SaveScene scene(GameOfPlayers(1500));
    fs::permissions(scene.dir.Path(), kReadAndEnter);
    fs::permissions(scene.path, kEveryoneReadWrite);
    fs::permissions(scene.folder, kReadAndEnter);
    ChildOptions options;
    if (::geteuid() == 0) {
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody)
            GTEST_SKIP() << "the tests run as root and there is no user \"nobody\" to run the save as";
        options.runAsUser = nobody->pw_uid;
        options.runAsGroup = nobody->pw_gid;
    }
    const auto copy = scene.folder / "NEW.CAP";
    for (const auto& target : {fs::path(), copy}) {
        SCOPED_TRACE(target.empty() ? "save" : "save as");
        options.argv = SaveArgs(scene.path, target);
        ChildProcess child(options);
        const auto result = child.Wait();
        EXPECT_TRUE(FailedWith(result, (target.empty() ? scene.path : target).string(), "Permission denied"));
        if (target.empty()) {
            EXPECT_NE(result.err.find("no temporary file can be created"), std::string::npos) << result.err;
        }
        EXPECT_FALSE(fs::exists(copy));
        EXPECT_TRUE(HoldsBytes(scene.path, scene.before));
        EXPECT_TRUE(NoTemporaryFiles(scene.folder));
    }
}

} // namespace
