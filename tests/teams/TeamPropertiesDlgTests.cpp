// The Team Properties dialog as the user works it: controls, messages,
// switching, OK and Cancel, and Hire...
#include "TeamsTestGame.h"

#include "teamdialogs/CPlayerListDlg.h"
#include "teamdialogs/CTeamPropertiesDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QtTest>

using namespace teamstest;
using Answer = IMessageService::Answer;

namespace {

struct Dialog : ShownDialog
{
    using ShownDialog::ShownDialog;
    QComboBox* combo() { return dlg.findChild<QComboBox*>("IDC_TEAM_NAME"); }
    QLineEdit* edit(const char* name) { return dlg.findChild<QLineEdit*>(name); }
    void switchTo(const char* team) { combo()->setCurrentIndex(combo()->findText(team)); }
    QStringList shown() const { return messages.MessageTexts(); }
};

QStringList Column(const QTreeWidget* list, int column)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(column);
    return texts;
}

QStringList Names(const QTreeWidget* list) // family names: the rows' texts up to the blank
{
    return Column(list, 0).replaceInStrings(QRegularExpression(" .*"), "");
}

const QStringList kFirstXI{"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel", "India", "Juliet",
    "Kilo"};
const QStringList kMarks{"", "", "", "*", "", "", "+", "", "", "1", "2"};
const QString kBudgetRange = "Please enter an integer between 0 and 1000000000.";

} // namespace

class TeamPropertiesDlgTests : public QObject
{
    Q_OBJECT

private slots:
    // Help: TeamDialogsTests.
    void opens_on_the_first_team_by_name_with_both_lists_and_hires_into_the_team_list()
    {
        Dialog d;
        QStringList teams;
        for (int i = 0; i < d.combo()->count(); ++i)
            teams << d.combo()->itemText(i);
        QCOMPARE(teams.mid(0, 2), QStringList({kTestTeamName, "Derbyshire"}));
        QVERIFY(std::is_sorted(teams.begin(), teams.end(), [](auto& a, auto& b) { return a.toLatin1() < b.toLatin1(); }));
        QCOMPARE(QStringList({d.combo()->currentText(), d.edit("IDC_SHORT_NAME")->text(), d.edit("IDC_ABBREV")->text(),
                     d.edit("IDC_BUDGET")->text()}),
            QStringList({kTestTeamName, "Aardva", "Aar", "500000"}));
        QCOMPARE(Names(d.xi()), kFirstXI);
        QCOMPARE(Column(d.xi(), 1), kMarks);
        QCOMPARE(Names(d.teamList()), QStringList({"Lima", "Mike", "Xray", "Yankee"}));
        // A hired player joins the Team List only.
        const std::uint32_t hired = d.g.built.noOriginPlayer;
        const auto hiring = guitest::WhenModalOpens<CPlayerListDlg>([&](CPlayerListDlg& list) {
            auto* rows = list.findChild<QTreeWidget*>("IDC_PLAYER_LIST");
            for (int i = 0; i < rows->topLevelItemCount(); ++i)
                rows->topLevelItem(i)->setSelected(rows->topLevelItem(i)->data(0, Qt::UserRole).toUInt() == hired);
            list.findChild<QPushButton*>("IDOK")->click();
        });
        d.click("IDC_HIRE");
        QCOMPARE(*hiring, 1);
        QCOMPARE(Names(d.xi()), kFirstXI);
        QCOMPARE(d.teamList()->topLevelItemCount(), 5);
        QVERIFY(Names(d.teamList()).contains(QString::fromStdString(d.g.Player(hired).m_strFamilyName)));
        QCOMPARE(d.g.Player(hired).Team(), kTestTeam);
    }

    void buttons_without_the_selection_they_need_say_so_and_change_nothing()
    {
        const struct
        {
            QStringList team, xi;
            const char* button;
            const char* message;
        } cases[] = {
            {{}, {}, "IDC_ADD_TO_XI", "Please select player(s) to add to the First XI."},
            {{"Lima"}, {}, "IDC_ADD_TO_XI", "Too many players to be added to First XI"},
            {{}, {}, "IDC_REMOVE_FROM_XI", "Please select player(s) to remove from the First XI."},
            {{}, {}, "IDC_SACK", "Please select player(s) to sack from the team."},
            {{"Lima", "Mike"}, {"Alpha"}, "IDC_SWAP", "Only one player can be swapped at a time."},
            {{"Lima"}, {}, "IDC_SWAP", "Select a player on each list to be swapped."},
            {{}, {"Juliet"}, "IDC_OPEN2", "The selected player is already an opening bowler."},
        };
        Dialog d;
        const CTeam before = d.g.Team(kTestTeam);
        for (const auto& c : cases) {
            SelectRows(d.teamList(), c.team);
            SelectRows(d.xi(), c.xi);
            d.messages.requests.clear();
            d.click(c.button);
            QCOMPARE(d.shown(), QStringList({c.message}));
        }
        QCOMPARE(Names(d.xi()), kFirstXI);
        QCOMPARE(Column(d.xi(), 1), kMarks);
        QVERIFY(d.g.Team(kTestTeam).SameContent(before));
    }

    void switching_needs_eleven_players_and_a_valid_budget_and_keeps_the_typed_values_but_not_the_name()
    {
        Dialog d;
        SelectRows(d.xi(), {"Kilo"});
        d.click("IDC_REMOVE_FROM_XI");
        d.switchTo("Kent");
        d.click("IDOK");
        QCOMPARE(d.shown(), QStringList({"There must be 11 players in the First XI.", "There must be 11 players in the First XI"}));
        QCOMPARE(d.combo()->currentText(), QString::fromLatin1(kTestTeamName));
        SelectRows(d.teamList(), {"Kilo"});
        d.click("IDC_ADD_TO_XI");

        d.messages.requests.clear();
        d.edit("IDC_BUDGET")->setText("lots");
        d.switchTo("Kent");
        d.click("IDOK");
        QCOMPARE(d.shown(), QStringList({kBudgetRange, kBudgetRange}));
        QVERIFY(d.dlg.isVisible() && d.combo()->currentText() == QString::fromLatin1(kTestTeamName));

        d.messages.requests.clear();
        d.combo()->setEditText("Anteaters");
        d.edit("IDC_BUDGET")->setText("123");
        d.edit("IDC_ABBREV")->setText("ANT");
        d.switchTo("Kent");
        QVERIFY(d.shown().isEmpty());
        QVERIFY(d.combo()->currentText() == "Kent" && d.edit("IDC_ABBREV")->text() == "Ken");
        QCOMPARE(d.xi()->topLevelItemCount(), 11);
        const CTeam& left = d.g.Team(kTestTeam);
        QVERIFY(left.m_strName == kTestTeamName && left.m_strAbbrev == "ANT" && left.Budget() == 123);
        QVERIFY(d.dlg.Changed());
    }

    void ok_stores_the_typed_name_refuses_what_the_game_cannot_store_and_asks_for_the_master_database()
    {
        Dialog d("DATABASE.DB");
        d.edit("IDC_SHORT_NAME")->setText("Ants \u4e00");
        d.click("IDOK");
        QVERIFY(d.shown().size() == 1 && d.shown().front().contains("cannot be stored"));
        QVERIFY(d.dlg.isVisible() && d.g.Team(kTestTeam).m_strShortName == "Aardva");

        d.messages.requests.clear();
        d.edit("IDC_SHORT_NAME")->setText("Ants");
        d.combo()->lineEdit()->selectAll();
        QTest::keyClicks(d.combo()->lineEdit(), "Ke"); // no completion to "Kent"
        d.messages.answers = {Answer::No};
        d.click("IDOK");
        QCOMPARE(d.shown(), QStringList({"Changing team names in DATABASE.DB might result in unexpected error in the "
                                         "game. Do you wish to continue?"}));
        QVERIFY(d.dlg.isVisible() && !d.g.game.IsModified());
        d.messages.answers = {Answer::Yes};
        d.click("IDOK");
        QVERIFY(!d.dlg.isVisible() && d.dlg.result() == QDialog::Accepted);
        QVERIFY(d.dlg.Changed() && d.g.game.IsModified() && d.g.Team(kTestTeam).m_bModified);
        QCOMPARE(d.g.Team(kTestTeam).m_strName, "Ke");
    }
};

QTEST_MAIN(TeamPropertiesDlgTests)
#include "TeamPropertiesDlgTests.moc"
