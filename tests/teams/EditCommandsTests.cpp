// The frame's Find, Find Next and Team Properties commands on the running
// editor. (The other enable rules and Collapse Teams Tree: gui/MainFrameTests.)
#include "GuiTestSupport.h"
#include "TeamsTestGame.h"

#include "shell/Commands.h"
#include "teamdialogs/CTeamPropertiesDlg.h"
#include "tree/CSearchDlg.h"

#include "GameFileBuilder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
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
    // Runs the command, whose modal dialog of type T gets `work` once open.
    template <typename T>
    void Run(void (CMainFrame::*command)(), std::function<void(T&)> work)
    {
        bool seen = false;
        QTimer::singleShot(0, [&seen, work] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            if ((seen = dialog != nullptr))
                work(*dialog);
        });
        (editor.Frame().*command)();
        QVERIFY(seen);
    }
    guitest::Editor editor;
};

template <typename T>
T* Child(QWidget& dialog, const char* name)
{
    return dialog.findChild<T*>(name);
}

} // namespace

class EditCommandsTests : public QObject
{
    Q_OBJECT

private slots:
    void find_remembers_a_confirmed_search_and_a_failed_one_clears_the_selection_but_keeps_the_form()
    {
        Running r;
        r.Run<CSearchDlg>(&CMainFrame::OnFind, [](CSearchDlg& d) {
            Child<QLineEdit>(d, "IDC_SEARCH_TEXT")->setText("kilo");
            Child<QPushButton>(d, "IDCANCEL")->click();
        });
        QVERIFY(!r.findNextEnabled() && !r.tree()->currentItem());

        r.Run<CSearchDlg>(&CMainFrame::OnFind, [](CSearchDlg& d) {
            QVERIFY(Child<QRadioButton>(d, "IDC_DIRECTION_DOWN")->isChecked());
            Child<QLineEdit>(d, "IDC_SEARCH_TEXT")->setText("kilo");
            Child<QCheckBox>(d, "IDC_WHOLE_WORD")->setChecked(true);
            Child<QPushButton>(d, "IDOK")->click();
        });
        QVERIFY(r.findNextEnabled());
        QCOMPARE(r.tree()->currentItem()->text(0), QStringLiteral("Kilo J"));
        QCOMPARE(r.game().m_nCurPlayer, int(r.game().Team(kTestTeam)->m_firstXI[10]));
        r.Run<CSearchDlg>(&CMainFrame::OnFind, [](CSearchDlg& d) { // opens with the stored settings
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
        r.Run<CTeamPropertiesDlg>(&CMainFrame::OnTeamProperties, [](CTeamPropertiesDlg& d) {
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
        r.Run<CTeamPropertiesDlg>(&CMainFrame::OnTeamProperties, [](CTeamPropertiesDlg& d) { d.reject(); });
        QCOMPARE(r.game().m_bModified, 1u);

        r.game().m_bModified = 0;
        r.select("Lima J");
        const int shown = r.game().m_nCurPlayer;
        r.Run<CTeamPropertiesDlg>(&CMainFrame::OnTeamProperties, [](CTeamPropertiesDlg& d) { Child<QPushButton>(d, "IDOK")->click(); });
        QVERIFY(r.game().m_nCurPlayer == shown && r.tree()->currentItem() && !r.game().m_bModified);
        r.Run<CTeamPropertiesDlg>(&CMainFrame::OnTeamProperties, [](CTeamPropertiesDlg& d) {
            Child<QComboBox>(d, "IDC_TEAM_NAME")->setEditText("Anteaters");
            Child<QPushButton>(d, "IDOK")->click();
        });
        QVERIFY(r.game().m_bModified && r.game().m_nCurPlayer == -1 && !r.tree()->currentItem());
        QVERIFY(r.editor.TopLevel("Anteaters"));
    }
};

QTEST_MAIN(EditCommandsTests)
#include "EditCommandsTests.moc"
