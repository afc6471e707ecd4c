// The process killed outright at any moment of a save: afterwards the game
// file is the old file or the new one, byte for byte, never a mixture or a
// truncated file. A killed save may leave its temporary file (a killed
// process cannot clean up); counting them shows the kills landed mid-write.
#include "SaveFaultHelpers.h"

#include <chrono>
#include <csignal>
#include <random>
#include <thread>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kKillsWanted = 200;

TEST(KillDuringSaveTest, theFileIsAlwaysTheOldOrTheNewOneWhenASaveIsKilled)
{
    // Several MiB: a save takes long enough for kills to land in every phase.
    SaveScene scene(GameOfPlayers(5000, 23));
    const auto oldBytes = scene.before;

    // Undisturbed saves give the new bytes and the time a save takes: the
    // fastest of three, as one slow start on a busy machine would put most
    // kills after the end of the save.
    auto saveTime = std::chrono::microseconds::max();
    for (int i = 0; i < 3; ++i) {
        tg::WriteFileBytes(scene.path, oldBytes);
        const auto start = Clock::now();
        const auto first = ChildProcess({.argv = SaveArgs(scene.path)}).Wait();
        ASSERT_TRUE(first.exited && first.exitStatus == 0) << Describe(first);
        saveTime = std::min(saveTime, std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start));
    }
    const auto newBytes = FileBytes(scene.path);
    ASSERT_NE(newBytes, oldBytes);

    const auto seed = std::random_device{}();
    RecordProperty("seed", std::to_string(seed));
    std::mt19937 rng(seed);
    std::uniform_int_distribution<long> delay(0, saveTime.count() * 11 / 10); // the whole run and a little beyond

    int killed = 0, finished = 0, leftOld = 0, leftNew = 0, leftTemporary = 0;
    for (int run = 0; killed < kKillsWanted && run < 4 * kKillsWanted; ++run) {
        tg::WriteFileBytes(scene.path, oldBytes);
        const auto wait = std::chrono::microseconds(delay(rng));
        ChildProcess child({.argv = SaveArgs(scene.path)});
        std::this_thread::sleep_for(wait);
        const bool endedFirst = child.HasEnded();
        child.Kill(SIGKILL);
        const auto result = child.Wait();
        if (endedFirst || result.exited) {
            ++finished;
            ASSERT_TRUE(result.exited && result.exitStatus == 0) << "run " << run << ": " << Describe(result);
        } else {
            ++killed;
        }

        const auto now = FileBytes(scene.path);
        leftOld += now == oldBytes;
        leftNew += now == newBytes;
        ASSERT_TRUE(now == oldBytes || now == newBytes) << "run " << run << " (seed " << seed << ", kill after "
            << wait.count() << " us): the file is neither the old nor the new one (" << now.size() << " bytes)";
        const auto temporaries = TemporaryFiles(scene.folder);
        leftTemporary += !temporaries.empty();
        for (const auto& file : temporaries)
            fs::remove(file);
    }

    EXPECT_GE(killed, kKillsWanted) << "too many saves finished before the kill came";
    EXPECT_GE(leftTemporary, kKillsWanted / 10) << "only " << leftTemporary << " kills came while the temporary file existed";
    std::cout << "save takes " << saveTime.count() << " us; " << killed << " kills, " << finished
              << " finished first; file left old " << leftOld << ", new " << leftNew << "; killed while writing "
              << leftTemporary << "\n";
}

} // namespace
