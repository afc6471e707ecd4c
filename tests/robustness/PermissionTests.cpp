// A save into a folder the user may not write is refused with the reason,
// and nothing changes on disk (a read-only file: tests/core/SafeSaveTests).
#include "SaveFaultHelpers.h"

#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr auto kReadOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
constexpr auto kReadAndEnter = kReadOnly | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
constexpr auto kEveryoneReadWrite = kReadOnly | fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

// The file may be written by everybody, but its folder by nobody: a save
// that wrote in place would succeed, a save through a new file must not.
// Root may write into any folder, so as root the save runs as "nobody".
TEST(LockedFolderTest, saveOrSaveAsInAFolderWithoutWritePermissionIsRefusedAndChangesNothing)
{
    SaveScene scene(GameOfPlayers(1500));
    // "nobody" may be unable to enter the build folder (a build under /root),
    // so the save runs a copy of the driver from the test's own folder.
    const auto driver = scene.dir / "orbek_save_driver";
    fs::copy_file(ORBEK_SAVE_DRIVER, driver);
    fs::permissions(driver, kReadAndEnter);
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
        options.argv[0] = driver.string();
        ChildProcess child(options);
        const auto result = child.Wait();
        if (options.runAsUser && !result.startError.empty())
            GTEST_SKIP() << "\"nobody\" cannot run the save driver from the temporary folder " << driver << ": "
                         << result.startError;
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
