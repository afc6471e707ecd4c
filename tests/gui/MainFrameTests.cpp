// The main window's menus, keys, toolbar, status bar and panes, and the
// rules that enable its commands.
#include "GuiTestSupport.h"

#include "player/CPlayerAttributesView.h"
#include "shell/COrbekView.h"
#include "shell/Commands.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

using guitest::Editor;

namespace {

// Items as the user reads them, "-" for a separator.
QStringList Items(const QList<QAction*>& actions, bool byName)
{
    QStringList items;
    for (QAction* action : actions)
        items << (action->isSeparator() ? QStringLiteral("-") : byName ? action->objectName() : action->text());
    return items;
}

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
    void menusKeysToolbarAndStatusBarAreThoseOfTheCommandTable()
    {
        Editor editor;
        QVERIFY(editor.Start());
        const QList<QPair<QString, QStringList>> menus = {
            {QStringLiteral("&File"), {"&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-", "E&xit"}},
            {QStringLiteral("&Edit"), {"&Find\tAlt-F3", "Find &Next\tF3", "-", "&Team Properties...\tCtrl+T",
                                          "Player Stats...\tAlt-S", "Copy From...\tCtrl-C"}},
            {QStringLiteral("&View"), {"&Toolbar", "&Status Bar", "-", "&Collapse Teams Tree\tAlt-C"}},
            {QStringLiteral("&Help"), {"&Contents", "&About Orbek..."}},
        };
        const QList<QAction*> bar = editor.Frame().menuBar()->actions();
        QCOMPARE(bar.size(), menus.size());
        for (qsizetype m = 0; m < bar.size(); ++m) {
            QCOMPARE(bar[m]->text(), menus[m].first);
            QCOMPARE(Items(bar[m]->menu()->actions(), false), menus[m].second);
        }

        auto* toolbar = editor.Frame().findChild<QToolBar*>(QStringLiteral("toolBar"));
        QVERIFY(toolbar);
        QCOMPARE(Items(toolbar->actions(), true), (QStringList{"actionOpen", "actionSave", "actionSaveAs", "-", "actionFind",
                                                      "actionFindNext", "-", "actionTeamProperties", "-", "actionAbout"}));
        for (QAction* button : toolbar->actions())
            QVERIFY2(button->isSeparator() || !button->icon().isNull(), qPrintable(button->objectName()));

        QStatusBar* status = editor.Frame().statusBar();
        auto* ready = status->findChild<QLabel*>(QStringLiteral("statusMessage"));
        QVERIFY(ready && ready->text() == QStringLiteral("Ready"));
        for (const QString name : {"CAP", "NUM", "SCRL"}) {
            auto* indicator = status->findChild<QLabel*>(QStringLiteral("indicator") + name);
            QVERIFY2(indicator && indicator->text() == name, qPrintable(name));
            QVERIFY(!indicator->isEnabled()); // the offscreen platform reports no lock state
        }

        const struct { int id; const char *key, *prompt, *tip; } commands[] = {
            {Command::kOpen, "Ctrl+O", "", ""},
            {Command::kSave, "Ctrl+S", "", ""},
            {Command::kSaveAs, "", "Save the active file with a new name", "Save As"},
            {Command::kExit, "", "Quit the application; prompts to save documents", "Exit"},
            {Command::kFind, "Alt+F3", "Find Player", "Find"},
            {Command::kFindNext, "F3", "Repeat Find", "Find Next"},
            {Command::kTeamProperties, "Ctrl+T", "Edit Team Properties", "Team Properties"},
            {Command::kPlayerStats, "Alt+S", "Player Stats", "Stats"},
            {Command::kCopyFrom, "Ctrl+C", "Copy Attributes From Another Player", "Copy From"},
            {Command::kToolbar, "", "Show or hide the toolbar", "Toggle ToolBar"},
            {Command::kStatusBar, "", "Show or hide the status bar", "Toggle StatusBar"},
            {Command::kCollapseTeamsTree, "Alt+C", "", ""},
            {Command::kHelpContents, "", "Display help contents", "Help Contents"},
            {Command::kAbout, "", "Display program information, version number and copyright", "About"},
        };
        for (const auto& command : commands) {
            QAction& action = editor.Action(command.id);
            QCOMPARE(action.shortcut(), QKeySequence(QString::fromLatin1(command.key)));
            QCOMPARE(action.statusTip(), QString::fromLatin1(command.prompt));
            if (*command.tip)
                QCOMPARE(action.toolTip(), QString::fromLatin1(command.tip));
        }

        // The View toggles show and hide the bars and carry a check mark.
        for (const auto& [command, bar] : {std::pair<int, QWidget*>{Command::kToolbar, toolbar}, {Command::kStatusBar, status}})
            for (bool shown : {false, true}) {
                editor.Action(command).trigger();
                QVERIFY(editor.Action(command).isChecked() == shown && bar->isVisible() == shown);
            }
    }

    void treeKeepsTwoHundredBannerSeventyAndF6MovesTheFocusBetweenThePanes()
    {
        Editor editor;
        QVERIFY(editor.StartOn(guitest::SmallGame()));
        CMainFrame& frame = editor.Frame();
        frame.resize(900, 650);
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QWidget* banner = frame.MainView()->BannerPane();
        const int formHeight = editor.App().PlayerForm()->height();
        frame.resize(1100, 800);
        QCoreApplication::processEvents();
        QCOMPARE(editor.Tree().width(), 200);
        QCOMPARE(banner->height(), 70);
        QCOMPARE(editor.App().PlayerForm()->height(), formHeight + 150); // the form takes the growth
        // The inner panes fill the right-hand view edge to edge.
        QCOMPARE(banner->mapTo(frame.MainView(), QPoint(0, 0)), QPoint(0, 0));
        QCOMPARE(banner->width(), frame.MainView()->width());

        editor.Select(editor.Tree().Tree()->topLevelItem(0)->child(0));
        editor.Tree().setFocus();
        QTest::keyClick(&frame, Qt::Key_F6);
        QVERIFY(QApplication::focusWidget() && !editor.Tree().isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(&frame, Qt::Key_F6, Qt::ShiftModifier);
        QVERIFY(editor.Tree().Tree()->hasFocus());
    }

    // Find Next: teams/EditCommandsTests.
    void commandsFollowNothingLoadedLoadedAndModified()
    {
        Editor editor;
        QVERIFY(editor.Start());
        const QStringList always
            = {"actionOpen", "actionExit", "actionToggleToolBar", "actionToggleStatusBar", "actionHelpContents", "actionAbout"};
        QCOMPARE(Enabled(editor), Sorted(always));

        editor.messages.openFiles = {guitest::WriteGame(guitest::SmallGame(), editor.files.path())};
        editor.Action(Command::kOpen).trigger();
        const QStringList loaded = always + QStringList{"actionSaveAs", "actionFind", "actionTeamProperties", "actionCollapseTeamsTree"};
        QCOMPARE(Enabled(editor), Sorted(loaded));

        // A move is an edit.
        QVERIFY(editor.App().MovePlayer(editor.Game().m_teams[1]->m_squad[0], 1, kNoTeam, false));
        QCOMPARE(Enabled(editor), Sorted(loaded + QStringList{"actionSave"}));

        // A selected player enables the player commands and the form...
        QTreeWidgetItem* team = editor.Tree().Tree()->topLevelItem(0);
        editor.Select(team->child(0));
        const QStringList withPlayer = loaded + QStringList{"actionSave", "actionPlayerStats", "actionCopyFrom"};
        QCOMPARE(Enabled(editor), Sorted(withPlayer));
        QVERIFY(editor.App().PlayerForm()->isEnabled());

        // ...and collapsing the tree clears the player and disables them again.
        editor.Action(Command::kCollapseTeamsTree).trigger();
        QCOMPARE(editor.Game().m_nCurPlayer, -1);
        QVERIFY(!team->isExpanded());
        QCOMPARE(Enabled(editor), Sorted(loaded + QStringList{"actionSave"}));
        QVERIFY(!editor.App().PlayerForm()->isEnabled());

    }
};

QTEST_MAIN(MainFrameTests)
#include "MainFrameTests.moc"
