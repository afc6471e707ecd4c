// Open, Save, Save As (also in Qt's own dialog), dropped files and closing,
// with the unsaved-data question and the failures of each.
#include "GuiTestSupport.h"

#include "shell/Commands.h"
#include "shell/EditorPreferences.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
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

    bool Start()
    {
        // Moving a player out of these small squads leaves his First XI place
        // to him, which the check before a save asks about (ToolsTests).
        EditorPreferences preferences = EditorPreferences::Read();
        preferences.SetCheckBeforeSave(false);
        preferences.Write();
        return editor.Start({first});
    }
    // An edit: the first player of team 1 leaves his team.
    void Edit() { editor.App().MovePlayer(editor.Game().Team(1)->m_squad[0], 1, kNoTeam, false); }
    bool Modified() { return editor.Game().IsModified(); }
    QString Caption() { return editor.Frame().windowTitle(); }
    bool FirstWritten() { return guitest::FileBytes(first) != firstBytes; }
    void MakeFirstReadOnly() { QFile::setPermissions(first, QFileDevice::ReadOwner | QFileDevice::ReadGroup); }

    // "open" (the dialog answers `chosen`), "drop" (of `chosen`, first and
    // third together) or "close"; false when the close or drop was refused.
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
    void unsavedChangesAreAskedAboutBeforeOpenDropAndCloseAndAFailedSaveOrEscapeStopsThem_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QString>("answer"); // "Yes", "No" or "Escape"
        QTest::addColumn<bool>("cancelDialog");
        QTest::addColumn<bool>("saveFails");
        QTest::newRow("open unchanged asks nothing") << "open" << false << "No" << false << false;
        QTest::newRow("open, Yes saves first") << "open" << true << "Yes" << false << false;
        QTest::newRow("open, No discards") << "open" << true << "No" << false << false;
        QTest::newRow("open, Yes, dialog cancelled keeps the saved file") << "open" << true << "Yes" << true << false;
        QTest::newRow("open, Yes, save fails") << "open" << true << "Yes" << false << true;
        QTest::newRow("open, Escape calls it off") << "open" << true << "Escape" << false << false;
        QTest::newRow("drop of three unchanged loads the first") << "drop" << false << "No" << false << false;
        QTest::newRow("drop, Yes, save fails") << "drop" << true << "Yes" << false << true;
        QTest::newRow("drop, Escape calls it off") << "drop" << true << "Escape" << false << false;
        QTest::newRow("close unchanged asks nothing") << "close" << false << "No" << false << false;
        QTest::newRow("close, No writes nothing") << "close" << true << "No" << false << false;
        QTest::newRow("close, Yes saves") << "close" << true << "Yes" << false << false;
        QTest::newRow("close, Escape calls it off") << "close" << true << "Escape" << false << false;
    }

    void unsavedChangesAreAskedAboutBeforeOpenDropAndCloseAndAFailedSaveOrEscapeStopsThem()
    {
        QFETCH(QString, command);
        QFETCH(bool, edited);
        QFETCH(QString, answer);
        QFETCH(bool, cancelDialog);
        QFETCH(bool, saveFails);
        const bool yes = answer == QLatin1String("Yes"), calledOff = saveFails || answer == QLatin1String("Escape");
        LoadedEditor t;
        QVERIFY(t.Start());
        if (edited)
            t.Edit();
        if (saveFails)
            t.MakeFirstReadOnly();
        using Reply = ScriptedMessageService::Reply;
        t.editor.messages.answers = {calledOff && !saveFails ? Reply::Escape() : Reply(yes ? Answer::Yes : Answer::No)};
        const bool closing = command == QLatin1String("close");
        QCOMPARE(t.Perform(command, cancelDialog ? QString() : t.second), !(closing && calledOff));

        const QStringList texts = t.editor.messages.MessageTexts();
        QCOMPARE(texts.size(), !edited ? 0 : saveFails ? 2 : 1);
        if (edited) {
            QCOMPARE(texts[0], kSaveQuestion);
            QCOMPARE(t.editor.messages.requests[0].buttons, IMessageService::Buttons::YesNoEscapeCancels);
        }
        if (saveFails) // the writer's report
            QVERIFY(texts[1].startsWith(QStringLiteral("Cannot save \"") + t.first + '"'));
        QCOMPARE(t.FirstWritten(), edited && yes && !saveFails);
        const auto dialogs = t.editor.messages.Of(Kind::OpenFile);
        QCOMPARE(dialogs.size(), command == QLatin1String("open") && !calledOff ? 1u : 0u);
        if (!dialogs.empty())
            QCOMPARE(dialogs[0].start, t.first);
        // The placement is written only when the window really closes.
        QCOMPARE(t.editor.config.PlacementValue(QStringLiteral("Show")), closing && !calledOff ? 1 : -12345);
        if (closing && !calledOff)
            return;
        // A failed save or an escaped question keeps the loaded file and the edits.
        const QString loaded = cancelDialog || calledOff ? t.first : t.second;
        QVERIFY(t.editor.Frame().isVisible());
        QCOMPARE(t.Caption(), loaded + QStringLiteral(" - Orbek"));
        QCOMPARE(t.editor.Tree().Tree()->topLevelItemCount(), loaded == t.first ? 4 : 3); // teams and "Others"
        QCOMPARE(t.Modified(), calledOff);
        QCOMPARE(t.editor.Action(Command::kSave).isEnabled(), calledOff);
    }

    void saveAndSaveAsWriteAndClearEveryMarkOrKeepTheChangesOnFailure_data()
    {
        QTest::addColumn<bool>("saveAs");
        QTest::addColumn<QString>("typed"); // in the game folder
        QTest::addColumn<QString>("written"); // empty: the save fails
        QTest::newRow("Save") << false << "" << "FIRST.CAP";
        QTest::newRow("Save As adds the database extension") << true << "COPY" << "COPY.DB";
        QTest::newRow("Save As asks before replacing the name with its extension") << true << "THIRD" << "THIRD.DB";
        QTest::newRow("Save As into a missing folder") << true << "no/such/folder/X.DB" << "";
        QTest::newRow("Save over a read-only file") << false << "" << "";
    }

    void saveAndSaveAsWriteAndClearEveryMarkOrKeepTheChangesOnFailure()
    {
        QFETCH(bool, saveAs);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        const bool ok = !written.isEmpty();
        LoadedEditor t;
        QVERIFY(t.Start());
        QTreeWidgetItem* node = t.editor.Tree().Tree()->topLevelItem(1)->child(0);
        const std::uint32_t id = CTeamView::ItemData(node);
        t.editor.Select(node);
        t.editor.Game().MarkPlayerModified(id);
        t.Edit();
        t.editor.App().OnIdle();
        QVERIFY(node->text(0).endsWith('*') && t.editor.Action(Command::kSave).isEnabled());
        const QString target = saveAs ? t.editor.files.filePath(typed) : t.first;
        t.editor.messages.saveFiles = {target};
        t.editor.messages.answers = {Answer::Yes};
        if (!saveAs && !ok)
            t.MakeFirstReadOnly();
        t.editor.Action(saveAs ? Command::kSaveAs : Command::kSave).trigger();

        const auto dialogs = t.editor.messages.Of(Kind::SaveFile);
        QCOMPARE(dialogs.size(), saveAs ? 1u : 0u);
        if (saveAs)
            QCOMPARE(dialogs[0].start, t.first);
        const QString path = ok ? t.editor.files.filePath(written) : t.first;
        QCOMPARE(t.FirstWritten(), ok && !saveAs);
        QVERIFY(QFile::exists(path));
        QCOMPARE(t.Caption(), path + QStringLiteral(" - Orbek"));
        QCOMPARE(t.Modified(), !ok);
        QCOMPARE(node->text(0).endsWith('*'), !ok);
        QCOMPARE(t.editor.Action(Command::kSave).isEnabled(), !ok);
        QCOMPARE(t.editor.Form().CurrentPlayer(), static_cast<int>(id)); // the player stays shown
        const auto boxes = t.editor.messages.Of(Kind::Message);
        const bool replaced = written == QLatin1String("THIRD.DB");
        QCOMPARE(boxes.size(), ok && !replaced ? 0u : 1u);
        if (replaced) {
            QCOMPARE(boxes[0].text, QStringLiteral("THIRD.DB already exists.\nDo you want to replace it?"));
            QCOMPARE(boxes[0].buttons, IMessageService::Buttons::YesNo);
        } else if (!ok) {
            QVERIFY(boxes[0].text.startsWith(QStringLiteral("Cannot save \"") + target + '"'));
            QCOMPARE(boxes[0].buttons, IMessageService::Buttons::Ok);
        }
    }

    // Qt's own dialog and box, as a user meets them.
    void saveAsInTheRealDialogAsksBeforeReplacingTheNameWithItsExtension()
    {
        LoadedEditor t;
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QVERIFY(t.Start());
        SetMessageService(nullptr); // the real box
        t.Edit();
        QString question;
        const auto typed = guitest::WhenModalOpens<QFileDialog>([&](QFileDialog& dialog) {
            guitest::WhenModalOpens<QMessageBox>([&](QMessageBox& box) {
                question = box.text();
                box.button(QMessageBox::Yes)->click();
            });
            dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("THIRD"));
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
        });
        t.editor.Action(Command::kSaveAs).trigger();
        QCOMPARE(*typed, 1);
        QCOMPARE(question, QStringLiteral("THIRD.DB already exists.\nDo you want to replace it?"));
        QCOMPARE(t.editor.App().GameFilePath(), t.third);
        QVERIFY(!t.Modified());
    }
};

QTEST_MAIN(FileCommandTests)
#include "FileCommandTests.moc"
