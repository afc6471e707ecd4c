// A save into a folder the user may not write, or whose backup cannot be
// written, is refused with the reason, and nothing changes on disk (a
// read-only file: tests/core/SafeSaveTests).
#include "SaveFaultHelpers.h"

#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr auto kReadOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
constexpr auto kReadAndEnter = kReadOnly | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
constexpr auto kEveryoneReadWrite = kReadOnly | fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

// Runs the save driver with `args` as a user the folders' permissions
// bind: root may write into any folder, so as root it runs as "nobody",
// from a copy in the test's own folder ("nobody" may be unable to enter the
// build folder, a build under /root). Empty, or why the test cannot run.
std::string RunAsOrdinaryUser(SaveScene& scene, std::vector<std::string> args, ChildResult& result)
{
    const auto driver = scene.dir / "orbek_save_driver";
    if (!fs::exists(driver))
        fs::copy_file(ORBEK_SAVE_DRIVER, driver);
    fs::permissions(driver, kReadAndEnter);
    fs::permissions(scene.dir.Path(), kReadAndEnter);
    ChildOptions options;
    if (::geteuid() == 0) {
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody)
            return "the tests run as root and there is no user \"nobody\" to run the save as";
        options.runAsUser = nobody->pw_uid;
        options.runAsGroup = nobody->pw_gid;
    }
    args[0] = driver.string();
    options.argv = std::move(args);
    ChildProcess child(options);
    result = child.Wait();
    if (options.runAsUser && !result.startError.empty())
        return "\"nobody\" cannot run the save driver from the temporary folder " + driver.string() + ": " + result.startError;
    return {};
}

// The file may be written by everybody, but its folder by nobody: a save
// that wrote in place would succeed, a save through a new file must not.
TEST(LockedFolderTest, saveOrSaveAsInAFolderWithoutWritePermissionIsRefusedAndChangesNothing)
{
    SaveScene scene(GameOfPlayers(1500));
    fs::permissions(scene.path, kEveryoneReadWrite);
    fs::permissions(scene.folder, kReadAndEnter);
    const auto copy = scene.folder / "NEW.CAP";
    for (const auto& target : {fs::path(), copy}) {
        SCOPED_TRACE(target.empty() ? "save" : "save as");
        ChildResult result;
        if (const std::string skip = RunAsOrdinaryUser(scene, SaveArgs(scene.path, target), result); !skip.empty())
            GTEST_SKIP() << skip;
        EXPECT_TRUE(FailedWith(result, (target.empty() ? scene.path : target).string(), "Permission denied"));
        if (target.empty()) {
            EXPECT_NE(result.err.find("no temporary file can be created"), std::string::npos) << result.err;
        }
        EXPECT_FALSE(fs::exists(copy));
        EXPECT_TRUE(HoldsBytes(scene.path, scene.before));
        EXPECT_TRUE(NoTemporaryFiles(scene.folder));
    }
}

// The game's folder may be written, the backups folder may not: the save
// must not go ahead without its backup.
TEST(LockedFolderTest, aSaveWhoseBackupsFolderMayNotBeWrittenIsRefusedAndChangesNothing)
{
    SaveScene scene(GameOfPlayers(300));
    fs::permissions(scene.path, kEveryoneReadWrite);
    fs::permissions(scene.folder, kEveryoneReadWrite | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec);
    const auto backups = scene.dir / "backups";
    fs::create_directory(backups);
    fs::permissions(backups, kReadAndEnter);
    auto args = SaveArgs(scene.path);
    args.insert(args.begin() + 1, {"--backups", backups.string()});
    ChildResult result;
    if (const std::string skip = RunAsOrdinaryUser(scene, args, result); !skip.empty())
        GTEST_SKIP() << skip;
    EXPECT_TRUE(FailedWith(result, scene.path.string(), "Permission denied"));
    EXPECT_NE(result.err.find(backups.string()), std::string::npos) << result.err;
    EXPECT_TRUE(HoldsBytes(scene.path, scene.before));
    EXPECT_TRUE(NoTemporaryFiles(scene.folder));
    EXPECT_TRUE(fs::is_empty(backups));
}

} // namespace
