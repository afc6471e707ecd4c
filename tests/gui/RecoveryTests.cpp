// Crash recovery in the editor: opening a file that has a recovery copy
// asks to recover it. Yes brings the edits back as one undoable step with
// the "*" marks; No, a save or a close deletes the copy; a copy of another
// version of the file is reported once and kept, never applied.
#include "GuiTestSupport.h"

#include "gamedata/GameEdit.h"
#include "gamedata/Recovery.h"
#include "shell/Commands.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QtTest>

using guitest::Editor;

namespace {

using Answer = IMessageService::Answer;

// An editor whose game file has a recovery copy: one player renamed.
struct Scene
{
    Scene()
    {
        path = guitest::WriteGame(guitest::SmallGame(), editor.files.path());
        CGame edited;
        if (!edited.LoadGameFile(path.toStdString()))
            throw std::runtime_error("the game does not load");
        player = (*edited.Players().begin())->m_nId;
        GameEdit edit(edited);
        edit.Player(player)->m_strFamilyName = "Recovered";
        edit.MarkPlayerModified(player);
        edit.Commit();
        if (!Recovery::Write(edited, Recovery::DefaultFolder()))
            throw std::runtime_error("no recovery copy");
        copy = QString::fromStdString(Recovery::FilesFor(path.toStdString(), Recovery::DefaultFolder()).copy);
    }
    ~Scene() { QDir(QString::fromStdString(Recovery::DefaultFolder())).removeRecursively(); }
    QString Question() const
    {
        return QStringLiteral("Orbek was closed without saving the changes to \"%1\". Recover them?").arg(path);
    }

    Editor editor;
    QString path;
    QString copy;
    std::uint32_t player = 0;
};

} // namespace

class RecoveryTests : public QObject
{
    Q_OBJECT

private slots:
    void TheAnswerDecidesAndASaveOrACloseDeletesTheCopy_data();
    void TheAnswerDecidesAndASaveOrACloseDeletesTheCopy();
    void ACopyOfAnotherVersionIsReportedOnceAndKept();
};

void RecoveryTests::TheAnswerDecidesAndASaveOrACloseDeletesTheCopy_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("save"); // after Yes: save, else close
    QTest::newRow("No") << int(Answer::No) << false;
    QTest::newRow("Yes, then Save") << int(Answer::Yes) << true;
    QTest::newRow("Yes, then close without saving") << int(Answer::Yes) << false;
}

void RecoveryTests::TheAnswerDecidesAndASaveOrACloseDeletesTheCopy()
{
    QFETCH(int, answer);
    QFETCH(bool, save);
    Scene scene;
    const bool yes = answer == int(Answer::Yes);
    const QByteArray onDisk = guitest::FileBytes(scene.path);
    scene.editor.messages.answers.push_back(Answer(answer));
    QVERIFY(scene.editor.Start({scene.path}));
    QCOMPARE(scene.editor.messages.MessageTexts(), QStringList{scene.Question()});
    // Yes: the edit is back, marked, one step to undo; the file is untouched.
    QCOMPARE(scene.editor.Game().IsModified(), yes);
    QCOMPARE(scene.editor.Label(scene.player).startsWith(QStringLiteral("Recovered")), yes);
    QCOMPARE(scene.editor.Label(scene.player).endsWith(QLatin1Char('*')), yes);
    QCOMPARE(scene.editor.App().Document().History().count(), yes ? 1 : 0);
    QCOMPARE(guitest::FileBytes(scene.path), onDisk);
    QCOMPARE(QFile::exists(scene.copy), yes);

    if (save)
        scene.editor.Action(Command::kSave).trigger();
    else
        scene.editor.App().FreeGameData();
    QVERIFY(!QFile::exists(scene.copy));
    QVERIFY(!QFile::exists(scene.copy + QStringLiteral(".txt")));
    QCOMPARE(guitest::FileBytes(scene.path) != onDisk, save);
}

void RecoveryTests::ACopyOfAnotherVersionIsReportedOnceAndKept()
{
    Scene scene;
    const QByteArray copied = guitest::FileBytes(scene.copy);
    // Another program saved the game meanwhile: the copy was made from an older file.
    guitest::WriteGame(guitest::SmallGame(3, 30, 8), scene.editor.files.path());
    QVERIFY(scene.editor.Start({scene.path}));
    const QStringList texts = scene.editor.messages.MessageTexts();
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts[0].startsWith(QStringLiteral("Orbek was closed without saving the changes to \"%1\", but the file "
                                                "has changed since.").arg(scene.path)), qPrintable(texts[0]));
    QVERIFY(!scene.editor.Game().IsModified());
    const QString kept = texts[0].section(QLatin1Char('"'), 3, 3);
    QVERIFY2(kept != scene.copy && guitest::FileBytes(kept) == copied, qPrintable(kept));
    QVERIFY(QFile::exists(kept + QStringLiteral(".txt")));

    scene.editor.messages.Clear();
    QVERIFY(scene.editor.App().LoadGameFile(scene.path));
    QCOMPARE(scene.editor.messages.MessageTexts(), QStringList());
}

QTEST_MAIN(RecoveryTests)
#include "RecoveryTests.moc"
