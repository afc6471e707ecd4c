// File > Restore Backup: the backups and what each differs in, the unsaved-data
// question, the restore itself, Open Folder, and backups that cannot be chosen.
#include "GuiTestSupport.h"

#include "extras/UrlOpener.h"
#include "gamedata/Backups.h"
#include "shell/CRestoreBackupDlg.h"
#include "shell/Commands.h"
#include "shell/EditorPreferences.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QUrl>

using guitest::Editor;
using Answer = IMessageService::Answer;
using Reply = ScriptedMessageService::Reply;

namespace {

const QString kSaveQuestion = QStringLiteral("Data in the current file has been modifed. Do you want to save the data?");

// What the dialog showed, and the address Open Folder asked for.
struct Shown
{
    QStringList rows; // column 2, or the one text of a row that spans
    bool restoreAtFirst = true;
    bool restoreOnceChosen = false;
    QString openedAddress;
};

// Once the dialog opens: records it, clicks Open Folder when it may, selects
// row `choose` and clicks Restore (a dialog left open is closed).
std::shared_ptr<int> WhenRestoreOpens(Shown& shown, int choose)
{
    return guitest::WhenModalOpens<CRestoreBackupDlg>([&shown, choose](CRestoreBackupDlg& dialog) {
        QTreeWidget* list = dialog.List();
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            shown.rows << list->topLevelItem(i)->text(list->topLevelItem(i)->isFirstColumnSpanned() ? 0 : 2);
        auto* restore = dialog.findChild<QPushButton*>(QStringLiteral("buttonRestore"));
        shown.restoreAtFirst = restore->isEnabled();
        if (auto* open = dialog.findChild<QPushButton*>(QStringLiteral("buttonOpenFolder")); open->isEnabled()) {
            SetUrlOpener([&shown](const QString& address, int) {
                shown.openedAddress = address;
                return kUrlOpened;
            });
            open->click();
            SetUrlOpener({});
        }
        list->setCurrentItem(list->topLevelItem(choose));
        shown.restoreOnceChosen = restore->isEnabled();
        QTest::mouseClick(restore, Qt::LeftButton);
    });
}

std::vector<Backups::Entry> BackupsOf(const QString& path)
{
    return Backups::List(path.toStdString(), {});
}

} // namespace

class RestoreBackupTests : public QObject
{
    Q_OBJECT

private slots:
    void theBackupsAreNewestFirstAndRestoreAsksFirstThenPutsTheChosenOneBack_data()
    {
        QTest::addColumn<QString>("answer"); // to the save question
        QTest::addColumn<int>("keep"); // backups per file
        QTest::newRow("Escape keeps everything") << "Escape" << 20;
        QTest::newRow("No restores, the edits go") << "No" << 20;
        QTest::newRow("Yes saves, then restores") << "Yes" << 20;
        QTest::newRow("Yes restores even when the save prunes the chosen backup") << "Yes" << 2;
    }

    void theBackupsAreNewestFirstAndRestoreAsksFirstThenPutsTheChosenOneBack()
    {
        QFETCH(QString, answer);
        QFETCH(int, keep);
        Editor editor;
        EditorPreferences preferences;
        preferences.SetBackupsToKeep(keep);
        // The moves below leave First XI places to the players moved out (ToolsTests).
        preferences.SetCheckBeforeSave(false);
        preferences.Write();
        QVERIFY(editor.StartOn(guitest::SmallGame()));
        const QString path = editor.gameFile;
        const QByteArray original = guitest::FileBytes(path);
        const auto squad = editor.Game().Team(1)->m_squad; // a copy: the moves change it
        const auto moveOut = [&](std::size_t i) { QVERIFY(editor.App().MovePlayer(squad[i], 1, kNoTeam, false)); };
        // Two saves with a backup each (the first after a load makes one), then an unsaved edit.
        for (std::size_t i : {0, 1}) {
            moveOut(i);
            editor.Action(Command::kSave).trigger();
            QVERIFY(editor.App().LoadGameFile(path));
        }
        const QByteArray saved = guitest::FileBytes(path);
        moveOut(2);
        QCOMPARE(BackupsOf(path).size(), 2u);

        Shown shown;
        editor.messages.answers = {answer == QLatin1String("Escape") ? Reply::Escape()
                                       : Reply(answer == QLatin1String("Yes") ? Answer::Yes : Answer::No)};
        const auto opened = WhenRestoreOpens(shown, 1);
        editor.Action(Command::kRestoreBackup).trigger();

        QCOMPARE(*opened, 1);
        // The newest backup holds the first move; the loaded game all three.
        QCOMPARE(shown.rows, (QStringList{"2 players, 1 team", "3 players, 1 team"}));
        QVERIFY(!shown.restoreAtFirst && shown.restoreOnceChosen);
        const QString folder = QFileInfo(QString::fromStdString(BackupsOf(path).front().path)).absolutePath();
        QCOMPARE(QUrl(shown.openedAddress).toLocalFile(), folder);
        QCOMPARE(editor.messages.MessageTexts(), QStringList{kSaveQuestion});

        const bool restored = answer != QLatin1String("Escape");
        QCOMPARE(guitest::FileBytes(path), restored ? original : saved);
        QCOMPARE(editor.App().Document().IsModified(), !restored);
        QCOMPARE(editor.Game().Player(squad[0])->Team(), restored ? std::uint16_t(1) : kNoTeam);
        QCOMPARE(editor.Frame().windowTitle(), path + QStringLiteral(" - Orbek"));
        // Yes: the save backs up the file as loaded, the restore the saved one.
        QCOMPARE(BackupsOf(path).size(), std::min<std::size_t>(keep, answer == QLatin1String("Yes") ? 4u : restored ? 3u : 2u));
        QDir(folder).removeRecursively();
    }

    void noBackupsSaySoAndOneThatDoesNotLoadCannotBeChosen()
    {
        Editor editor;
        QVERIFY(editor.StartOn(guitest::SmallGame()));
        const QString path = editor.gameFile;
        Shown empty;
        WhenRestoreOpens(empty, 0);
        editor.Action(Command::kRestoreBackup).trigger();
        QCOMPARE(empty.rows, QStringList{"There are no backups of this file."});
        QVERIFY(!empty.restoreAtFirst && !empty.restoreOnceChosen && empty.openedAddress.isEmpty());

        QVERIFY(Backups::BackUp(path.toStdString(), {}));
        const QString broken = QString::fromStdString(BackupsOf(path).front().path);
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(QByteArray(100, 'x')) == 100);
        file.close();
        Shown unreadable;
        WhenRestoreOpens(unreadable, 0);
        editor.Action(Command::kRestoreBackup).trigger();
        QCOMPARE(unreadable.rows.size(), 1);
        QVERIFY2(unreadable.rows[0].startsWith(QStringLiteral("Does not load: ")) && !unreadable.rows[0].contains(broken),
            qPrintable(unreadable.rows[0]));
        QVERIFY(!unreadable.restoreOnceChosen);
        QVERIFY(editor.messages.MessageTexts().isEmpty());
        QDir(QFileInfo(broken).absolutePath()).removeRecursively();
    }
};

QTEST_MAIN(RestoreBackupTests)
#include "RestoreBackupTests.moc"
