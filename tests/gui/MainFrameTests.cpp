// The main window: start-up (game folder, command-line file, placement),
// menus, keys, bars and panes, the rules that enable its commands, and the
// help window.
#include "GuiTestSupport.h"

#include "res/OrbekResources.h"
#include "checking/CCheckGameDlg.h"
#include "playerstable/CPlayersPanel.h"
#include "services/CHelpViewer.h"
#include "shell/CMainFrame.h"
#include "shell/CPreferencesDlg.h"
#include "services/HtmlHelp.h"
#include "shell/Commands.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QSplitter>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>

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

QStringList Sorted(QStringList names)
{
    names.sort();
    return names;
}

QStringList Enabled(Editor& editor) // object names, sorted
{
    QStringList names;
    for (const CommandInfo& info : kCommands)
        if (editor.Action(info.id).isEnabled())
            names << QString::fromLatin1(info.objectName);
    return Sorted(names);
}

} // namespace

class MainFrameTests : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { InitOrbekResources(); }

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
            const QString ini = QString::fromUtf8(guitest::FileBytes(editor.config.IniPath()));
            QCOMPARE(ini.contains(QStringLiteral("[Orbek]")), choose);
            QCOMPARE(ini.contains(QStringLiteral("ICC Folder=") + chosen), choose);
        }
        if (browse) {
            QCOMPARE(asked[1].kind, Kind::Folder);
            QCOMPARE(asked[1].start, QDir::homePath()); // no drive letters here
        }
        QCOMPARE(editor.App().Document().GameFolder(), expected);
        // Nothing is loaded.
        QVERIFY(editor.Frame().isVisible());
        QCOMPARE(editor.Frame().windowTitle(), QStringLiteral("Untitled - Orbek"));
        QCOMPARE(editor.Tree().Tree()->topLevelItemCount(), 0);

        Restart again;
        QVERIFY(again.app.InitInstance({}));
        QCOMPARE(again.messages.requests.size(), inIni || choose ? 0u : 1u);
        QCOMPARE(again.app.Document().GameFolder(), expected);
    }

    void aCommandLineFileLoadsOrIsReportedAndOneThatCannotBeOpenedEndsTheProgram()
    {
        for (const QString file : {"game", "junk", "missing"}) {
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
                continue;
            }
            QStringList expected{kFolderQuestion};
            if (!isGame)
                expected << QStringLiteral("Error reading database");
            QCOMPARE(editor.messages.MessageTexts(), expected);
            QCOMPARE(editor.Frame().windowTitle(), (isGame ? path : QStringLiteral("Untitled")) + QStringLiteral(" - Orbek"));
            QCOMPARE(editor.Tree().Tree()->topLevelItemCount(), isGame ? 4 : 0); // three teams and "Others"
            editor.App().OnIdle();
            QVERIFY(!editor.Form().isEnabled() && editor.Action(Command::kSaveAs).isEnabled() == isGame);
        }
    }

    void closingSavesThePlacementAndTheNextStartRestoresIt()
    {
        for (const bool maximised : {false, true}) {
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
    }

    void everyCommandIsInAMenuButtonsHavePicturesKeysWorkAndTheBarsToggle()
    {
        Editor editor;
        QVERIFY(editor.Start());
        QSet<QAction*> inMenus;
        for (QAction* menu : editor.Frame().menuBar()->actions())
            for (QAction* item : menu->menu()->actions())
                inMenus << item;
        for (const CommandInfo& info : kCommands)
            QVERIFY2(inMenus.contains(&editor.Action(info.id)), info.objectName);
        auto* toolbar = editor.Frame().findChild<QToolBar*>(QStringLiteral("toolBar"));
        for (QAction* button : toolbar->actions())
            QVERIFY2(button->isSeparator() || !button->icon().isNull(), qPrintable(button->objectName()));
        QStatusBar* status = editor.Frame().statusBar();

        editor.Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor.Frame()));
        QTest::keyClick(&editor.Frame(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(editor.messages.Of(ScriptedMessageService::Kind::OpenFile).size(), 1u);
        for (const auto& [command, bar] : {std::pair<int, QWidget*>{Command::kToolbar, toolbar}, {Command::kStatusBar, status}})
            for (bool shown : {false, true}) {
                editor.Action(command).trigger();
                QVERIFY(editor.Action(command).isChecked() == shown && bar->isVisible() == shown);
            }
    }

    void f6MovesTheFocusAndTheDivisionsAreKeptWithThePlacement()
    {
        Editor editor;
        QVERIFY(editor.StartOn(guitest::SmallGame()));
        CMainFrame& frame = editor.Frame();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));

        editor.Select(editor.Tree().Tree()->topLevelItem(0)->child(0));
        editor.Tree().setFocus();
        QTest::keyClick(&frame, Qt::Key_F6);
        QVERIFY(QApplication::focusWidget() && !editor.Tree().isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(&frame, Qt::Key_F6, Qt::ShiftModifier);
        QVERIFY(editor.Tree().Tree()->hasFocus());
        editor.Action(Command::kPlayersTable).trigger(); // a dock shown is a pane too, after the form
        QTest::keyClick(&frame, Qt::Key_F6, Qt::ShiftModifier);
        QVERIFY(frame.PlayersPanel()->Table()->hasFocus());

        auto* outer = frame.findChild<QSplitter*>(QStringLiteral("frameSplitter"));
        auto* inner = frame.findChild<QSplitter*>(QStringLiteral("viewSplitter"));
        QVERIFY(outer && inner);
        outer->setSizes({outer->sizes()[0] + 60, outer->sizes()[1] - 60});
        inner->setSizes({inner->sizes()[0] + 40, inner->sizes()[1] - 40});
        const QList<int> outerSizes = outer->sizes(), innerSizes = inner->sizes();
        QVERIFY(frame.close());
        outer->setSizes({100, 900});
        inner->setSizes({70, 700});
        frame.RestorePlacement();
        QCOMPARE(outer->sizes(), outerSizes);
        QCOMPARE(inner->sizes(), innerSizes);
    }

    // Find Next: teams/TeamDialogsTests.
    void commandsFollowNothingLoadedLoadedAndModified()
    {
        Editor editor;
        QVERIFY(editor.Start());
        const QStringList always
            = {"actionOpen", "actionExit", "actionToggleToolBar", "actionToggleStatusBar", "actionHistory", "actionPlayersTable", "actionHelpContents",
                "actionAbout", "actionPreferences"};
        QCOMPARE(Enabled(editor), Sorted(always));

        editor.messages.openFiles = {guitest::WriteGame(guitest::SmallGame(), editor.files.path())};
        editor.Action(Command::kOpen).trigger();
        const QStringList loaded = always + QStringList{"actionSaveAs", "actionRestoreBackup", "actionFind", "actionTeamProperties", "actionCollapseTeamsTree",
            "actionCheckGame", "actionCompareWithFile", "actionCompareWithSaved", "actionExportPlayers", "actionImportPlayers"};
        QCOMPARE(Enabled(editor), Sorted(loaded));

        // A move is an edit, and a step to undo.
        QVERIFY(editor.App().MovePlayer(editor.Game().Team(1)->m_squad[0], 1, kNoTeam, false));
        QCOMPARE(Enabled(editor), Sorted(loaded + QStringList{"actionSave", "actionUndo"}));

        // A selected player enables the player commands and the form...
        QTreeWidgetItem* team = editor.Tree().Tree()->topLevelItem(0);
        editor.Select(team->child(0));
        const QStringList withPlayer = loaded + QStringList{"actionSave", "actionUndo", "actionPlayerStats", "actionCopyFrom"};
        QCOMPARE(Enabled(editor), Sorted(withPlayer));
        QVERIFY(editor.Form().isEnabled());

        // ...and collapsing the tree clears the player and disables them again.
        editor.Action(Command::kCollapseTeamsTree).trigger();
        QCOMPARE(editor.App().Document().CurrentPlayer(), -1);
        QVERIFY(!team->isExpanded());
        QCOMPARE(Enabled(editor), Sorted(loaded + QStringList{"actionSave", "actionUndo"}));
        QVERIFY(!editor.Form().isEnabled());
    }

    void theContentsAndBothTopicsOpenInOneWindowWhoseLinksLeadOn()
    {
        const char* const cases[][3] = {
            {"Orbek.chm::/Html/EditPlayer.htm", "qrc:/help/Html/EditPlayer.htm", "Editing players"},
            {"Orbek.chm::/Html/EditTeams.htm", "qrc:/help/Html/EditTeams.htm", "Editing teams"},
            {"Orbek.chm", "qrc:/help/Html/Contents.htm", "Contents"},
        };
        CHelpViewer* viewer = nullptr;
        for (const auto& [request, page, title] : cases) {
            auto* shown = qobject_cast<CHelpViewer*>(OpenHtmlHelp(nullptr, request, kHelpDisplayTopic, 0));
            QVERIFY2(shown && shown->isVisible(), request);
            QCOMPARE(shown->CurrentPage(), QUrl(QString::fromLatin1(page)));
            QCOMPARE(shown->Browser()->documentTitle(), QString::fromLatin1(title));
            QVERIFY(!viewer || shown == viewer); // one window serves every request
            viewer = shown;
        }
        emit viewer->Browser()->anchorClicked(QUrl(QStringLiteral("EditTeams.htm"))); // a link of the contents
        QCOMPARE(viewer->CurrentPage(), QUrl(QStringLiteral("qrc:/help/Html/EditTeams.htm")));
        viewer->close();
    }

    void f1AndHelpButtonsOfTheNewWindowsShowTheirPages()
    {
        Editor editor;
        QVERIFY(editor.StartOn(guitest::SmallGame()));
        // The page the help window shows after F1 in `inside` (or a click on
        // `button`); the window is closed again.
        const auto pageAfter = [](QWidget* inside, QAbstractButton* button = nullptr) {
            if (button)
                button->click();
            else {
                QApplication::setActiveWindow(inside->window());
                inside->setFocus();
                QTest::keyClick(inside, Qt::Key_F1);
            }
            CHelpViewer* viewer = guitest::ShownHelp();
            const QString page = viewer ? viewer->CurrentPage().fileName() : QStringLiteral("<none>");
            if (viewer)
                viewer->close();
            return page;
        };
        editor.Action(Command::kPlayersTable).trigger();
        QCOMPARE(pageAfter(editor.Frame().PlayersPanel()->Table()), QStringLiteral("PlayersTable.htm"));
        editor.Action(Command::kHistory).trigger();
        QCOMPARE(pageAfter(editor.Frame().findChild<QWidget*>(QStringLiteral("historyView"))), QStringLiteral("History.htm"));
        editor.Action(Command::kCheckGame).trigger();
        auto* check = editor.Frame().findChild<CCheckGameDlg*>();
        QVERIFY(check);
        QCOMPARE(pageAfter(check->findChild<QTreeWidget*>()), QStringLiteral("CheckCompare.htm"));
        CPreferencesDlg preferences(EditorPreferences::Read(), QString(), &editor.Frame());
        preferences.show();
        QAbstractButton* help = preferences.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help);
        QVERIFY(help);
        QCOMPARE(pageAfter(&preferences, help), QStringLiteral("Preferences.htm"));
        QVERIFY(preferences.isVisible()); // the help button does not close the dialog
    }

    void unknownFilesPagesAndCommandsFailSilently()
    {
        QVERIFY(OpenHtmlHelp(nullptr, "Orbek.chm::/Html/NoSuchPage.htm", kHelpDisplayTopic, 0) == nullptr);
        QVERIFY(OpenHtmlHelp(nullptr, "Other.chm", kHelpDisplayTopic, 0) == nullptr);
        QVERIFY(OpenHtmlHelp(nullptr, "Orbek.chm", 15, 0) == nullptr);
        QVERIFY(OpenHtmlHelp(nullptr, nullptr, kHelpDisplayTopic, 0) == nullptr);
    }

    void everyLinkOfEveryPageLeadsToAPage()
    {
        // ...and the contents lead to every page.
        QSet<QString> pages, fromContents;
        const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
        for (QDirIterator it(QStringLiteral(":/help/Html"), {QStringLiteral("*.htm")}); it.hasNext();) {
            QFile file(it.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            pages << QFileInfo(file).fileName();
            for (auto match = reference.globalMatch(QString::fromUtf8(file.readAll())); match.hasNext();) {
                const QString target = match.next().captured(1);
                const QString path = target.startsWith(QStringLiteral("qrc:")) ? target.mid(3) : ":/help/Html/" + target;
                QVERIFY2(QFile::exists(path), qPrintable(file.fileName() + " -> " + target));
                if (QFileInfo(file).fileName() == QStringLiteral("Contents.htm"))
                    fromContents << target;
            }
        }
        pages.remove(QStringLiteral("Contents.htm"));
        QVERIFY(pages.size() > 2);
        QCOMPARE(pages - fromContents, QSet<QString>());
    }
};

QTEST_MAIN(MainFrameTests)
#include "MainFrameTests.moc"
