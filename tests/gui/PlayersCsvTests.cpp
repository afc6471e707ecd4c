// File > Export Players and Import Players through the main window: the
// export is the core's CSV of every player or of the table's filtered rows;
// an edited file is previewed, applied as one step that undoes and redoes to
// the exact bytes, and a bad file changes nothing.
#include "GuiTestSupport.h"

#include "document/CGameDocument.h"
#include "gamedata/PlayersCsv.h"
#include "gamedata/RecordDiff.h"
#include "GameFileBuilder.h"
#include "player/CImportPlayersDlg.h"
#include "playerstable/CPlayersPanel.h"
#include "shell/Commands.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using guitest::Editor;
using guitest::FileBytes;
using Answer = IMessageService::Answer;

namespace {

void WriteText(const QString& path, const std::string& text)
{
    testgame::WriteFileBytes(path.toStdString(), std::vector<std::uint8_t>(text.begin(), text.end()));
}

// What the preview showed: its summary, its rows (cells joined by "|") and
// whether Apply was offered; answered with the button named `button`.
struct Preview
{
    QString summary;
    QStringList rows;
    bool canApply = false;
};

Preview Import(Editor& editor, const QString& path, const char* button)
{
    auto preview = std::make_shared<Preview>();
    guitest::WhenModalOpens<CImportPlayersDlg>([preview, button](CImportPlayersDlg& dialog) {
        preview->summary = dialog.findChild<QLabel*>(QStringLiteral("labelSummary"))->text();
        QTreeWidget* list = dialog.Errors()->isVisibleTo(&dialog) ? dialog.Errors() : dialog.Changes();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QStringList cells;
            for (int c = 0; c < list->columnCount(); ++c)
                cells << list->topLevelItem(i)->text(c);
            preview->rows << cells.join(u'|');
        }
        preview->rows.sort();
        preview->canApply = dialog.findChild<QPushButton*>(QStringLiteral("buttonApply"))->isVisibleTo(&dialog);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    });
    editor.messages.openFiles = {path};
    editor.Action(Command::kImportPlayers).trigger();
    return *preview;
}

QByteArray SavedBytes(Editor& editor)
{
    editor.Action(Command::kSave).trigger();
    return FileBytes(editor.gameFile);
}

} // namespace

class PlayersCsvTests : public QObject
{
    Q_OBJECT

private slots:
    void exportWritesTheFormsEditAndEveryPlayerOrOnlyTheFilteredRows()
    {
        testgame::GameDescription game = guitest::SmallGame(3, 30, 21);
        game.players[0].SetNames("Ann", "Quixley");
        game.players[5].SetNames("Bob", "Quixote");
        Editor editor;
        QVERIFY(editor.StartOn(game));
        // A name typed in the form and not committed yet is exported.
        editor.Select(game.players[2].id);
        editor.Retype("editFamilyName", QStringLiteral("Uncommitted"));
        const QString csvPath = editor.files.filePath(QStringLiteral("DATABASE.csv"));
        editor.messages.saveFiles = {editor.files.filePath(QStringLiteral("DATABASE"))};
        editor.Action(Command::kExportPlayers).trigger();
        const QByteArray written = FileBytes(csvPath);
        QCOMPARE(written, QByteArray::fromStdString(PlayersCsv::Export(editor.Game())));
        QVERIFY(written.contains(",Uncommitted,"));

        // The table filtered to two players: the export asks whether only those.
        editor.Action(Command::kPlayersTable).trigger();
        CPlayersPanel& panel = *editor.Frame().PlayersPanel();
        panel.findChild<QLineEdit*>(QStringLiteral("playersFilterText"))->setText(QStringLiteral("Quix"));
        const QString filteredPath = editor.files.filePath(QStringLiteral("TWO.csv"));
        editor.messages.Clear();
        editor.messages.answers = {Answer::Yes};
        editor.messages.saveFiles = {filteredPath};
        editor.Action(Command::kExportPlayers).trigger();
        QCOMPARE(editor.messages.MessageTexts(), QStringList{QStringLiteral(
            "The table shows 2 of %1 players. Export only these 2 players?").arg(game.players.size())});
        const QList<quint32> shown = panel.VisiblePlayerIds();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(FileBytes(filteredPath), QByteArray::fromStdString(PlayersCsv::Export(editor.Game(), {shown.begin(), shown.end()})));

        // A file that cannot be written is reported.
        editor.messages.Clear();
        editor.messages.answers = {Answer::No};
        editor.messages.saveFiles = {editor.files.filePath(QStringLiteral("missing/X.csv"))};
        editor.Action(Command::kExportPlayers).trigger();
        QVERIFY(editor.messages.MessageTexts().value(1).startsWith(QStringLiteral("Cannot save \"")));
    }

    void aFileIsPreviewedAndAppliedAsOneStepThatUndoesAndRedoesExactlyAndABadOneChangesNothing()
    {
        testgame::GameDescription game = guitest::SmallGame(3, 30, 22);
        testgame::PlayerDescription& a = game.players[1];
        a.SetContract(2);
        Editor editor;
        QVERIFY(editor.StartOn(game));
        const QByteArray loaded = FileBytes(editor.gameFile);
        const QString aName = QString::fromStdString(RecordDiff::IdAndName(editor.Player(a.id)));
        const QString path = editor.files.filePath(QStringLiteral("edited.csv"));
        WriteText(path, "id,family_name,contract\r\n" + std::to_string(a.id) + ",\"O'Neil; Jr\",7\r\n");

        const Preview cancelled = Import(editor, path, "buttonCancel");
        QCOMPARE(cancelled.summary, QStringLiteral("2 changes to 1 player"));
        QCOMPARE(cancelled.rows, (QStringList{aName + "|contract|2|7",
            aName + "|family_name|" + CGameDocument::GameText(a.familyName) + "|O'Neil; Jr"}));
        QVERIFY(cancelled.canApply);
        QVERIFY(!editor.Game().IsModified() && editor.App().Document().History().count() == 0);

        Import(editor, path, "buttonApply");
        QCOMPARE(editor.App().Document().History().count(), 1);
        a.SetNames(a.givenNames, "O'Neil; Jr").SetContract(7);
        const auto built = testgame::Build(game).bytes;
        const QByteArray imported(reinterpret_cast<const char*>(built.data()), static_cast<qsizetype>(built.size()));
        QCOMPARE(SavedBytes(editor), imported);
        editor.Action(Command::kUndo).trigger();
        QCOMPARE(SavedBytes(editor), loaded);
        editor.Action(Command::kRedo).trigger();
        QCOMPARE(SavedBytes(editor), imported);

        // Bad cells are listed and nothing can be applied; a missing file is
        // reported, found by its name with the extension.
        WriteText(path, "id,salary\r\n" + std::to_string(a.id) + ",lots\r\n9999,1\r\n");
        const Preview errors = Import(editor, path, "buttonCancel");
        QCOMPARE(errors.summary, QStringLiteral("Nothing can be imported: the file has 2 errors."));
        QCOMPARE(errors.rows.size(), 2);
        QVERIFY(errors.rows[0].startsWith(QStringLiteral("2|2 (salary)|")));
        QCOMPARE(errors.rows[1], QStringLiteral("3|1 (id)|the file has no player with the id \"9999\""));
        QVERIFY(!errors.canApply);
        editor.messages.Clear();
        editor.messages.openFiles = {editor.files.filePath(QStringLiteral("missing"))};
        editor.Action(Command::kImportPlayers).trigger();
        QCOMPARE(editor.messages.MessageTexts().size(), 1);
        QVERIFY(editor.messages.MessageTexts()[0].startsWith(
            QStringLiteral("Cannot open \"%1\": ").arg(editor.files.filePath(QStringLiteral("missing.csv")))));
        QVERIFY(!editor.App().Document().IsModified() && editor.App().Document().History().count() == 1);
    }
};

QTEST_MAIN(PlayersCsvTests)
#include "PlayersCsvTests.moc"
