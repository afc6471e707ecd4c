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
using Answer = IMessageService::Answer;

namespace {

// The editor started on the team tests' game.
struct Running
{
    explicit Running(const QString& fileName = QStringLiteral("LEAGUE.CAP"))
    {
        const QString path = editor.files.path() + "/" + fileName;
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
    guitest::Editor editor;
};

// Runs `work` on the modal dialog of type T once it is open.
template <typename T>
void WhenOpen(bool& seen, std::function<void(T&)> work)
{
    QTimer::singleShot(0, [&seen, work] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        seen = dialog != nullptr;
        if (dialog)
            work(*dialog);
    });
}

void SelectRow(QTreeWidget* list, const QString& prefix)
{
    list->clearSelection();
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0).startsWith(prefix))
            list->topLevelItem(i)->setSelected(true);
}

} // namespace

class EditCommandsTests : public QObject
{
    Q_OBJECT

private slots:
    void with_nothing_loaded_only_help_contents_of_these_commands_is_enabled()
    {
        guitest::Editor editor;
        QVERIFY(editor.Start());
        editor.App().OnIdle();
        for (int id : {Command::kFind, Command::kFindNext, Command::kTeamProperties, Command::kPlayerStats,
                 Command::kCopyFrom, Command::kCollapseTeamsTree})
            QVERIFY2(!editor.Action(id).isEnabled(), qPrintable(QString::number(id)));
        QVERIFY(editor.Action(Command::kHelpContents).isEnabled());
    }

    void player_commands_need_a_selected_player()
    {
        Running r;
        QVERIFY(r.enabled(Command::kFind));
        QVERIFY(r.enabled(Command::kTeamProperties));
        QVERIFY(r.enabled(Command::kCollapseTeamsTree));
        QVERIFY(!r.enabled(Command::kPlayerStats));
        QVERIFY(!r.enabled(Command::kCopyFrom));
        r.editor.Select(r.player("Kilo J"));
        QVERIFY(r.enabled(Command::kPlayerStats));
        QVERIFY(r.enabled(Command::kCopyFrom));
    }

    void find_next_stays_disabled_until_a_search_was_confirmed_with_search()
    {
        Running r;
        QVERIFY(!r.enabled(Command::kFindNext));
        bool seen = false;
        WhenOpen<CSearchDlg>(seen, [](CSearchDlg& d) {
            d.findChild<QLineEdit*>("IDC_SEARCH_TEXT")->setText("kilo");
            d.findChild<QPushButton*>("IDCANCEL")->click();
        });
        r.frame().OnFind();
        QVERIFY(seen);
        QVERIFY(!r.enabled(Command::kFindNext));
        QVERIFY(!r.tree()->currentItem());

        WhenOpen<CSearchDlg>(seen, [](CSearchDlg& d) {
            QVERIFY(d.findChild<QRadioButton*>("IDC_DIRECTION_DOWN")->isChecked());
            d.findChild<QLineEdit*>("IDC_SEARCH_TEXT")->setText("kilo");
            d.findChild<QCheckBox*>("IDC_WHOLE_WORD")->setChecked(true);
            d.findChild<QPushButton*>("IDOK")->click();
        });
        r.frame().OnFind();
        QVERIFY(seen);
        QVERIFY(r.enabled(Command::kFindNext));
        QCOMPARE(r.editor.App().m_strFindText, QStringLiteral("kilo"));
        QVERIFY(r.editor.App().m_bFindWholeWord);
        QVERIFY(r.tree()->currentItem());
        QCOMPARE(r.tree()->currentItem()->text(0), QStringLiteral("Kilo J"));
        QCOMPARE(r.game().m_nCurPlayer, int(r.game().Team(kTestTeam)->m_firstXI[10]));

        // The dialog opens with the stored settings.
        WhenOpen<CSearchDlg>(seen, [](CSearchDlg& d) {
            QCOMPARE(d.findChild<QLineEdit*>("IDC_SEARCH_TEXT")->text(), QStringLiteral("kilo"));
            QVERIFY(d.findChild<QCheckBox*>("IDC_WHOLE_WORD")->isChecked());
            d.reject();
        });
        r.frame().OnFind();
        QVERIFY(seen);
    }

    void a_search_that_finds_nothing_clears_the_selection_but_keeps_the_form()
    {
        Running r;
        r.editor.Select(r.player("Kilo J"));
        const int shown = r.game().m_nCurPlayer;
        QVERIFY(shown != -1);
        r.editor.App().m_strFindText = QStringLiteral("Nobody at all");
        r.editor.messages.answers = {Answer::Yes};
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

    void cancelling_team_properties_puts_back_teams_names_and_a_clear_modified_flag()
    {
        Running r;
        r.editor.Select(r.player("Lima J"));
        QVERIFY(!r.game().m_bModified);
        const CTeam before = *r.game().Team(kTestTeam);
        const std::uint32_t lima = before.m_squad[11];
        bool seen = false;
        WhenOpen<CTeamPropertiesDlg>(seen, [](CTeamPropertiesDlg& d) {
            SelectRow(d.findChild<QTreeWidget*>("IDC_TEAM_LIST"), "Lima");
            d.findChild<QPushButton*>("IDC_SACK")->click();
            d.findChild<QLineEdit*>("IDC_SHORT_NAME")->setText("Changed");
            auto* combo = d.findChild<QComboBox*>("IDC_TEAM_NAME");
            combo->setCurrentIndex(combo->findText("Kent")); // commits the short name
            d.findChild<QPushButton*>("IDCANCEL")->click();
        });
        r.frame().OnTeamProperties();
        QVERIFY(seen);
        QVERIFY(r.game().Team(kTestTeam)->SameContent(before));
        QCOMPARE(r.game().m_teamShortNames[kTestTeam], before.m_strShortName);
        QCOMPARE(r.game().Player(lima)->Team(), kTestTeam);
        QVERIFY(!r.game().m_bModified);
        QCOMPARE(r.game().m_nCurPlayer, -1);
        QVERIFY(!r.tree()->currentItem());
        QVERIFY(r.player("Lima J"));
    }

    void cancelling_team_properties_keeps_a_modified_flag_that_was_set()
    {
        Running r;
        r.game().m_bModified = 1;
        bool seen = false;
        WhenOpen<CTeamPropertiesDlg>(seen, [](CTeamPropertiesDlg& d) { d.reject(); });
        r.frame().OnTeamProperties();
        QVERIFY(seen);
        QCOMPARE(r.game().m_bModified, 1u);
    }

    void ok_with_a_change_clears_the_selection_and_rebuilds_the_tree()
    {
        Running r;
        r.editor.Select(r.player("Lima J"));
        bool seen = false;
        WhenOpen<CTeamPropertiesDlg>(seen, [](CTeamPropertiesDlg& d) {
            d.findChild<QComboBox*>("IDC_TEAM_NAME")->setEditText("Anteaters");
            d.findChild<QPushButton*>("IDOK")->click();
        });
        r.frame().OnTeamProperties();
        QVERIFY(seen);
        QVERIFY(r.game().m_bModified);
        QCOMPARE(r.game().m_nCurPlayer, -1);
        QVERIFY(!r.tree()->currentItem());
        QVERIFY(r.editor.TopLevel("Anteaters"));
    }

    void ok_without_a_change_leaves_the_selection_alone()
    {
        Running r;
        r.editor.Select(r.player("Lima J"));
        const int shown = r.game().m_nCurPlayer;
        bool seen = false;
        WhenOpen<CTeamPropertiesDlg>(seen, [](CTeamPropertiesDlg& d) { d.findChild<QPushButton*>("IDOK")->click(); });
        r.frame().OnTeamProperties();
        QVERIFY(seen);
        QCOMPARE(r.game().m_nCurPlayer, shown);
        QVERIFY(r.tree()->currentItem());
        QVERIFY(!r.game().m_bModified);
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
