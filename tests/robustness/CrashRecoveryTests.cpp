// Crash recovery: the real editor (orbek_recovery_driver, the editor as
// main.cpp builds it) is killed with SIGKILL after its edits went into a
// recovery copy; started again on the file, it asks to recover them, and
// the recovered game saves to the bytes the edits saved directly give.
#include "SaveFaultHelpers.h"

#include <csignal>
#include <cstdlib>
#include <thread>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Settings of its own for the child editors: configuration in a fresh
// folder, data in a folder of this test inside the build tree's data folder.
class PrivateEditorHome
{
public:
    PrivateEditorHome()
    {
        const char* data = std::getenv("XDG_DATA_HOME");
        m_data = (data && *data ? fs::path(data) : m_config.Path()) / ("recovery-test-" + std::to_string(::getpid()));
        fs::create_directories(m_data);
        ::setenv("HOME", m_config.Path().c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", m_config.Path().c_str(), 1);
        ::setenv("XDG_DATA_HOME", m_data.c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    ~PrivateEditorHome()
    {
        std::error_code ignored;
        fs::remove_all(m_data, ignored);
    }
    fs::path RecoveryFolder() const { return m_data / "Orbek" / "recovery"; }

private:
    tg::TempDir m_config;
    fs::path m_data;
};

std::vector<std::string> Driver(const std::string& mode, const fs::path& game, const fs::path& target = {})
{
    std::vector<std::string> argv{ORBEK_RECOVERY_DRIVER, mode, game.string()};
    if (!target.empty())
        argv.push_back(target.string());
    return argv;
}

// The files in the recovery folder whose names end so.
std::vector<fs::path> FilesEndingIn(const fs::path& folder, const std::string& ending)
{
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->path().filename().string().ends_with(ending))
            found.push_back(it->path());
    return found;
}

TEST(CrashRecovery, EditsOfAKilledEditorAreOfferedAgainAndSaveAsTheyWouldHave)
{
    PrivateEditorHome home;
    SaveScene scene(GameOfPlayers(300));
    const fs::path expected = scene.folder / "EXPECTED.CAP";
    const ChildResult direct = RunChild(Driver("save-edits", scene.path, expected));
    ASSERT_TRUE(direct.exited && direct.exitStatus == 0) << Describe(direct);
    ASSERT_NE(FileBytes(expected), scene.before);

    {
        ChildProcess editor({Driver("edit", scene.path)});
        // The copy's description is written last: once it is there, so is the copy.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (FilesEndingIn(home.RecoveryFolder(), ".CAP.txt").empty() && !editor.HasEnded()
            && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ASSERT_FALSE(editor.HasEnded()) << Describe(editor.Wait());
        ASSERT_EQ(FilesEndingIn(home.RecoveryFolder(), ".CAP.txt").size(), 1u) << "no recovery copy within a minute";
        editor.Kill(SIGKILL);
        const ChildResult killed = editor.Wait();
        ASSERT_EQ(killed.signal, SIGKILL) << Describe(killed);
    }
    EXPECT_TRUE(HoldsBytes(scene.path, scene.before));
    EXPECT_EQ(FilesEndingIn(home.RecoveryFolder(), ".CAP").size(), 1u);

    const ChildResult recovered = RunChild(Driver("recover", scene.path));
    ASSERT_TRUE(recovered.exited && recovered.exitStatus == 0) << Describe(recovered);
    EXPECT_EQ(recovered.out,
        "Orbek was closed without saving the changes to \"" + scene.path.string() + "\". Recover them?\n");
    EXPECT_TRUE(HoldsBytes(scene.path, FileBytes(expected)));
    // Saved, the edits need no copy any more.
    EXPECT_TRUE(FilesEndingIn(home.RecoveryFolder(), "").empty());
    EXPECT_TRUE(NoTemporaryFiles(scene.folder));
}

} // namespace
