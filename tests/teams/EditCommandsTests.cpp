// The frame's Find, Find Next and Team Properties commands on the running
// editor. (The other enable rules and Collapse Teams Tree: gui/MainFrameTests.)
#include "TeamsTestGame.h"

#include "res/OrbekResources.h"
#include "shell/CHelpViewer.h"
#include "shell/Commands.h"
#include "teamdialogs/CTeamPropertiesDlg.h"
#include "tree/CSearchDlg.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QtTest>

using namespace teamstest;

namespace {

// The editor started on the team tests' game.
struct Running
{
    Running() { QVERIFY(editor.StartOn(MakeTeamsGame().description, QStringLiteral("LEAGUE.CAP"))); }
    CGame& game() { return editor.Game(); }
    QTreeWidget* tree() { return editor.Tree().Tree(); }
    bool findNextEnabled()
    {
        editor.App().OnIdle();
        return editor.Action(Command::kFindNext).isEnabled();
    }
    void select(const QString& label)
    {
        editor.Select(tree()->findItems(label, Qt::MatchStartsWith | Qt::MatchRecursive).value(0));
        QVERIFY(game().m_nCurPlayer != -1);
    }
    // Runs the command; its modal dialog of type T gets `work` once open.
    template <typename T>
    void Run(int command, std::function<void(T&)> work)
    {
        const auto runs = guitest::WhenModalOpens<T>(work);
        editor.Action(command).trigger();
        QCOMPARE(*runs, 1);
    }
    guitest::Editor editor;
};

template <typename T>
T* Child(QWidget& dialog, const char* name)
{
    return dialog.findChild<T*>(name);
}

CHelpViewer* ShownHelp()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* viewer = qobject_cast<CHelpViewer*>(w); viewer && viewer->isVisible())
            return viewer;
    return nullptr;
}

} // namespace

class EditCommandsTests : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { InitOrbekResources(); }

    void find_remembers_a_confirmed_search_and_a_failed_one_clears_the_selection_but_keeps_the_form()
    {
        Running r;
        r.Run<CSearchDlg>(Command::kFind, [](CSearchDlg& d) {
            Child<QLineEdit>(d, "IDC_SEARCH_TEXT")->setText("kilo");
            Child<QPushButton>(d, "IDCANCEL")->click();
        });
        QVERIFY(!r.findNextEnabled() && !r.tree()->currentItem());

        r.Run<CSearchDlg>(Command::kFind, [](CSearchDlg& d) {
            QVERIFY(Child<QRadioButton>(d, "IDC_DIRECTION_DOWN")->isChecked());
            Child<QLineEdit>(d, "IDC_SEARCH_TEXT")->setText("kilo");
            Child<QCheckBox>(d, "IDC_WHOLE_WORD")->setChecked(true);
            Child<QPushButton>(d, "IDOK")->click();
        });
        QVERIFY(r.findNextEnabled());
        QCOMPARE(r.tree()->currentItem()->text(0), QStringLiteral("Kilo J"));
        QCOMPARE(r.game().m_nCurPlayer, int(r.game().Team(kTestTeam)->m_firstXI[10]));
        r.Run<CSearchDlg>(Command::kFind, [](CSearchDlg& d) { // opens with the stored settings
            QCOMPARE(Child<QLineEdit>(d, "IDC_SEARCH_TEXT")->text(), QStringLiteral("kilo"));
            QVERIFY(Child<QCheckBox>(d, "IDC_WHOLE_WORD")->isChecked() && !Child<QCheckBox>(d, "IDC_MATCH_CASE")->isChecked());
            QCOMPARE(d.focusWidget(), Child<QLineEdit>(d, "IDC_SEARCH_TEXT"));
            d.reject();
        });

        const int shown = r.game().m_nCurPlayer;
        r.editor.App().m_strFindText = QStringLiteral("Nobody at all");
        r.editor.messages.answers = {IMessageService::Answer::Yes};
        r.editor.Frame().OnFindNext();
        QCOMPARE(r.editor.messages.MessageTexts(),
            QStringList({"No more matches found. Would you like to continue at the top of the list?"}));
        QVERIFY(!r.tree()->currentItem());
        QCOMPARE(r.game().m_nCurPlayer, shown);
        r.editor.App().m_strFindText = QString::fromLatin1(kTestTeamName); // from the top again
        r.editor.Frame().OnFindNext();
        QCOMPARE(r.tree()->currentItem()->text(0), QString::fromLatin1(kTestTeamName));
        QCOMPARE(r.game().m_nCurPlayer, -1);
    }

    void team_properties_cancel_puts_everything_back_and_ok_rebuilds_the_tree_only_after_a_change()
    {
        Running r;
        r.select("Lima J");
        const CTeam before = *r.game().Team(kTestTeam);
        const std::uint32_t lima = before.m_squad[11];
        r.Run<CTeamPropertiesDlg>(Command::kTeamProperties, [](CTeamPropertiesDlg& d) {
            Child<QTreeWidget>(d, "IDC_TEAM_LIST")->findItems("Lima", Qt::MatchStartsWith).front()->setSelected(true);
            Child<QPushButton>(d, "IDC_SACK")->click();
            Child<QLineEdit>(d, "IDC_SHORT_NAME")->setText("Changed");
            auto* combo = Child<QComboBox>(d, "IDC_TEAM_NAME");
            combo->setCurrentIndex(combo->findText("Kent")); // commits the short name
            Child<QPushButton>(d, "IDCANCEL")->click();
        });
        QVERIFY(r.game().Team(kTestTeam)->SameContent(before));
        QCOMPARE(r.game().m_teamShortNames[kTestTeam], before.m_strShortName);
        QCOMPARE(r.game().Player(lima)->Team(), kTestTeam);
        QVERIFY(!r.game().m_bModified && r.game().m_nCurPlayer == -1 && !r.tree()->currentItem());
        r.game().m_bModified = 1;
        r.Run<CTeamPropertiesDlg>(Command::kTeamProperties, [](CTeamPropertiesDlg& d) { d.reject(); });
        QCOMPARE(r.game().m_bModified, 1u);

        r.game().m_bModified = 0;
        r.select("Lima J");
        const int shown = r.game().m_nCurPlayer;
        r.Run<CTeamPropertiesDlg>(Command::kTeamProperties, [](CTeamPropertiesDlg& d) { Child<QPushButton>(d, "IDOK")->click(); });
        QVERIFY(r.game().m_nCurPlayer == shown && r.tree()->currentItem() && !r.game().m_bModified);
        r.Run<CTeamPropertiesDlg>(Command::kTeamProperties, [](CTeamPropertiesDlg& d) {
            Child<QComboBox>(d, "IDC_TEAM_NAME")->setEditText("Anteaters");
            Child<QPushButton>(d, "IDOK")->click();
        });
        QVERIFY(r.game().m_bModified && r.game().m_nCurPlayer == -1 && !r.tree()->currentItem());
        QVERIFY(r.editor.TopLevel("Anteaters"));
    }

    // The help window takes keys and clicks through the window system, which
    // drops them for a window that a modal dialog blocks.
    void team_properties_help_and_f1_open_a_help_window_that_works_while_the_dialog_is_open()
    {
        Running r;
        r.Run<CTeamPropertiesDlg>(Command::kTeamProperties, [](CTeamPropertiesDlg& d) {
            for (const bool byKey : {false, true}) {
                if (byKey) {
                    d.activateWindow();
                    QVERIFY(QTest::qWaitForWindowActive(&d));
                    QTest::keyClick(&d, Qt::Key_F1);
                } else {
                    Child<QPushButton>(d, "IDHELP")->click();
                }
                CHelpViewer* help = ShownHelp();
                QVERIFY(help && help->CurrentPage().toString().endsWith("Html/EditTeams.htm"));
                help->resize(480, 140); // low enough to scroll
                QScrollBar* bar = help->Browser()->verticalScrollBar();
                QTRY_VERIFY(bar->maximum() > 0);
                help->Browser()->setFocus();
                QTest::keyClick(help->windowHandle(), Qt::Key_End);
                QCOMPARE(bar->value(), bar->maximum());
                QWidget* contents
                    = help->findChild<QToolBar*>("helpToolBar")->widgetForAction(help->findChild<QAction*>("helpContents"));
                const QPoint onContents = contents->mapTo(help, contents->rect().center());
                QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, onContents);
                QVERIFY(help->CurrentPage().toString().endsWith("Html/Contents.htm"));
                QVERIFY(help->close());
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // it deletes itself
                QVERIFY(!ShownHelp() && d.isVisible() && QApplication::activeModalWidget() == &d);
            }
            d.reject();
        });
    }
};

QTEST_MAIN(EditCommandsTests)
#include "EditCommandsTests.moc"
