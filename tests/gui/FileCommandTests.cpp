// Open, Save, Save As, dropped files and closing, with the unsaved-data
// question and the failures of each.
#include "GuiTestSupport.h"

#include "player/CPlayerAttributesView.h"
#include "shell/CMainFrame.h"
#include "shell/COrbekApp.h"
#include "shell/Commands.h"
#include "tree/CTeamView.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

using guitest::Editor;
using Answer = IMessageService::Answer;
using Kind = ScriptedMessageService::Kind;

namespace {

const QString kSaveQuestion = QStringLiteral("Data in the current file has been modifed. Do you want to save the data?");
const QString kOpenFilter
    = QStringLiteral("ICC Save Files (*.CAP)|*.CAP|ICC Database Files (*.DB)|*.DB|All Files (*.*)|*.*|");
const QString kSaveFilter
    = QStringLiteral("ICC Database Files (*.DB)|*.DB|ICC Save Files (*.CAP)|*.CAP|All Files (*.*)|*.*|");

// An editor with a loaded game and a second game beside it.
struct LoadedEditor
{
    Editor editor;
    QString first;
    QString second;
    QByteArray firstBytes;

    LoadedEditor()
    {
        first = guitest::WriteGame(guitest::SmallGame(3, 30, 1), editor.files.path(), QStringLiteral("FIRST.CAP"));
        second = guitest::WriteGame(guitest::SmallGame(2, 20, 2), editor.files.path(), QStringLiteral("SECOND.CAP"));
        firstBytes = guitest::FileBytes(first);
    }
    bool Start() { return editor.Start({first}); }
    // An edit: the first player of team 1 leaves his team.
    void Edit()
    {
        const std::uint32_t player = editor.App().Game().m_teams[1]->m_squad[0];
        editor.App().MovePlayer(player, 1, kNoTeam, false);
    }
    bool Modified() { return editor.App().Game().m_bModified != 0; }
    QString Caption() { return editor.Frame().windowTitle(); }
};

void MakeReadOnly(const QString& path)
{
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

} // namespace

class FileCommandTests : public QObject
{
    Q_OBJECT

private slots:
    void openShowsTheDialogWithCapFilesFirstAndLoadsTheChoice();
    void openWithChangesAnsweredYesSavesBeforeLoading();
    void openWithChangesAnsweredNoDiscardsThemWithoutWriting();
    void cancellingTheOpenDialogAfterYesKeepsTheSavedFileLoaded();
    void aFailedOpenReportsEmptiesTheViewsAndCaptionsNothing();
    void aFailedSaveAtTheQuestionStopsTheOpen();
    void saveWritesTheFileAndClearsEveryMark();
    void aFailedSaveShowsTheCoreMessageAndKeepsTheChanges();
    void saveAsWritesTheNewFileAndTakesItsName();
    void aFailedSaveAsKeepsTheOldFileAndCaption();
    void droppingThreeFilesLoadsOnlyTheFirst();
    void droppingOnUnsavedChangesAsksFirst();
    void closingWithoutChangesAsksNothing();
    void closingWithChangesAnsweredNoWritesNothing();
    void closingWithChangesAnsweredYesSaves();
    void aFailedSaveAtCloseKeepsTheWindowOpen();
};

void FileCommandTests::openShowsTheDialogWithCapFilesFirstAndLoadsTheChoice()
{
    LoadedEditor t;
    QVERIFY(t.Start());
    t.editor.messages.openFiles = {t.second};
    t.editor.Action(Command::kOpen).trigger();
    const auto dialogs = t.editor.messages.Of(Kind::OpenFile);
    QCOMPARE(dialogs.size(), 1u);
    QCOMPARE(dialogs[0].text, QStringLiteral("Open"));
    QCOMPARE(dialogs[0].start, t.first);
    QCOMPARE(dialogs[0].filter, kOpenFilter);
    QCOMPARE(t.editor.App().GameFilePath(), t.second);
    QCOMPARE(t.Caption(), t.second + QStringLiteral(" - Orbek"));
    QCOMPARE(t.editor.Tree().Tree()->topLevelItemCount(), 3);
    QVERIFY(t.editor.messages.MessageTexts().isEmpty());
}

void FileCommandTests::openWithChangesAnsweredYesSavesBeforeLoading()
{
    LoadedEditor t;
    QVERIFY(t.Start());
    t.Edit();
    t.editor.messages.answers = {Answer::Yes};
    t.editor.messages.openFiles = {t.second};
    t.editor.Action(Command::kOpen).trigger();
    QCOMPARE(t.editor.messages.MessageTexts(), QStringList{kSaveQuestion});
    QCOMPARE(t.editor.messages.requests[0].buttons, IMessageService::Buttons::YesNo);
    QVERIFY(guitest::FileBytes(t.first) != t.firstBytes);
    QCOMPARE(t.editor.App().GameFilePath(), t.second);
    QVERIFY(!t.Modified());
}

void FileCommandTests::openWithChangesAnsweredNoDiscardsThemWithoutWriting()
{
    LoadedEditor t;
    QVERIFY(t.Start());
    t.Edit();
    t.editor.messages.answers = {Answer::No};
    t.editor.messages.openFiles = {t.second};
    t.editor.Action(Command::kOpen).trigger();
    QCOMPARE(guitest::FileBytes(t.first), t.firstBytes);
    QCOMPARE(t.editor.App().GameFilePath(), t.second);
    QVERIFY(!t.Modified());
    QVERIFY(!t.editor.Action(Command::kSave).isEnabled());
}

void FileCommandTests::cancellingTheOpenDialogAfterYesKeepsTheSavedFileLoaded()
{
    LoadedEditor t;
    QVERIFY(t.Start());
    t.Edit();
    t.editor.messages.answers = {Answer::Yes};
    t.editor.messages.openFiles = {QString()};
    t.editor.Action(Command::kOpen).trigger();
    QVERIFY(guitest::FileBytes(t.first) != t.firstBytes);
    QCOMPARE(t.editor.App().GameFilePath(), t.first);
    QCOMPARE(t.Caption(), t.first + QStringLiteral(" - Orbek"));
    QVERIFY(!t.Modified());
    QCOMPARE(t.editor.Tree().Tree()->topLevelItemCount(), 4);
}

void FileCommandTests::aFailedOpenReportsEmptiesTheViewsAndCaptionsNothing()
{
    LoadedEditor t;
    QVERIFY(t.Start());
    t.editor.Select(t.editor.Tree().Tree()->topLevelItem(0)->child(0));
    QVERIFY(t.editor.App().PlayerForm()->CurrentPlayer() > 0);
    const QString broken = QDir(t.editor.files.path()).filePath(QStringLiteral("BROKEN.DB"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(200, 'x'));
    file.close();

    t.editor.messages.openFiles = {broken};
    t.editor.Action(Command::kOpen).trigger();
    QCOMPARE(t.editor.messages.MessageTexts(), QStringList{QStringLiteral("Error reading database")});
    QCOMPARE(t.Caption(), QStringLiteral(" - Orbek"));
    QVERIFY(t.editor.App().GameFilePath().isEmpty());
    QCOMPARE(t.editor.Tree().Tree()->topLevelItemCount(), 0);
    QCOMPARE(t.editor.App().PlayerForm()->CurrentPlayer(), 0);
    QCOMPARE(t.editor.App().Game().m_nCurPlayer, -1);
    QVERIFY(!t.editor.App().PlayerForm()->isEnabled());
    QVERIFY(!t.editor.Action(Command::kSaveAs).isEnabled());
}

void FileCommandTests::aFailedSaveAtTheQuestionStopsTheOpen()
{
    LoadedEditor t;
    QVERIFY(t.Start());
    t.Edit();
    MakeReadOnly(t.first);
    t.editor.messages.answers = {Answer::Yes};
    t.editor.Action(Command::kOpen).trigger();
    // The question, then the writer's report; no file dialog.
    const QStringList texts = t.editor.messages.MessageTexts();
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts[0], kSaveQuestion);
    QVERIFY(texts[1].startsWith(QStringLiteral("Cannot save \"") + t.first + '"'));
    QVERIFY(t.editor.messages.Of(Kind::OpenFile).empty());
    QCOMPARE(t.editor.App().GameFilePath(), t.first);
    QVERIFY(t.Modified());
}

void FileCommandTests::saveWritesTheFileAndClearsEveryMark()
{
    LoadedEditor t;
    QVERIFY(t.Start());
    QTreeWidgetItem* node = t.editor.Tree().Tree()->topLevelItem(1)->child(0);
    const std::uint32_t id = CTeamView::ItemData(node);
    t.editor.Select(node);
    t.editor.App().Game().MarkPlayerModified(id);
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

void FileCommandTests::aFailedSaveShowsTheCoreMessageAndKeepsTheChanges()
{
    LoadedEditor t;
    QVERIFY(t.Start());
    t.Edit();
    MakeReadOnly(t.first);
    t.editor.Action(Command::kSave).trigger();
    QCOMPARE(t.editor.messages.requests.size(), 1u);
    QVERIFY(t.editor.messages.requests[0].text.startsWith(QStringLiteral("Cannot save \"") + t.first + '"'));
    QCOMPARE(t.editor.messages.requests[0].buttons, IMessageService::Buttons::Ok);
    QVERIFY(t.Modified());
    QCOMPARE(guitest::FileBytes(t.first), t.firstBytes);
}

void FileCommandTests::saveAsWritesTheNewFileAndTakesItsName()
{
    LoadedEditor t;
    QVERIFY(t.Start());
    t.Edit();
    const QString typed = QDir(t.editor.files.path()).filePath(QStringLiteral("COPY"));
    t.editor.messages.saveFiles = {typed};
    t.editor.Action(Command::kSaveAs).trigger();
    const auto dialogs = t.editor.messages.Of(Kind::SaveFile);
    QCOMPARE(dialogs.size(), 1u);
    QCOMPARE(dialogs[0].text, QStringLiteral("Save As"));
    QCOMPARE(dialogs[0].start, t.first);
    QCOMPARE(dialogs[0].filter, kSaveFilter);
    // A name without an extension gets the database extension.
    const QString written = typed + QStringLiteral(".DB");
    QVERIFY(QFile::exists(written));
    QCOMPARE(t.editor.App().GameFilePath(), written);
    QCOMPARE(t.Caption(), written + QStringLiteral(" - Orbek"));
    QCOMPARE(guitest::FileBytes(t.first), t.firstBytes);
    QVERIFY(!t.Modified());
}

void FileCommandTests::aFailedSaveAsKeepsTheOldFileAndCaption()
{
    LoadedEditor t;
    QVERIFY(t.Start());
    t.Edit();
    t.editor.messages.saveFiles = {QDir(t.editor.files.path()).filePath(QStringLiteral("no/such/folder/X.DB"))};
    t.editor.Action(Command::kSaveAs).trigger();
    QCOMPARE(t.editor.messages.MessageTexts().size(), 1);
    QCOMPARE(t.editor.App().GameFilePath(), t.first);
    QCOMPARE(t.Caption(), t.first + QStringLiteral(" - Orbek"));
    QVERIFY(t.Modified());
}

void FileCommandTests::droppingThreeFilesLoadsOnlyTheFirst()
{
    LoadedEditor t;
    QVERIFY(t.editor.Start());
    const QString third = guitest::WriteGame(guitest::SmallGame(4, 40, 3), t.editor.files.path(), QStringLiteral("THIRD.DB"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(t.second), QUrl::fromLocalFile(t.first), QUrl::fromLocalFile(third)});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&t.editor.Frame(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&t.editor.Frame(), &drop);
    QTRY_COMPARE(t.editor.App().GameFilePath(), t.second);
    QCOMPARE(t.Caption(), t.second + QStringLiteral(" - Orbek"));
    // Two teams and "Others": the second game, not the first or the third.
    QCOMPARE(t.editor.Tree().Tree()->topLevelItemCount(), 3);
    QVERIFY(t.editor.messages.requests.empty());
}

void FileCommandTests::droppingOnUnsavedChangesAsksFirst()
{
    LoadedEditor t;
    QVERIFY(t.Start());
    t.Edit();
    t.editor.messages.answers = {Answer::No};
    t.editor.Frame().OnDropFiles({t.second});
    QCOMPARE(t.editor.messages.MessageTexts(), QStringList{kSaveQuestion});
    QCOMPARE(guitest::FileBytes(t.first), t.firstBytes);
    QCOMPARE(t.editor.App().GameFilePath(), t.second);

    // Yes with a save that fails keeps the file and its edits.
    t.Edit();
    MakeReadOnly(t.second);
    const QByteArray secondBytes = guitest::FileBytes(t.second);
    t.editor.messages.answers = {Answer::Yes};
    t.editor.Frame().OnDropFiles({t.first});
    QCOMPARE(t.editor.App().GameFilePath(), t.second);
    QVERIFY(t.Modified());
    QCOMPARE(guitest::FileBytes(t.second), secondBytes);
}

void FileCommandTests::closingWithoutChangesAsksNothing()
{
    LoadedEditor t;
    QVERIFY(t.Start());
    QVERIFY(t.editor.Frame().close());
    QVERIFY(t.editor.messages.requests.empty());
    QCOMPARE(t.editor.config.PlacementValue(QStringLiteral("Show")), 1);
}

void FileCommandTests::closingWithChangesAnsweredNoWritesNothing()
{
    LoadedEditor t;
    QVERIFY(t.Start());
    t.Edit();
    t.editor.messages.answers = {Answer::No};
    QVERIFY(t.editor.Frame().close());
    QCOMPARE(t.editor.messages.MessageTexts(), QStringList{kSaveQuestion});
    QCOMPARE(guitest::FileBytes(t.first), t.firstBytes);
}

void FileCommandTests::closingWithChangesAnsweredYesSaves()
{
    LoadedEditor t;
    QVERIFY(t.Start());
    t.Edit();
    t.editor.messages.answers = {Answer::Yes};
    QVERIFY(t.editor.Frame().close());
    QVERIFY(guitest::FileBytes(t.first) != t.firstBytes);
    QCOMPARE(t.editor.config.PlacementValue(QStringLiteral("Show")), 1);
}

void FileCommandTests::aFailedSaveAtCloseKeepsTheWindowOpen()
{
    LoadedEditor t;
    QVERIFY(t.Start());
    t.Edit();
    MakeReadOnly(t.first);
    t.editor.messages.answers = {Answer::Yes};
    QVERIFY(!t.editor.Frame().close());
    QVERIFY(t.editor.Frame().isVisible());
    QVERIFY(t.Modified());
    // The placement is written only when the window really closes.
    QCOMPARE(t.editor.config.PlacementValue(QStringLiteral("Show")), -12345);
}

QTEST_MAIN(FileCommandTests)
#include "FileCommandTests.moc"
