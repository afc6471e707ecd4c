// The process killed outright at any moment of a save: afterwards the game
// file is the old file or the new one, byte for byte, never a mixture or a
// truncated file. Killed saves may leave their temporary file behind (a
// killed process cannot clean up); the tests count them to show that the
// kills did land while the file was being written.
#include "SaveFaultHelpers.h"

#include <csignal>
#include <chrono>
#include <random>
#include <thread>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kKillsWanted = 200;

// A file of several MiB: a save of it takes long enough that kills land in
// every phase (reading, writing the blocks, flushing, renaming).
tg::GameDescription LargeGame()
{
    return GameOfPlayers(5000, 23);
}

struct Outcomes
{
    int killed = 0;        // runs the kill interrupted
    int finished = 0;      // runs that ended before the kill came
    int leftOld = 0;
    int leftNew = 0;
    int leftTemporary = 0; // killed while the temporary file existed
};

TEST(KillDuringSaveTest, theFileIsAlwaysTheOldOrTheNewOneWhenASaveIsKilled)
{
    SaveScene scene(LargeGame());
    const auto oldBytes = scene.before;

    // One undisturbed save gives the new bytes and the time a save takes.
    const auto start = Clock::now();
    {
        ChildProcess child({.argv = SaveArgs(scene.path)});
        const auto result = child.Wait();
        ASSERT_TRUE(result.exited && result.exitStatus == 0) << Describe(result);
    }
    const auto saveTime = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    const auto newBytes = FileBytes(scene.path);
    ASSERT_NE(newBytes, oldBytes);

    const auto seed = std::random_device{}();
    RecordProperty("seed", std::to_string(seed));
    std::mt19937 rng(seed);
    // Uniform over the whole run and a little beyond it.
    std::uniform_int_distribution<long> delay(0, saveTime.count() * 11 / 10);

    Outcomes outcomes;
    for (int run = 0; outcomes.killed < kKillsWanted && run < 4 * kKillsWanted; ++run) {
        tg::WriteFileBytes(scene.path, oldBytes);
        const auto wait = std::chrono::microseconds(delay(rng));
        ChildProcess child({.argv = SaveArgs(scene.path), .captureOutput = false});
        std::this_thread::sleep_for(wait);
        const bool endedFirst = child.HasEnded();
        child.Kill(SIGKILL);
        const auto result = child.Wait();
        if (endedFirst || result.exited) {
            ++outcomes.finished;
            ASSERT_TRUE(result.exited && result.exitStatus == 0) << "run " << run << ": " << Describe(result);
        } else {
            ++outcomes.killed;
        }

        const auto now = FileBytes(scene.path);
        if (now == oldBytes)
            ++outcomes.leftOld;
        else if (now == newBytes)
            ++outcomes.leftNew;
        else
            FAIL() << "run " << run << " (seed " << seed << ", kill after " << wait.count()
                   << " us): the file is neither the old nor the new one (" << now.size() << " bytes)";

        const auto temporaries = TemporaryFiles(scene.folder);
        if (!temporaries.empty())
            ++outcomes.leftTemporary;
        for (const auto& file : temporaries)
            fs::remove(file);
    }

    RecordProperty("killed", outcomes.killed);
    RecordProperty("leftNew", outcomes.leftNew);
    RecordProperty("leftTemporary", outcomes.leftTemporary);
    EXPECT_GE(outcomes.killed, kKillsWanted) << "too many saves finished before the kill came";
    // A good share of the kills must have hit the writing itself.
    EXPECT_GE(outcomes.leftTemporary, kKillsWanted / 10)
        << outcomes.leftTemporary << " of " << outcomes.killed << " kills came while the temporary file existed";
    std::cout << "save takes " << saveTime.count() << " us; " << outcomes.killed << " kills, " << outcomes.finished
              << " finished first; file left old " << outcomes.leftOld << ", new " << outcomes.leftNew
              << "; killed while writing " << outcomes.leftTemporary << "\n";
}

} // namespace
