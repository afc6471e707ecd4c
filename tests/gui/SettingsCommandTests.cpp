// The File menu's recent files (order, repeats, limit, next start, a file gone,
// unsaved data) and Edit > Preferences (OK, Cancel, game folder, damaged values).
#include "GuiTestSupport.h"

#include "services/WindowPlacement.h"
#include "shell/CPreferencesDlg.h"
#include "shell/Commands.h"
#include "shell/EditorPreferences.h"
#include "shell/ProfileIni.h"
#include "gamedata/Backups.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using guitest::Editor;
using Answer = IMessageService::Answer;
using Reply = ScriptedMessageService::Reply;

namespace {

const QString kSaveQuestion = QStringLiteral("Data in the current file has been modifed. Do you want to save the data?");
const QStringList kFileCommands = {"&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "&Restore Backup...", "-",
    "&Export Players...", "&Import Players...", "-"};

// The File menu as it opens: visible entries, separators as "-".
QStringList FileMenu(CMainFrame& frame)
{
    auto* menu = frame.findChild<QMenu*>(QStringLiteral("menuFile"));
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction* action : menu->actions())
        if (action->isVisible())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

// The File menu with these recent files ("&" of a path doubled) numbered 1, 2, ...
QStringList WithRecent(const QStringList& paths)
{
    QStringList texts = kFileCommands;
    for (qsizetype i = 0; i < paths.size(); ++i)
        texts << QStringLiteral("&%1 ").arg(i + 1) + paths[i];
    return texts << (paths.isEmpty() ? QStringList{} : QStringList{"-"}) << QStringLiteral("E&xit");
}

// The first player of the first team leaves it.
void Edit(Editor& editor)
{
    QTreeWidgetItem* team = editor.Tree().Tree()->topLevelItem(0);
    QVERIFY(editor.App().MovePlayer(CTeamView::ItemData(team->child(0)), CTeamView::ItemData(team) - CTeamView::kTeamDataBase,
        kNoTeam, false));
}

} // namespace

class SettingsCommandTests : public QObject
{
    Q_OBJECT

private slots:
    void recentFilesAreNewestFirstListedOnceAtMostFourAndKeptForTheNextStart()
    {
        Editor editor;
        const QString folder = editor.files.path() + '/';
        for (const char* name : {"A.DB", "B.CAP", "C.DB", "E.CAP"})
            guitest::WriteGame(guitest::SmallGame(), folder, QString::fromLatin1(name));
        QFile broken(folder + "BROKEN.DB");
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write(QByteArray(200, 'x')) == 200);
        broken.close();
        QVERIFY(editor.Start());
        QCOMPARE(FileMenu(editor.Frame()), WithRecent({}));

        editor.Frame().OnDropFiles({folder + "A.DB"});
        editor.messages.openFiles = {folder + "B.CAP", folder + "C.DB", folder + "E.CAP", broken.fileName()};
        editor.Action(Command::kOpen).trigger();
        editor.Action(Command::kOpen).trigger();
        editor.messages.saveFiles = {folder + "R&D.DB"};
        editor.Action(Command::kSaveAs).trigger();
        QCOMPARE(FileMenu(editor.Frame()),
            WithRecent({folder + "R&&D.DB", folder + "C.DB", folder + "B.CAP", folder + "A.DB"}));
        editor.Action(Command::kOpen).trigger(); // E.CAP: A.DB drops off
        editor.Action(Command::kOpen).trigger(); // a file that fails to load is not listed
        editor.Action(Command::kRecentFile1 + 2).trigger(); // C.DB again
        const QStringList expected = WithRecent({folder + "C.DB", folder + "E.CAP", folder + "R&&D.DB", folder + "B.CAP"});
        QCOMPARE(FileMenu(editor.Frame()), expected);
        QCOMPARE(editor.App().GameFilePath(), folder + "C.DB");

        ScriptedMessageService messages;
        COrbekApp next;
        QVERIFY(next.InitInstance({}));
        QCOMPARE(FileMenu(*next.MainFrame()), expected);
    }

    void aChosenRecentFileAsksAboutUnsavedDataFirstOrLeavesTheListWhenItIsGone_data()
    {
        QTest::addColumn<bool>("gone");
        QTest::addColumn<QString>("answer"); // to the save question
        QTest::newRow("No opens") << false << "No";
        QTest::newRow("Escape keeps the file and the edits") << false << "Escape";
        QTest::newRow("gone: no question, the edits stay") << true << "";
    }

    void aChosenRecentFileAsksAboutUnsavedDataFirstOrLeavesTheListWhenItIsGone()
    {
        QFETCH(bool, gone);
        QFETCH(QString, answer);
        Editor editor;
        QVERIFY(editor.StartOn(guitest::SmallGame(), QStringLiteral("FIRST.DB")));
        const QString first = editor.gameFile;
        const QString second = guitest::WriteGame(guitest::SmallGame(2, 20, 2), editor.files.path(), QStringLiteral("SECOND.CAP"));
        editor.messages.openFiles = {second};
        editor.Action(Command::kOpen).trigger();
        Edit(editor);
        if (gone)
            QVERIFY(QFile::remove(first));
        editor.messages.answers = {answer == QLatin1String("Escape") ? Reply::Escape() : Reply(Answer::No)};
        editor.Action(Command::kRecentFile1 + 1).trigger();

        const bool opened = !gone && answer != QLatin1String("Escape");
        QStringList asked;
        if (!gone)
            asked << kSaveQuestion;
        if (gone)
            asked << QStringLiteral("The file \"%1\" no longer exists. It has been removed from the list of recent files.")
                         .arg(QDir::toNativeSeparators(first));
        QCOMPARE(editor.messages.MessageTexts(), asked);
        QCOMPARE(editor.Frame().windowTitle(), (opened ? first : second) + QStringLiteral(" - Orbek"));
        QCOMPARE(editor.App().Document().IsModified(), !opened);
        QCOMPARE(FileMenu(editor.Frame()),
            WithRecent(gone ? QStringList{second} : opened ? QStringList{first, second} : QStringList{second, first}));
    }

    void preferencesOkStoresCancelDiscardsAndDamagedValuesReadAsAllowed_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }

    void preferencesOkStoresCancelDiscardsAndDamagedValuesReadAsAllowed()
    {
        QFETCH(bool, ok);
        Editor editor;
        QVERIFY(editor.Start());
        const QString oldFolder = editor.App().Document().GameFolder();
        // Values damaged by hand read as the default or the nearest allowed.
        QSettings settings = WindowPlacement::Profile();
        settings.setValue(QStringLiteral("Preferences/BackupsToKeep"), QStringLiteral("many"));
        settings.setValue(QStringLiteral("Preferences/RecoverySeconds"), 5);
        settings.sync();
        QTemporaryDir newFolder;
        editor.messages.folders = {newFolder.path()};

        QVariantList shown;
        const auto opened = guitest::WhenModalOpens<CPreferencesDlg>([&](CPreferencesDlg& dialog) {
            auto* backups = dialog.findChild<QCheckBox*>(QStringLiteral("checkMakeBackups"));
            auto* keep = dialog.findChild<QSpinBox*>(QStringLiteral("spinBackupsToKeep"));
            auto* seconds = dialog.findChild<QSpinBox*>(QStringLiteral("spinRecoverySeconds"));
            auto* folder = dialog.findChild<QLineEdit*>(QStringLiteral("editGameFolder"));
            shown << dialog.windowTitle() << backups->isChecked() << keep->value() << seconds->value() << folder->text();
            seconds->setValue(600);
            backups->click();
            shown << keep->isEnabled();
            dialog.findChild<QPushButton*>(QStringLiteral("buttonBrowse"))->click();
            shown << folder->text();
            dialog.findChild<QDialogButtonBox*>()->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        });
        editor.Action(Command::kPreferences).trigger();

        QCOMPARE(*opened, 1);
        const QString chosen = QDir::toNativeSeparators(newFolder.path());
        QCOMPARE(shown, (QVariantList{"Preferences", true, 20, 10, oldFolder, false, chosen}));
        QCOMPARE(editor.messages.Of(ScriptedMessageService::Kind::Folder).at(0).start, oldFolder);
        EditorPreferences stored;
        stored.SetMakeBackups(!ok);
        stored.SetRecoverySeconds(ok ? 600 : 10);
        QVERIFY(EditorPreferences::Read() == stored);
        QCOMPARE(editor.App().Document().GameFolder(), ok ? chosen : oldFolder);
        QCOMPARE(ProfileIni::GetString(editor.config.IniPath(), QStringLiteral("Orbek"), QStringLiteral("ICC Folder")),
            ok ? chosen : oldFolder);
    }

    // With the preference on a save makes a backup (RestoreBackupTests).
    void aSaveMakesNoBackupWhenThePreferenceIsOff()
    {
        Editor editor;
        EditorPreferences preferences;
        preferences.SetMakeBackups(false);
        preferences.SetCheckBeforeSave(false); // the move below leaves a First XI place to the player moved out
        preferences.Write();
        QVERIFY(editor.StartOn(guitest::SmallGame()));
        Edit(editor);
        editor.Action(Command::kSave).trigger();
        QVERIFY(!editor.App().Document().IsModified());
        QVERIFY(Backups::List(editor.gameFile.toStdString(), {}).empty());
    }
};

QTEST_MAIN(SettingsCommandTests)
#include "SettingsCommandTests.moc"
