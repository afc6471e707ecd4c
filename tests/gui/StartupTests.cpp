// Start-up: the game folder in "Orbek.INI", a file on the command line, and
// the window placement saved at close and restored at the next start.
#include "GuiTestSupport.h"

#include "player/CPlayerAttributesView.h"

#include <QDir>
#include <QTest>

using guitest::Editor;
using Answer = IMessageService::Answer;
using Kind = ScriptedMessageService::Kind;

namespace {
const QString kFolderQuestion
    = QStringLiteral("Cannot locate ICC folder in the Registry. Do you want to select it yourself?");

// Another start on the same private configuration.
struct Restart
{
    ScriptedMessageService messages;
    COrbekApp app;
    CMainFrame& Frame() { return *app.MainFrame(); }
    QRect Placed() { return {Frame().pos(), Frame().size()}; }
};
} // namespace

class StartupTests : public QObject
{
    Q_OBJECT

private slots:
    void theGameFolderIsReadFromOrbekIniOrAskedForAndOnlyAChosenOneIsRemembered_data()
    {
        QTest::addColumn<bool>("inIni");
        QTest::addColumn<bool>("browse");
        QTest::addColumn<bool>("choose");
        QTest::newRow("remembered") << true << false << false;
        QTest::newRow("answered No") << false << false << false;
        QTest::newRow("browser cancelled") << false << true << false;
        QTest::newRow("folder chosen") << false << true << true;
    }

    void theGameFolderIsReadFromOrbekIniOrAskedForAndOnlyAChosenOneIsRemembered()
    {
        QFETCH(bool, inIni);
        QFETCH(bool, browse);
        QFETCH(bool, choose);
        QTemporaryDir gameFolder;
        const QString chosen = choose ? gameFolder.path() : QString();
        // Section and key match in any case; a value is cut to 255 characters.
        const QString longPath = QStringLiteral("/games/") + QString(300, QLatin1Char('x'));
        const QString expected = inIni ? longPath.left(255) : chosen;
        Editor editor(false);
        if (inIni)
            editor.config.WriteIni(QStringLiteral("; by hand\r\n[Other]\r\nICC Folder=/wrong\r\n\r\n[orbek]\r\nicc folder = %1\r\n")
                                       .arg(longPath));
        editor.messages.answers = {browse ? Answer::Yes : Answer::No};
        editor.messages.folders = {chosen};
        QVERIFY(editor.Start());
        const auto asked = editor.messages.requests;
        QCOMPARE(asked.size(), inIni ? 0u : browse ? 2u : 1u);
        if (!inIni) {
            QCOMPARE(asked[0].text, kFolderQuestion);
            QCOMPARE(asked[0].buttons, IMessageService::Buttons::YesNo);
            QCOMPARE(asked[0].icon, IMessageService::Icon::Question);
            const QString ini = QString::fromUtf8(guitest::FileBytes(editor.config.IniPath()));
            QCOMPARE(ini.contains(QStringLiteral("[Orbek]")), choose);
            QCOMPARE(ini.contains(QStringLiteral("ICC Folder=") + chosen), choose);
        }
        if (browse) {
            QCOMPARE(asked[1].kind, Kind::Folder);
            QCOMPARE(asked[1].text, QStringLiteral("Select ICC Folder"));
            QCOMPARE(asked[1].start, QDir::homePath()); // no drive letters here
        }
        QCOMPARE(editor.App().m_strGameFolder, expected);
        // Nothing is loaded.
        QVERIFY(editor.Frame().isVisible());
        QCOMPARE(editor.Frame().windowTitle(), QStringLiteral("Untitled - Orbek"));
        QCOMPARE(editor.Tree().Tree()->topLevelItemCount(), 0);

        Restart again;
        QVERIFY(again.app.InitInstance({}));
        QCOMPARE(again.messages.requests.size(), inIni || choose ? 0u : 1u);
        QCOMPARE(again.app.m_strGameFolder, expected);
    }

    void aCommandLineFileLoadsOrIsReportedAndOneThatCannotBeOpenedEndsTheProgram_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("a game") << "game";
        QTest::newRow("not a game") << "junk";
        QTest::newRow("missing") << "missing";
    }

    void aCommandLineFileLoadsOrIsReportedAndOneThatCannotBeOpenedEndsTheProgram()
    {
        QFETCH(QString, file);
        const bool isGame = file == "game";
        Editor editor(false);
        editor.messages.answers = {Answer::No};
        QString path = guitest::WriteGame(guitest::SmallGame(), editor.files.path());
        if (file == "junk") {
            QFile junk(path);
            QVERIFY(junk.open(QIODevice::WriteOnly | QIODevice::Truncate) && junk.write("no player list") > 0);
        } else if (file == "missing")
            path = editor.files.filePath(QStringLiteral("MISSING.DB"));
        QCOMPARE(editor.Start({path}), file != "missing");
        if (file == "missing") { // only the report: no folder question and no window
            QCOMPARE(editor.messages.requests.size(), 1u);
            QVERIFY(editor.messages.requests[0].text.startsWith(QStringLiteral("Cannot open \"") + path + '"'));
            QVERIFY(editor.App().MainFrame() == nullptr);
            return;
        }
        QStringList expected{kFolderQuestion};
        if (!isGame)
            expected << QStringLiteral("Error reading database");
        QCOMPARE(editor.messages.MessageTexts(), expected);
        QCOMPARE(editor.Frame().windowTitle(), (isGame ? path : QStringLiteral("Untitled")) + QStringLiteral(" - Orbek"));
        QCOMPARE(editor.Tree().Tree()->topLevelItemCount(), isGame ? 4 : 0); // three teams and "Others"
        QVERIFY(!editor.App().PlayerForm()->isEnabled());
    }

    void closingSavesThePlacementAndTheNextStartRestoresIt_data()
    {
        QTest::addColumn<bool>("maximised");
        QTest::newRow("normal") << false;
        QTest::newRow("maximised") << true;
    }

    void closingSavesThePlacementAndTheNextStartRestoresIt()
    {
        QFETCH(bool, maximised);
        guitest::PrivateConfig config;
        const QSize size(1000, 720);
        QPoint corner;
        {
            Restart first;
            QVERIFY(first.app.InitInstance({}));
            first.Frame().move(40, 50);
            first.Frame().resize(size);
            corner = first.Frame().pos();
            if (maximised) {
                first.Frame().showMaximized();
                QTRY_VERIFY(first.Frame().isMaximized());
            }
            QVERIFY(first.Frame().close());
        }
        // Left and top: the frame's corner; width and height: the normal window's inside.
        const guitest::Placement expected = {{"Show", maximised ? 3 : 1}, {"Left", corner.x()}, {"Top", corner.y()},
            {"Right", corner.x() + size.width()}, {"Bottom", corner.y() + size.height()}};
        for (const auto& [key, value] : expected)
            QCOMPARE(config.PlacementValue(key), value);

        // Twice: a restored window must not creep by its frame at each start.
        for (int start = 0; start < 2; ++start) {
            Restart next;
            QVERIFY(next.app.InitInstance({}));
            QCOMPARE(next.Frame().windowState().testFlag(Qt::WindowMaximized), maximised);
            QCOMPARE(next.Frame().normalGeometry().size(), size);
            if (!maximised)
                QCOMPARE(next.Frame().pos(), corner);
            QVERIFY(next.Frame().close());
        }
    }

    void aPartialPlacementIsReadAsWindowsDoes()
    {
        QRect unplaced;
        {
            guitest::PrivateConfig config;
            Restart run;
            QVERIFY(run.app.InitInstance({}));
            unplaced = run.Placed();
        }
        // "Show" alone: sides 0, so the origin and the window's minimum size.
        guitest::PrivateConfig config;
        config.WritePlacement({{"Show", 1}});
        Restart showOnly;
        QVERIFY(showOnly.app.InitInstance({}));
        const QSize minimum = showOnly.Frame().minimumSizeHint().expandedTo(showOnly.Frame().minimumSize());
        QCOMPARE(showOnly.Placed(), QRect(QPoint(0, 0), minimum));
        // Sides without "Show": ignored.
        config.WritePlacement({{"Left", 11}, {"Top", 12}, {"Right", 344}, {"Bottom", 234}});
        Restart sidesOnly;
        QVERIFY(sidesOnly.app.InitInstance({}));
        QCOMPARE(sidesOnly.Placed(), unplaced);
        QVERIFY(unplaced != QRect(11, 12, 333, 222));
    }
};

QTEST_MAIN(StartupTests)
#include "StartupTests.moc"
