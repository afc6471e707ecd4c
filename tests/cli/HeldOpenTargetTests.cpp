// A game another program holds open without letting it be replaced (an
// editor, a virus scanner) on Windows: the save fails with the system's
// reason and leaves the file and its folder as they were.
#include "CliTestSupport.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

TEST(HeldOpenTarget, ASaveThatCannotReplaceTheFileSaysWhyAndChangesNothing)
{
#ifdef _WIN32
    GameFile file(StandardGame());
    // Readers and writers are let in, so loading and the writability check
    // pass; only the final replacement needs the sharing this handle denies.
    HANDLE held = CreateFileW(
        file.path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const CliRun run = RunExe({"set", file.Path(), std::to_string(FirstFreePlayer(file.description)), "salary=777"});
    CloseHandle(held);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.err, "could not replace it (")) << run.err;
    // The system's words, not the C library's guess for every failure.
    EXPECT_FALSE(Contains(run.err, "Permission denied")) << run.err;
    EXPECT_EQ(file.Bytes(), file.built.bytes);
    EXPECT_EQ(file.dir.FileNames(), std::vector<std::string>{"GAME.CAP"}) << "a temporary file was left behind";
#else
    GTEST_SKIP() << "POSIX replaces a file by rename even while other programs hold it open";
#endif
}

} // namespace
