// Open, Save, Save As, dropped files and closing, with the unsaved-data
// question and the failures of each.
#include "GuiTestSupport.h"

#include "player/CPlayerAttributesView.h"
#include "shell/Commands.h"

#include <QAction>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>

using Answer = IMessageService::Answer;
using Kind = ScriptedMessageService::Kind;

namespace {

const QString kSaveQuestion = QStringLiteral("Data in the current file has been modifed. Do you want to save the data?");

// The editor on a first game, with two more games beside it.
struct LoadedEditor
{
    guitest::Editor editor;
    QString first = guitest::WriteGame(guitest::SmallGame(3, 30, 1), editor.files.path(), QStringLiteral("FIRST.CAP"));
    QString second = guitest::WriteGame(guitest::SmallGame(2, 20, 2), editor.files.path(), QStringLiteral("SECOND.CAP"));
    QString third = guitest::WriteGame(guitest::SmallGame(4, 40, 3), editor.files.path(), QStringLiteral("THIRD.DB"));
    QByteArray firstBytes = guitest::FileBytes(first);

    bool Start() { return editor.Start({first}); }
    // An edit: the first player of team 1 leaves his team.
    void Edit() { editor.App().MovePlayer(editor.Game().m_teams[1]->m_squad[0], 1, kNoTeam, false); }
    bool Modified() { return editor.Game().m_bModified != 0; }
    QString Caption() { return editor.Frame().windowTitle(); }
    bool FirstWritten() { return guitest::FileBytes(first) != firstBytes; }
    void MakeFirstReadOnly() { QFile::setPermissions(first, QFileDevice::ReadOwner | QFileDevice::ReadGroup); }

    // "open" (the dialog answers `chosen`), "drop" (of `chosen`, the first
    // and the third game together) or "close". False when the window
    // refused to close or the drop was refused.
    bool Perform(const QString& command, const QString& chosen)
    {
        if (command == QLatin1String("close"))
            return editor.Frame().close();
        if (command == QLatin1String("open")) {
            editor.messages.openFiles = {chosen};
            editor.Action(Command::kOpen).trigger();
            return true;
        }
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(chosen), QUrl::fromLocalFile(first), QUrl::fromLocalFile(third)});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&editor.Frame(), &enter);
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&editor.Frame(), &drop);
        QCoreApplication::processEvents(); // the drop is handled once it has finished
        return enter.isAccepted();
    }
};

} // namespace

class FileCommandTests : public QObject
{
    Q_OBJECT

private slots:
    void unsavedChangesAreAskedAboutBeforeOpenDropAndClose_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("cancelDialog");
        QTest::newRow("open unchanged asks nothing") << "open" << false << false << false;
        QTest::newRow("open, Yes saves first") << "open" << true << true << false;
        QTest::newRow("open, No discards") << "open" << true << false << false;
        QTest::newRow("open, Yes, dialog cancelled keeps the saved file") << "open" << true << true << true;
        QTest::newRow("drop of three unchanged loads the first") << "drop" << false << false << false;
        QTest::newRow("drop of three, No discards") << "drop" << true << false << false;
        QTest::newRow("close unchanged asks nothing") << "close" << false << false << false;
        QTest::newRow("close, No writes nothing") << "close" << true << false << false;
        QTest::newRow("close, Yes saves") << "close" << true << true << false;
    }

    void unsavedChangesAreAskedAboutBeforeOpenDropAndClose()
    {
        QFETCH(QString, command);
        QFETCH(bool, edited);
        QFETCH(bool, yes);
        QFETCH(bool, cancelDialog);
        LoadedEditor t;
        QVERIFY(t.Start());
        if (edited)
            t.Edit();
        t.editor.messages.answers = {yes ? Answer::Yes : Answer::No};
        QVERIFY(t.Perform(command, cancelDialog ? QString() : t.second));

        QCOMPARE(t.editor.messages.MessageTexts(), edited ? QStringList{kSaveQuestion} : QStringList{});
        if (edited)
            QCOMPARE(t.editor.messages.requests[0].buttons, IMessageService::Buttons::YesNo);
        QCOMPARE(t.FirstWritten(), edited && yes);
        if (command == QLatin1String("open")) {
            const auto dialogs = t.editor.messages.Of(Kind::OpenFile);
            QCOMPARE(dialogs.size(), 1u);
            QCOMPARE(dialogs[0].text, QStringLiteral("Open"));
            QCOMPARE(dialogs[0].start, t.first);
            QCOMPARE(dialogs[0].filter,
                QStringLiteral("ICC Save Files (*.CAP)|*.CAP|ICC Database Files (*.DB)|*.DB|All Files (*.*)|*.*|"));
        }
        if (command == QLatin1String("close")) {
            QCOMPARE(t.editor.config.PlacementValue(QStringLiteral("Show")), 1);
            return;
        }
        const QString loaded = cancelDialog ? t.first : t.second;
        QCOMPARE(t.editor.App().GameFilePath(), loaded);
        QCOMPARE(t.Caption(), loaded + QStringLiteral(" - Orbek"));
        QCOMPARE(t.editor.Tree().Tree()->topLevelItemCount(), cancelDialog ? 4 : 3); // teams and "Others"
        QVERIFY(!t.Modified());
        QVERIFY(!t.editor.Action(Command::kSave).isEnabled());
    }

    void aFailedSaveAtTheQuestionStopsOpenDropAndClose_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("open") << "open";
        QTest::newRow("drop") << "drop";
        QTest::newRow("close") << "close";
    }

    void aFailedSaveAtTheQuestionStopsOpenDropAndClose()
    {
        QFETCH(QString, command);
        LoadedEditor t;
        QVERIFY(t.Start());
        t.Edit();
        t.MakeFirstReadOnly();
        t.editor.messages.answers = {Answer::Yes};
        // The window stays open; Open shows no file dialog.
        QCOMPARE(t.Perform(command, t.second), command != QLatin1String("close"));
        QVERIFY(t.editor.Frame().isVisible());
        QVERIFY(t.editor.messages.Of(Kind::OpenFile).empty());
        // The question, then the writer's report.
        const QStringList texts = t.editor.messages.MessageTexts();
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts[0], kSaveQuestion);
        QVERIFY(texts[1].startsWith(QStringLiteral("Cannot save \"") + t.first + '"'));
        // The user keeps the loaded file and the edits.
        QCOMPARE(t.editor.App().GameFilePath(), t.first);
        QVERIFY(t.Modified());
        QVERIFY(!t.FirstWritten());
        // The placement is written only when the window really closes.
        QCOMPARE(t.editor.config.PlacementValue(QStringLiteral("Show")), -12345);
    }

    void aFailedOpenReportsEmptiesTheViewsAndCaptionsNothing()
    {
        LoadedEditor t;
        QVERIFY(t.Start());
        t.editor.Select(t.editor.Tree().Tree()->topLevelItem(0)->child(0));
        QVERIFY(t.editor.App().PlayerForm()->CurrentPlayer() > 0);
        QFile broken(t.editor.files.filePath(QStringLiteral("BROKEN.DB")));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write(QByteArray(200, 'x')) == 200);
        broken.close();

        t.Perform(QStringLiteral("open"), broken.fileName());
        QCOMPARE(t.editor.messages.MessageTexts(), QStringList{QStringLiteral("Error reading database")});
        QCOMPARE(t.Caption(), QStringLiteral(" - Orbek"));
        QVERIFY(t.editor.App().GameFilePath().isEmpty());
        QCOMPARE(t.editor.Tree().Tree()->topLevelItemCount(), 0);
        QCOMPARE(t.editor.App().PlayerForm()->CurrentPlayer(), 0);
        QCOMPARE(t.editor.Game().m_nCurPlayer, -1);
        QVERIFY(!t.editor.App().PlayerForm()->isEnabled());
        QVERIFY(!t.editor.Action(Command::kSaveAs).isEnabled());
    }

    void saveWritesTheFileAndClearsEveryMark()
    {
        LoadedEditor t;
        QVERIFY(t.Start());
        QTreeWidgetItem* node = t.editor.Tree().Tree()->topLevelItem(1)->child(0);
        const std::uint32_t id = CTeamView::ItemData(node);
        t.editor.Select(node);
        t.editor.Game().MarkPlayerModified(id);
        t.editor.App().OnIdle();
        QVERIFY(node->text(0).endsWith('*'));
        QVERIFY(t.editor.Action(Command::kSave).isEnabled());

        t.editor.Action(Command::kSave).trigger();
        QVERIFY(t.editor.messages.requests.empty());
        QVERIFY(!t.Modified());
        QVERIFY(!node->text(0).endsWith('*'));
        QVERIFY(!t.editor.Action(Command::kSave).isEnabled());
        // Save keeps the caption and the player shown.
        QCOMPARE(t.Caption(), t.first + QStringLiteral(" - Orbek"));
        QCOMPARE(t.editor.App().PlayerForm()->CurrentPlayer(), static_cast<int>(id));
    }

    void saveAsTakesTheNewNameOnlyWhenWrittenAndAFailedSaveKeepsTheChanges_data()
    {
        QTest::addColumn<bool>("saveAs");
        QTest::addColumn<QString>("typed"); // in the game folder
        QTest::addColumn<QString>("written"); // empty: the save fails
        QTest::newRow("Save As adds the database extension") << true << "COPY" << "COPY.DB";
        QTest::newRow("Save As into a missing folder") << true << "no/such/folder/X.DB" << "";
        QTest::newRow("Save over a read-only file") << false << "" << "";
    }

    void saveAsTakesTheNewNameOnlyWhenWrittenAndAFailedSaveKeepsTheChanges()
    {
        QFETCH(bool, saveAs);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        LoadedEditor t;
        QVERIFY(t.Start());
        t.Edit();
        const QString target = saveAs ? t.editor.files.filePath(typed) : t.first;
        t.editor.messages.saveFiles = {target};
        if (!saveAs)
            t.MakeFirstReadOnly();
        t.editor.Action(saveAs ? Command::kSaveAs : Command::kSave).trigger();
        const auto dialogs = t.editor.messages.Of(Kind::SaveFile);
        QCOMPARE(dialogs.size(), saveAs ? 1u : 0u);
        if (saveAs) {
            QCOMPARE(dialogs[0].text, QStringLiteral("Save As"));
            QCOMPARE(dialogs[0].start, t.first);
            QCOMPARE(dialogs[0].filter,
                QStringLiteral("ICC Database Files (*.DB)|*.DB|ICC Save Files (*.CAP)|*.CAP|All Files (*.*)|*.*|"));
        }
        QVERIFY(!t.FirstWritten());
        const QString path = written.isEmpty() ? t.first : t.editor.files.filePath(written);
        QCOMPARE(t.editor.App().GameFilePath(), path);
        QCOMPARE(t.Caption(), path + QStringLiteral(" - Orbek"));
        QCOMPARE(t.Modified(), written.isEmpty());
        if (!written.isEmpty())
            QVERIFY(QFile::exists(path) && t.editor.messages.requests.size() == 1u);
        else {
            const auto boxes = t.editor.messages.Of(Kind::Message);
            QCOMPARE(boxes.size(), 1u);
            QVERIFY(boxes[0].text.startsWith(QStringLiteral("Cannot save \"") + target + '"'));
            QCOMPARE(boxes[0].buttons, IMessageService::Buttons::Ok);
        }
    }
};

QTEST_MAIN(FileCommandTests)
#include "FileCommandTests.moc"
