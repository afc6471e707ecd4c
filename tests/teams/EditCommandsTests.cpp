// The frame's Find, Find Next, Team Properties and Collapse Teams Tree
// commands with their enable rules, on the running editor.
#include "GuiTestSupport.h"
#include "TeamsTestGame.h"

#include "shell/COrbekApp.h"
#include "shell/CMainFrame.h"
#include "shell/Commands.h"
#include "player/CPlayerAttributesView.h"
#include "teamdialogs/CTeamPropertiesDlg.h"
#include "tree/CSearchDlg.h"
#include "tree/CTeamView.h"

#include "GameFileBuilder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

using namespace teamstest;

namespace {

// The editor started on the team tests' game.
struct Running
{
    Running()
    {
        const QString path = editor.files.path() + "/LEAGUE.CAP";
        testgame::WriteGame(MakeTeamsGame().description, path.toStdString());
        QVERIFY(editor.Start({path}));
        editor.App().OnIdle();
    }
    CGame& game() { return editor.App().Game(); }
    CMainFrame& frame() { return editor.Frame(); }
    QTreeWidget* tree() { return editor.Tree().Tree(); }
    bool enabled(int id)
    {
        editor.App().OnIdle();
        return editor.Action(id).isEnabled();
    }
    QTreeWidgetItem* player(const QString& label)
    {
        const auto found = tree()->findItems(label, Qt::MatchStartsWith | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }
    // Runs the command, whose modal dialog of type T gets `work` once open.
    template <typename T>
    void Run(void (CMainFrame::*command)(), std::function<void(T&)> work)
    {
        bool seen = false;
        QTimer::singleShot(0, [&seen, work] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            seen = dialog != nullptr;
            if (dialog)
                work(*dialog);
        });
        (frame().*command)();
        QVERIFY(seen);
    }
    guitest::Editor editor;
};

} // namespace

class EditCommandsTests : public QObject
{
    Q_OBJECT

private slots:
    void commands_are_enabled_by_a_loaded_game_and_a_selected_player()
    {
        const int gameCommands[] = {Command::kFind, Command::kTeamProperties, Command::kCollapseTeamsTree};
        const int playerCommands[] = {Command::kPlayerStats, Command::kCopyFrom};
        {
            guitest::Editor editor;
            QVERIFY(editor.Start());
            editor.App().OnIdle();
            for (int id : {gameCommands[0], gameCommands[1], gameCommands[2], playerCommands[0], playerCommands[1],
                     int(Command::kFindNext)})
                QVERIFY2(!editor.Action(id).isEnabled(), qPrintable(QString::number(id)));
            QVERIFY(editor.Action(Command::kHelpContents).isEnabled());
        }
        Running r;
        for (int id : gameCommands)
            QVERIFY2(r.enabled(id), qPrintable(QString::number(id)));
        for (int id : playerCommands)
            QVERIFY2(!r.enabled(id), qPrintable(QString::number(id)));
        r.editor.Select(r.player("Kilo J"));
        for (int id : playerCommands)
            QVERIFY2(r.enabled(id), qPrintable(QString::number(id)));
    }

    void find_next_stays_disabled_until_a_search_was_confirmed_with_search()
    {
        Running r;
        QVERIFY(!r.enabled(Command::kFindNext));
        r.Run<CSearchDlg>(&CMainFrame::OnFind, [](CSearchDlg& d) {
            d.findChild<QLineEdit*>("IDC_SEARCH_TEXT")->setText("kilo");
            d.findChild<QPushButton*>("IDCANCEL")->click();
        });
        QVERIFY(!r.enabled(Command::kFindNext));
        QVERIFY(!r.tree()->currentItem());

        r.Run<CSearchDlg>(&CMainFrame::OnFind, [](CSearchDlg& d) {
            QVERIFY(d.findChild<QRadioButton*>("IDC_DIRECTION_DOWN")->isChecked());
            d.findChild<QLineEdit*>("IDC_SEARCH_TEXT")->setText("kilo");
            d.findChild<QCheckBox*>("IDC_WHOLE_WORD")->setChecked(true);
            d.findChild<QPushButton*>("IDOK")->click();
        });
        QVERIFY(r.enabled(Command::kFindNext));
        QVERIFY(r.editor.App().m_strFindText == "kilo" && r.editor.App().m_bFindWholeWord);
        QCOMPARE(r.tree()->currentItem()->text(0), QStringLiteral("Kilo J"));
        QCOMPARE(r.game().m_nCurPlayer, int(r.game().Team(kTestTeam)->m_firstXI[10]));
        r.Run<CSearchDlg>(&CMainFrame::OnFind, [](CSearchDlg& d) { // opens with the stored settings
            QCOMPARE(d.findChild<QLineEdit*>("IDC_SEARCH_TEXT")->text(), QStringLiteral("kilo"));
            QVERIFY(d.findChild<QCheckBox*>("IDC_WHOLE_WORD")->isChecked());
            QVERIFY(!d.findChild<QCheckBox*>("IDC_MATCH_CASE")->isChecked());
            QCOMPARE(d.focusWidget(), d.findChild<QLineEdit*>("IDC_SEARCH_TEXT"));
            d.reject();
        });
    }

    void a_search_that_finds_nothing_clears_the_selection_but_keeps_the_form()
    {
        Running r;
        r.editor.Select(r.player("Kilo J"));
        const int shown = r.game().m_nCurPlayer;
        QVERIFY(shown != -1);
        r.editor.App().m_strFindText = QStringLiteral("Nobody at all");
        r.editor.messages.answers = {IMessageService::Answer::Yes};
        r.frame().OnFindNext();
        QCOMPARE(r.editor.messages.MessageTexts(),
            QStringList({"No more matches found. Would you like to continue at the top of the list?"}));
        QVERIFY(!r.tree()->currentItem());
        QCOMPARE(r.game().m_nCurPlayer, shown);
        // Without a selection the next search starts at the top again.
        r.editor.App().m_strFindText = QString::fromLatin1(kTestTeamName);
        r.frame().OnFindNext();
        QCOMPARE(r.tree()->currentItem()->text(0), QString::fromLatin1(kTestTeamName));
        QCOMPARE(r.game().m_nCurPlayer, -1);
    }

    void cancelling_team_properties_puts_back_teams_names_and_the_modified_flag_clear_or_set()
    {
        Running r;
        r.editor.Select(r.player("Lima J"));
        QVERIFY(!r.game().m_bModified);
        const CTeam before = *r.game().Team(kTestTeam);
        const std::uint32_t lima = before.m_squad[11];
        r.Run<CTeamPropertiesDlg>(&CMainFrame::OnTeamProperties, [](CTeamPropertiesDlg& d) {
            auto* teamList = d.findChild<QTreeWidget*>("IDC_TEAM_LIST");
            teamList->findItems("Lima", Qt::MatchStartsWith).front()->setSelected(true);
            d.findChild<QPushButton*>("IDC_SACK")->click();
            d.findChild<QLineEdit*>("IDC_SHORT_NAME")->setText("Changed");
            auto* combo = d.findChild<QComboBox*>("IDC_TEAM_NAME");
            combo->setCurrentIndex(combo->findText("Kent")); // commits the short name
            d.findChild<QPushButton*>("IDCANCEL")->click();
        });
        QVERIFY(r.game().Team(kTestTeam)->SameContent(before));
        QCOMPARE(r.game().m_teamShortNames[kTestTeam], before.m_strShortName);
        QCOMPARE(r.game().Player(lima)->Team(), kTestTeam);
        QVERIFY(!r.game().m_bModified);
        QCOMPARE(r.game().m_nCurPlayer, -1);
        QVERIFY(!r.tree()->currentItem());
        QVERIFY(r.player("Lima J"));

        r.game().m_bModified = 1;
        r.Run<CTeamPropertiesDlg>(&CMainFrame::OnTeamProperties, [](CTeamPropertiesDlg& d) { d.reject(); });
        QCOMPARE(r.game().m_bModified, 1u);
    }

    void ok_keeps_the_selection_unless_a_change_needs_the_tree_rebuilt()
    {
        Running r;
        r.editor.Select(r.player("Lima J"));
        const int shown = r.game().m_nCurPlayer;
        r.Run<CTeamPropertiesDlg>(&CMainFrame::OnTeamProperties,
            [](CTeamPropertiesDlg& d) { d.findChild<QPushButton*>("IDOK")->click(); });
        QCOMPARE(r.game().m_nCurPlayer, shown);
        QVERIFY(r.tree()->currentItem() && !r.game().m_bModified);

        r.Run<CTeamPropertiesDlg>(&CMainFrame::OnTeamProperties, [](CTeamPropertiesDlg& d) {
            d.findChild<QComboBox*>("IDC_TEAM_NAME")->setEditText("Anteaters");
            d.findChild<QPushButton*>("IDOK")->click();
        });
        QVERIFY(r.game().m_bModified);
        QCOMPARE(r.game().m_nCurPlayer, -1);
        QVERIFY(!r.tree()->currentItem());
        QVERIFY(r.editor.TopLevel("Anteaters"));
    }

    void collapsing_the_tree_clears_and_disables_the_form()
    {
        Running r;
        QTreeWidgetItem* kilo = r.player("Kilo J");
        r.editor.Select(kilo);
        QVERIFY(r.game().m_nCurPlayer != -1);
        r.frame().OnCollapseTeamsTree();
        r.editor.App().OnIdle();
        QCOMPARE(r.game().m_nCurPlayer, -1);
        QCOMPARE(r.tree()->currentItem(), kilo->parent());
        QVERIFY(!kilo->parent()->isExpanded());
        QVERIFY(!r.frame().PlayerForm()->isEnabled());
    }
};

QTEST_MAIN(EditCommandsTests)
#include "EditCommandsTests.moc"
