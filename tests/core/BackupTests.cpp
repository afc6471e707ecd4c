// Backups: a save copies the file it replaces once per load, keeps the newest
// few and refuses when no copy can be written; a restore does the same.
#include "Backups.h"
#include "CoreTestHelpers.h"

#include <algorithm>
#include <functional>
#include <iostream>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

// A game on disk, loaded and renamed (a save changes its bytes), with its own backups folder.
struct BackupScene
{
    BackupScene() : desc(TinyGame()), file(desc, "GAME.CAP")
    {
        settings.folder = (backups.Path() / "backups").string();
        EXPECT_TRUE(Loads(game, file.path));
        RenameTeam(game, desc.TeamRecords().at(0)->id, "Renamed XI");
    }
    std::vector<Backups::Entry> List(const fs::path& path) const { return Backups::List(path.string(), settings); }
    GameStatus Save(const fs::path& target = {}, bool withBackups = true)
    {
        return game.SaveGameFile(target.empty() ? std::string() : target.string(),
            withBackups ? std::optional(settings) : std::nullopt);
    }

    tg::GameDescription desc;
    GameOnDisk file;
    tg::TempDir backups;
    Backups::Settings settings;
    CGame game;
};

TEST(BackupNaming, ListingFindsOnlyTheFilesBackupsNewestFirst)
{
    tg::TempDir dir;
    const Backups::Settings settings{.folder = dir.Path().string()};
    const std::string game = (dir / "GAME.CAP").string();
    const fs::path folder = Backups::FolderFor(game, settings);
    fs::create_directories(folder);
    for (const char* name : {"GAME 2026-01-02 03-04-05.CAP", "GAME 2026-01-02 03-04-05 (2).CAP",
             "GAME 2025-12-31 23-59-59.CAP", "GAME 2026-01-02 03-04-05 (02).CAP", "GAME 2026-01-02 03-04.CAP",
             "GAME 2026-01-02 03-04-05.DB", "GAMES 2026-01-02 03-04-05.CAP", "original folder.txt"})
        tg::WriteFileBytes(folder / name, {1, 2, 3});
    std::vector<std::string> listed;
    for (const auto& entry : Backups::List(game, settings))
        listed.push_back(fs::path(entry.path).filename().string() + " " + entry.time + " " + std::to_string(entry.size));
    EXPECT_EQ(listed, (std::vector<std::string>{"GAME 2026-01-02 03-04-05 (2).CAP 2026-01-02T03:04:05 3",
                          "GAME 2026-01-02 03-04-05.CAP 2026-01-02T03:04:05 3",
                          "GAME 2025-12-31 23-59-59.CAP 2025-12-31T23:59:59 3"}));
}

TEST(BackupNaming, FilesOfOneNameInTwoFoldersKeepTheirBackupsApart)
{
    GameOnDisk first(TinyGame(1), "GAME.CAP"), second(TinyGame(2), "GAME.CAP");
    tg::TempDir dir;
    const Backups::Settings settings{.folder = dir.Path().string()};
    ASSERT_TRUE(Backups::BackUp(first.PathString(), settings));
    ASSERT_TRUE(Backups::BackUp(second.PathString(), settings));
    for (const GameOnDisk* game : {&first, &second}) {
        const auto entries = Backups::List(game->PathString(), settings);
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(tg::ReadFileBytes(entries[0].path), game->built.bytes);
    }
}

TEST(BackupOnSave, OnlyAReplacedFileThatIsNotTheGamesOwnLastSaveIsBackedUp)
{
    BackupScene scene;
    const auto other = scene.file.dir / "OTHER.CAP";
    const auto fresh = scene.file.dir / "NEW.CAP";
    const auto otherBytes = tg::Build(SmallGame()).bytes;
    tg::WriteFileBytes(other, otherBytes);
    struct Step { const char* what; fs::path target; bool backups; const fs::path* backedUp; const std::vector<std::uint8_t>* bytes; };
    const std::vector<Step> steps = {
        {"first save since the load", {}, true, &scene.file.path, &scene.file.built.bytes},
        {"second save of the same load", {}, true, nullptr, nullptr},
        {"save as to a new name", fresh, true, nullptr, nullptr},
        {"save as over another file", other, true, &other, &otherBytes},
        {"save of the file saved over", {}, true, nullptr, nullptr},
        {"save as back over the loaded file, backups off", scene.file.path, false, nullptr, nullptr},
    };
    std::size_t total = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        const auto before = step.backedUp ? scene.List(*step.backedUp).size() : 0;
        ASSERT_TRUE(scene.Save(step.target, step.backups).ok());
        if (step.backedUp) {
            const auto entries = scene.List(*step.backedUp);
            ASSERT_EQ(entries.size(), before + 1);
            EXPECT_TRUE(SameBytes(tg::ReadFileBytes(entries[0].path), *step.bytes));
            ++total;
        }
        std::size_t now = 0;
        for (const auto& path : {scene.file.path, other, fresh})
            now += scene.List(path).size();
        EXPECT_EQ(now, total);
    }
    EXPECT_EQ(scene.file.dir.FileNames(), (std::vector<std::string>{"GAME.CAP", "NEW.CAP", "OTHER.CAP"}));
}

TEST(BackupOnSave, PruningKeepsTheNewestBackups)
{
    for (const int keep : {0, 1, 3}) {
        SCOPED_TRACE("keep " + std::to_string(keep));
        BackupScene scene;
        for (int i = 0; i < 4; ++i)
            ASSERT_TRUE(Backups::BackUp(scene.file.PathString(), scene.settings));
        const auto older = scene.List(scene.file.path);
        scene.settings.keep = keep;
        ASSERT_TRUE(scene.Save().ok());
        const auto kept = scene.List(scene.file.path);
        ASSERT_EQ(kept.size(), static_cast<std::size_t>(keep));
        // With keep 0 the save makes no backup; otherwise its own is the newest.
        for (std::size_t i = 0; i < kept.size(); ++i)
            EXPECT_EQ(kept[i].path, i == 0 ? kept[0].path : older[i - 1].path);
        if (keep > 0) {
            EXPECT_TRUE(std::none_of(older.begin(), older.end(), [&](const auto& e) { return e.path == kept[0].path; }));
        }
    }
}

TEST(BackupOnSave, ASaveWhoseBackupCannotBeWrittenIsRefusedAndWritesNothing)
{
    struct Case { const char* what; std::function<void(const fs::path& backups)> prepare; const char* reason; };
    const Case cases[] = {
        {"a file where the backups folder should be", [](const fs::path& f) { tg::WriteFileBytes(f, {0}); }, ""},
#ifndef _WIN32
        {"a read-only backups folder", [](const fs::path& f) { fs::create_directories(f); fs::permissions(f, fs::perms::owner_read | fs::perms::owner_exec); },
            "Permission denied"},
#endif
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
#ifndef _WIN32
        if (std::string(c.reason) == "Permission denied" && ::geteuid() == 0) {
            std::cout << "[ SKIPPED  ] " << c.what << ": root may write into a read-only folder\n";
            continue;
        }
#endif
        BackupScene scene;
        c.prepare(scene.settings.folder);
        const auto status = scene.Save();
        ASSERT_FALSE(status.ok());
        EXPECT_TRUE(Contains(status.message(), scene.settings.folder)) << status.message();
        EXPECT_TRUE(Contains(status.message(), c.reason)) << status.message();
        EXPECT_TRUE(SameBytes(scene.file.BytesNow(), scene.file.built.bytes));
        EXPECT_EQ(scene.file.dir.FileNames(), std::vector<std::string>{"GAME.CAP"});
        EXPECT_TRUE(scene.List(scene.file.path).empty());
    }
}

TEST(BackupRestore, ARestorePutsTheBackupBackAndBacksUpTheFileItReplaces)
{
    BackupScene scene;
    ASSERT_TRUE(scene.Save().ok());
    const auto saved = scene.file.BytesNow();
    const std::string original = scene.List(scene.file.path).at(0).path;

    EXPECT_FALSE(Backups::Restore(original + ".missing", scene.file.PathString(), scene.settings).ok());
    EXPECT_TRUE(SameBytes(scene.file.BytesNow(), saved));

    ASSERT_TRUE(Backups::Restore(original, scene.file.PathString(), scene.settings).ok());
    EXPECT_TRUE(SameBytes(scene.file.BytesNow(), scene.file.built.bytes));
    const auto entries = scene.List(scene.file.path);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_TRUE(SameBytes(tg::ReadFileBytes(entries[0].path), saved));
    EXPECT_EQ(scene.file.dir.FileNames(), std::vector<std::string>{"GAME.CAP"});
}

} // namespace
