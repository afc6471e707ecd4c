// The main window's menus, keys, toolbar, status bar and panes, and the
// rules that enable its commands.
#include "GuiTestSupport.h"

#include "player/CPlayerAttributesView.h"
#include "shell/CMainFrame.h"
#include "shell/COrbekApp.h"
#include "shell/COrbekView.h"
#include "shell/Commands.h"
#include "tree/CTeamView.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

using guitest::Editor;

namespace {

// What each menu holds, as the user reads it; "-" is a separator.
const QList<QPair<QString, QStringList>> kMenus = {
    {QStringLiteral("&File"), {QStringLiteral("&Open...\tCtrl+O"), QStringLiteral("&Save\tCtrl+S"),
                                  QStringLiteral("Save &As..."), QStringLiteral("-"), QStringLiteral("E&xit")}},
    {QStringLiteral("&Edit"), {QStringLiteral("&Find\tAlt-F3"), QStringLiteral("Find &Next\tF3"), QStringLiteral("-"),
                                  QStringLiteral("&Team Properties...\tCtrl+T"), QStringLiteral("Player Stats...\tAlt-S"),
                                  QStringLiteral("Copy From...\tCtrl-C")}},
    {QStringLiteral("&View"), {QStringLiteral("&Toolbar"), QStringLiteral("&Status Bar"), QStringLiteral("-"),
                                  QStringLiteral("&Collapse Teams Tree\tAlt-C")}},
    {QStringLiteral("&Help"), {QStringLiteral("&Contents"), QStringLiteral("&About Orbek...")}},
};

QStringList Enabled(Editor& editor)
{
    QStringList names;
    for (const CommandInfo& info : kCommands)
        if (editor.Action(info.id).isEnabled())
            names << QString::fromLatin1(info.objectName);
    return names;
}

const QStringList kAlwaysEnabled = {QStringLiteral("actionOpen"), QStringLiteral("actionExit"),
    QStringLiteral("actionToggleToolBar"), QStringLiteral("actionToggleStatusBar"),
    QStringLiteral("actionHelpContents"), QStringLiteral("actionAbout")};

QStringList Sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

class MainFrameTests : public QObject
{
    Q_OBJECT

private slots:
    void menusHoldTheCommandsInOrderWithTheirSeparators();
    void keysPromptsAndToolTipsAreThoseOfTheCommandTable();
    void toolbarHoldsTheButtonsInOrder();
    void statusBarShowsReadyAndTheLockIndicators();
    void barTogglesShowAndHideTheBarsAndAreChecked();
    void treeIsTwoHundredWideAndBannerSeventyHighAfterResizing();
    void f6MovesTheFocusBetweenThePanes();
    void onlyFileIndependentCommandsAreEnabledWithNothingLoaded();
    void loadingEnablesFileCommandsAndEditingEnablesSave();
    void playerCommandsFollowTheSelectedPlayer();
};

void MainFrameTests::menusHoldTheCommandsInOrderWithTheirSeparators()
{
    Editor editor;
    QVERIFY(editor.Start());
    const QList<QAction*> menus = editor.Frame().menuBar()->actions();
    QCOMPARE(menus.size(), kMenus.size());
    for (int m = 0; m < menus.size(); ++m) {
        QCOMPARE(menus[m]->text(), kMenus[m].first);
        QStringList items;
        for (QAction* item : menus[m]->menu()->actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
        QCOMPARE(items, kMenus[m].second);
    }
}

void MainFrameTests::keysPromptsAndToolTipsAreThoseOfTheCommandTable()
{
    Editor editor;
    QVERIFY(editor.Start());
    const struct
    {
        int id;
        QKeySequence key;
        QString prompt;
        QString tip;
    } expected[] = {
        {Command::kOpen, QKeySequence(Qt::CTRL | Qt::Key_O), {}, {}},
        {Command::kSave, QKeySequence(Qt::CTRL | Qt::Key_S), {}, {}},
        {Command::kSaveAs, {}, QStringLiteral("Save the active file with a new name"), QStringLiteral("Save As")},
        {Command::kExit, {}, QStringLiteral("Quit the application; prompts to save documents"), QStringLiteral("Exit")},
        {Command::kFind, QKeySequence(Qt::ALT | Qt::Key_F3), QStringLiteral("Find Player"), QStringLiteral("Find")},
        {Command::kFindNext, QKeySequence(Qt::Key_F3), QStringLiteral("Repeat Find"), QStringLiteral("Find Next")},
        {Command::kTeamProperties, QKeySequence(Qt::CTRL | Qt::Key_T), QStringLiteral("Edit Team Properties"),
            QStringLiteral("Team Properties")},
        {Command::kPlayerStats, QKeySequence(Qt::ALT | Qt::Key_S), QStringLiteral("Player Stats"), QStringLiteral("Stats")},
        {Command::kCopyFrom, QKeySequence(Qt::CTRL | Qt::Key_C), QStringLiteral("Copy Attributes From Another Player"),
            QStringLiteral("Copy From")},
        {Command::kToolbar, {}, QStringLiteral("Show or hide the toolbar"), QStringLiteral("Toggle ToolBar")},
        {Command::kStatusBar, {}, QStringLiteral("Show or hide the status bar"), QStringLiteral("Toggle StatusBar")},
        {Command::kCollapseTeamsTree, QKeySequence(Qt::ALT | Qt::Key_C), {}, {}},
        {Command::kHelpContents, {}, QStringLiteral("Display help contents"), QStringLiteral("Help Contents")},
        {Command::kAbout, {}, QStringLiteral("Display program information, version number and copyright"),
            QStringLiteral("About")},
    };
    for (const auto& command : expected) {
        QAction& action = editor.Action(command.id);
        QCOMPARE(action.property("commandId").toInt(), command.id);
        QCOMPARE(action.shortcut(), command.key);
        QCOMPARE(action.statusTip(), command.prompt);
        if (!command.tip.isEmpty())
            QCOMPARE(action.toolTip(), command.tip);
    }
}

void MainFrameTests::toolbarHoldsTheButtonsInOrder()
{
    Editor editor;
    QVERIFY(editor.Start());
    auto* toolbar = editor.Frame().findChild<QToolBar*>(QStringLiteral("toolBar"));
    QVERIFY(toolbar);
    QStringList buttons;
    for (QAction* action : toolbar->actions()) {
        buttons << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
        if (!action->isSeparator())
            QVERIFY2(!action->icon().isNull(), qPrintable(action->objectName()));
    }
    QCOMPARE(buttons, (QStringList{QStringLiteral("actionOpen"), QStringLiteral("actionSave"),
                          QStringLiteral("actionSaveAs"), QStringLiteral("-"), QStringLiteral("actionFind"),
                          QStringLiteral("actionFindNext"), QStringLiteral("-"), QStringLiteral("actionTeamProperties"),
                          QStringLiteral("-"), QStringLiteral("actionAbout")}));
}

void MainFrameTests::statusBarShowsReadyAndTheLockIndicators()
{
    Editor editor;
    QVERIFY(editor.Start());
    QStatusBar* bar = editor.Frame().statusBar();
    auto* ready = bar->findChild<QLabel*>(QStringLiteral("statusMessage"));
    QVERIFY(ready);
    QCOMPARE(ready->text(), QStringLiteral("Ready"));
    for (const QString& name : {QStringLiteral("CAP"), QStringLiteral("NUM"), QStringLiteral("SCRL")}) {
        auto* indicator = bar->findChild<QLabel*>(QStringLiteral("indicator") + name);
        QVERIFY2(indicator, qPrintable(name));
        QCOMPARE(indicator->text(), name);
        // The offscreen platform reports no lock state: the indicators stay unlit.
        QVERIFY(!indicator->isEnabled());
    }
}

void MainFrameTests::barTogglesShowAndHideTheBarsAndAreChecked()
{
    Editor editor;
    QVERIFY(editor.Start());
    auto* toolbar = editor.Frame().findChild<QToolBar*>(QStringLiteral("toolBar"));
    QAction& toggleToolbar = editor.Action(Command::kToolbar);
    QAction& toggleStatus = editor.Action(Command::kStatusBar);
    QVERIFY(toggleToolbar.isChecked());
    QVERIFY(toggleStatus.isChecked());
    toggleToolbar.trigger();
    toggleStatus.trigger();
    QVERIFY(!toolbar->isVisible());
    QVERIFY(!editor.Frame().statusBar()->isVisible());
    QVERIFY(!toggleToolbar.isChecked());
    toggleToolbar.trigger();
    toggleStatus.trigger();
    QVERIFY(toolbar->isVisible());
    QVERIFY(editor.Frame().statusBar()->isVisible());
}

void MainFrameTests::treeIsTwoHundredWideAndBannerSeventyHighAfterResizing()
{
    Editor editor;
    QVERIFY(editor.Start());
    CMainFrame& frame = editor.Frame();
    frame.resize(900, 650);
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QCOMPARE(editor.Tree().width(), 200);
    QWidget* banner = frame.MainView()->BannerPane();
    QCOMPARE(banner->height(), 70);
    const int formHeight = editor.App().PlayerForm()->height();

    frame.resize(1100, 800);
    QCoreApplication::processEvents();
    QCOMPARE(editor.Tree().width(), 200);
    QCOMPARE(banner->height(), 70);
    QCOMPARE(editor.App().PlayerForm()->height(), formHeight + 150);
    // The inner panes fill the right-hand view edge to edge.
    QCOMPARE(banner->mapTo(frame.MainView(), QPoint(0, 0)), QPoint(0, 0));
    QCOMPARE(banner->width(), frame.MainView()->width());
}

void MainFrameTests::f6MovesTheFocusBetweenThePanes()
{
    Editor editor;
    const QString path = guitest::WriteGame(guitest::SmallGame(), editor.files.path());
    QVERIFY(editor.Start({path}));
    editor.Frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&editor.Frame()));
    editor.Select(editor.Tree().Tree()->topLevelItem(0)->child(0));
    editor.Tree().setFocus();
    QVERIFY(editor.Tree().Tree()->hasFocus());
    QTest::keyClick(&editor.Frame(), Qt::Key_F6);
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus && !editor.Tree().isAncestorOf(focus));
    QTest::keyClick(&editor.Frame(), Qt::Key_F6, Qt::ShiftModifier);
    QVERIFY(editor.Tree().Tree()->hasFocus());
}

void MainFrameTests::onlyFileIndependentCommandsAreEnabledWithNothingLoaded()
{
    Editor editor;
    QVERIFY(editor.Start());
    QCOMPARE(Sorted(Enabled(editor)), Sorted(kAlwaysEnabled));
}

void MainFrameTests::loadingEnablesFileCommandsAndEditingEnablesSave()
{
    Editor editor;
    const QString path = guitest::WriteGame(guitest::SmallGame(), editor.files.path());
    QVERIFY(editor.Start({path}));
    const QStringList loaded = kAlwaysEnabled
        + QStringList{QStringLiteral("actionSaveAs"), QStringLiteral("actionFind"), QStringLiteral("actionTeamProperties"),
            QStringLiteral("actionCollapseTeamsTree")};
    QCOMPARE(Sorted(Enabled(editor)), Sorted(loaded));

    // A move is an edit: Save follows the modified flag.
    const std::uint32_t moved = editor.App().Game().m_teams[1]->m_squad[0];
    QVERIFY(editor.App().MovePlayer(moved, 1, kNoTeam, false));
    QCOMPARE(Sorted(Enabled(editor)), Sorted(loaded + QStringList{QStringLiteral("actionSave")}));

    // Find Next waits for a search text.
    editor.App().m_strFindText = QStringLiteral("Smith");
    editor.App().OnIdle();
    QVERIFY(editor.Action(Command::kFindNext).isEnabled());
}

void MainFrameTests::playerCommandsFollowTheSelectedPlayer()
{
    Editor editor;
    const QString path = guitest::WriteGame(guitest::SmallGame(), editor.files.path());
    QVERIFY(editor.Start({path}));
    QTreeWidgetItem* team = editor.Tree().Tree()->topLevelItem(0);
    editor.Select(team->child(0));
    QVERIFY(editor.Action(Command::kPlayerStats).isEnabled());
    QVERIFY(editor.Action(Command::kCopyFrom).isEnabled());
    QVERIFY(editor.App().PlayerForm()->isEnabled());
    editor.Select(team);
    QVERIFY(!editor.Action(Command::kPlayerStats).isEnabled());
    QVERIFY(!editor.Action(Command::kCopyFrom).isEnabled());
    QVERIFY(!editor.App().PlayerForm()->isEnabled());
}

QTEST_MAIN(MainFrameTests)
#include "MainFrameTests.moc"
