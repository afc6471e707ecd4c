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
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

using guitest::Editor;

namespace {

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
        for (const QString name : {"CAP", "NUM", "SCRL"}) // the offscreen platform reports no lock state
            QVERIFY(!status->findChild<QLabel*>(QStringLiteral("indicator") + name)->isEnabled());

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
