// Start-up: the game folder in "Orbek.INI", a file on the command line, and
// the window placement saved at close and restored at the next start.
#include "GuiTestSupport.h"

#include "player/CPlayerAttributesView.h"
#include "shell/CMainFrame.h"
#include "shell/COrbekApp.h"
#include "tree/CTeamView.h"

#include <QDir>
#include <QTest>
#include <QTreeWidget>

using guitest::Editor;
using Kind = ScriptedMessageService::Kind;

namespace {
const QString kFolderQuestion
    = QStringLiteral("Cannot locate ICC folder in the Registry. Do you want to select it yourself?");
}

class StartupTests : public QObject
{
    Q_OBJECT

private slots:
    void firstStartAsksForTheFolderAndTheNextStartRemembersIt();
    void answeringNoOrCancellingTheBrowserRemembersNothing();
    void aRememberedFolderIsReadWithoutAQuestion();
    void startWithoutAFileShowsNothingLoaded();
    void aFileOnTheCommandLineLoadsAfterTheFolderQuestion();
    void aCommandLineFileThatDoesNotLoadLeavesTheCaption();
    void aCommandLineFileThatCannotBeOpenedEndsTheProgram();
    void closingSavesThePlacementAndTheNextStartRestoresIt();
    void aWindowClosedMaximisedComesBackMaximised();
    void showWithoutSidesStartsAtTheOriginWithTheMinimumSize();
    void sidesWithoutShowAreIgnored();
};

void StartupTests::firstStartAsksForTheFolderAndTheNextStartRemembersIt()
{
    QTemporaryDir gameFolder;
    {
        Editor editor(false);
        editor.messages.answers = {IMessageService::Answer::Yes};
        editor.messages.folders = {gameFolder.path()};
        QVERIFY(editor.Start());

        const auto asked = editor.messages.requests;
        QCOMPARE(asked.size(), 2u);
        QCOMPARE(asked[0].kind, Kind::Message);
        QCOMPARE(asked[0].text, kFolderQuestion);
        QCOMPARE(asked[0].buttons, IMessageService::Buttons::YesNo);
        QCOMPARE(asked[0].icon, IMessageService::Icon::Question);
        QCOMPARE(asked[1].kind, Kind::Folder);
        QCOMPARE(asked[1].text, QStringLiteral("Select ICC Folder"));
        // No drive letters here: the browser opens on the home folder.
        QCOMPARE(asked[1].start, QDir::homePath());
        QCOMPARE(editor.App().m_strGameFolder, gameFolder.path());
        QVERIFY(editor.config.ReadIni().contains(QStringLiteral("[Orbek]")));
        QVERIFY(editor.config.ReadIni().contains(QStringLiteral("ICC Folder=") + gameFolder.path()));
        QVERIFY(editor.messages.unscripted.isEmpty());

        // The same configuration folder at the next start: no question.
        COrbekApp again;
        ScriptedMessageService quiet;
        QVERIFY(again.InitInstance({}));
        QVERIFY(quiet.requests.empty());
        QCOMPARE(again.m_strGameFolder, gameFolder.path());
    }
}

void StartupTests::answeringNoOrCancellingTheBrowserRemembersNothing()
{
    {
        Editor editor(false);
        editor.messages.answers = {IMessageService::Answer::No};
        QVERIFY(editor.Start());
        QCOMPARE(editor.messages.requests.size(), 1u);
        QVERIFY(editor.App().m_strGameFolder.isEmpty());
        QVERIFY(!QFile::exists(editor.config.IniPath()));
    }
    {
        Editor editor(false);
        editor.messages.answers = {IMessageService::Answer::Yes};
        editor.messages.folders = {QString()};
        QVERIFY(editor.Start());
        QCOMPARE(editor.messages.Of(Kind::Folder).size(), 1u);
        QVERIFY(editor.App().m_strGameFolder.isEmpty());
        QVERIFY(!QFile::exists(editor.config.IniPath()));
    }
}

void StartupTests::aRememberedFolderIsReadWithoutAQuestion()
{
    Editor editor(false);
    const QString longPath = QStringLiteral("/games/") + QString(300, QLatin1Char('x'));
    editor.config.WriteIni(QStringLiteral("; written by hand\r\n[Other]\r\nICC Folder=/wrong\r\n\r\n[orbek]\r\nicc folder = %1\r\n")
                               .arg(longPath));
    QVERIFY(editor.Start());
    QVERIFY(editor.messages.requests.empty());
    // Section and key match in any case; a value is cut to 255 characters.
    QCOMPARE(editor.App().m_strGameFolder, longPath.left(255));
}

void StartupTests::startWithoutAFileShowsNothingLoaded()
{
    Editor editor;
    QVERIFY(editor.Start());
    QVERIFY(editor.messages.requests.empty());
    QVERIFY(editor.Frame().isVisible());
    QCOMPARE(editor.Frame().windowTitle(), QStringLiteral("Untitled - Orbek"));
    QCOMPARE(editor.Tree().Tree()->topLevelItemCount(), 0);
    QCOMPARE(editor.App().Game().m_nCurPlayer, -1);
    QVERIFY(!editor.App().PlayerForm()->isEnabled());
    QVERIFY(editor.Frame().acceptDrops());
}

void StartupTests::aFileOnTheCommandLineLoadsAfterTheFolderQuestion()
{
    Editor editor(false);
    const QString path = guitest::WriteGame(guitest::SmallGame(), editor.files.path());
    editor.messages.answers = {IMessageService::Answer::No};
    QVERIFY(editor.Start({path}));
    QCOMPARE(editor.messages.MessageTexts(), QStringList{kFolderQuestion});
    QCOMPARE(editor.App().GameFilePath(), path);
    QCOMPARE(editor.Frame().windowTitle(), path + QStringLiteral(" - Orbek"));
    // Three teams and "Others".
    QCOMPARE(editor.Tree().Tree()->topLevelItemCount(), 4);
    QVERIFY(!editor.App().PlayerForm()->isEnabled());
}

void StartupTests::aCommandLineFileThatDoesNotLoadLeavesTheCaption()
{
    Editor editor(false);
    const QString path = QDir(editor.files.path()).filePath(QStringLiteral("NOTAGAME.CAP"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("this file holds no player list");
    file.close();
    editor.messages.answers = {IMessageService::Answer::No};
    QVERIFY(editor.Start({path}));
    // The folder question comes first, then the loader's report.
    QCOMPARE(editor.messages.MessageTexts(), (QStringList{kFolderQuestion, QStringLiteral("Error reading database")}));
    QCOMPARE(editor.messages.requests[1].buttons, IMessageService::Buttons::Ok);
    QCOMPARE(editor.Frame().windowTitle(), QStringLiteral("Untitled - Orbek"));
    QVERIFY(editor.App().GameFilePath().isEmpty());
    QCOMPARE(editor.Tree().Tree()->topLevelItemCount(), 0);
}

void StartupTests::aCommandLineFileThatCannotBeOpenedEndsTheProgram()
{
    Editor editor(false);
    const QString missing = QDir(editor.files.path()).filePath(QStringLiteral("MISSING.DB"));
    QVERIFY(!editor.Start({missing}));
    QCOMPARE(editor.messages.requests.size(), 1u);
    QVERIFY(editor.messages.requests[0].text.startsWith(QStringLiteral("Cannot open \"") + missing + '"'));
    // Nothing else happened: no window and no folder question.
    QVERIFY(editor.App().MainFrame() == nullptr);
}

void StartupTests::closingSavesThePlacementAndTheNextStartRestoresIt()
{
    guitest::PrivateConfig config;
    QPoint corner;
    const QSize size(1000, 720);
    {
        COrbekApp app;
        ScriptedMessageService messages;
        QVERIFY(app.InitInstance({}));
        app.MainFrame()->move(40, 50);
        app.MainFrame()->resize(size);
        corner = app.MainFrame()->pos();
        QVERIFY(app.MainFrame()->close());
    }
    // Left and top: the frame's corner; the width and height: the window's inside.
    QCOMPARE(config.PlacementValue(QStringLiteral("Show")), 1);
    QCOMPARE(config.PlacementValue(QStringLiteral("Left")), corner.x());
    QCOMPARE(config.PlacementValue(QStringLiteral("Top")), corner.y());
    QCOMPARE(config.PlacementValue(QStringLiteral("Right")), corner.x() + size.width());
    QCOMPARE(config.PlacementValue(QStringLiteral("Bottom")), corner.y() + size.height());

    // Twice: a restored window must not creep by its frame at each start.
    for (int start = 0; start < 2; ++start) {
        COrbekApp app;
        ScriptedMessageService messages;
        QVERIFY(app.InitInstance({}));
        QCOMPARE(app.MainFrame()->pos(), corner);
        QCOMPARE(app.MainFrame()->size(), size);
        QVERIFY(!app.MainFrame()->isMaximized());
        QVERIFY(app.MainFrame()->close());
    }
}

void StartupTests::aWindowClosedMaximisedComesBackMaximised()
{
    guitest::PrivateConfig config;
    const QSize normalSize(1000, 700);
    {
        COrbekApp app;
        ScriptedMessageService messages;
        QVERIFY(app.InitInstance({}));
        app.MainFrame()->resize(normalSize);
        app.MainFrame()->showMaximized();
        QTRY_VERIFY(app.MainFrame()->isMaximized());
        QVERIFY(app.MainFrame()->close());
    }
    QCOMPARE(config.PlacementValue(QStringLiteral("Show")), 3);
    // The sides are those of the normal (restored) window.
    QCOMPARE(config.PlacementValue(QStringLiteral("Right")) - config.PlacementValue(QStringLiteral("Left")),
        normalSize.width());
    QCOMPARE(config.PlacementValue(QStringLiteral("Bottom")) - config.PlacementValue(QStringLiteral("Top")),
        normalSize.height());

    COrbekApp app;
    ScriptedMessageService messages;
    QVERIFY(app.InitInstance({}));
    QVERIFY(app.MainFrame()->windowState().testFlag(Qt::WindowMaximized));
    QCOMPARE(app.MainFrame()->normalGeometry().size(), normalSize);
}

void StartupTests::showWithoutSidesStartsAtTheOriginWithTheMinimumSize()
{
    guitest::PrivateConfig config;
    config.WritePlacement({{QStringLiteral("Show"), 1}});
    COrbekApp app;
    ScriptedMessageService messages;
    QVERIFY(app.InitInstance({}));
    const QRect geometry = app.MainFrame()->geometry();
    QCOMPARE(app.MainFrame()->pos(), QPoint(0, 0));
    // Width and height 0 were asked for; the window's minimum applies.
    QVERIFY(geometry.width() > 0);
    QVERIFY(geometry.height() > 0);
    QCOMPARE(geometry.size(), app.MainFrame()->minimumSizeHint().expandedTo(app.MainFrame()->minimumSize()));
}

void StartupTests::sidesWithoutShowAreIgnored()
{
    guitest::PrivateConfig config;
    const QRect stored(11, 12, 333, 222);
    config.WritePlacement({{QStringLiteral("Left"), stored.left()}, {QStringLiteral("Top"), stored.top()},
        {QStringLiteral("Right"), stored.right() + 1}, {QStringLiteral("Bottom"), stored.bottom() + 1}});
    COrbekApp app;
    ScriptedMessageService messages;
    QVERIFY(app.InitInstance({}));
    QVERIFY(app.MainFrame()->size() != stored.size());
    QVERIFY(app.MainFrame()->pos() != stored.topLeft());
}

QTEST_MAIN(StartupTests)
#include "StartupTests.moc"
