// The Team Properties dialog as the user works it: controls, messages,
// switching, OK and Cancel, the role buttons, dragging and Hire...
#include "ScriptedMessages.h"
#include "TeamsTestGame.h"

#include "teamdialogs/CPlayerListDlg.h"
#include "teamdialogs/CTeamPropertiesDlg.h"
#include "teamdialogs/FirstXIDragger.h"
#include "tree/CSortableListCtrl.h"
#include "res/OrbekResources.h"
#include "shell/CHelpViewer.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace teamstest;

namespace {

struct Dialog
{
    explicit Dialog(LoadedGame& game)
        : dlg(game.game)
    {
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    }
    QTreeWidget* teamList() { return dlg.findChild<QTreeWidget*>("IDC_TEAM_LIST"); }
    QTreeWidget* firstXI() { return dlg.findChild<QTreeWidget*>("IDC_FIRST_XI"); }
    QComboBox* combo() { return dlg.findChild<QComboBox*>("IDC_TEAM_NAME"); }
    QLineEdit* edit(const char* name) { return dlg.findChild<QLineEdit*>(name); }
    void click(const char* name)
    {
        auto* button = dlg.findChild<QPushButton*>(name);
        QVERIFY2(button, name);
        button->click();
    }
    CTeamPropertiesDlg dlg;
};

QStringList Column(const QTreeWidget* list, int column)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(column);
    return texts;
}

void Select(QTreeWidget* list, std::initializer_list<const char*> prefixes)
{
    list->clearSelection();
    for (const char* prefix : prefixes) {
        bool found = false;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            if (list->topLevelItem(i)->text(0).startsWith(QString::fromLatin1(prefix))) {
                list->topLevelItem(i)->setSelected(true);
                found = true;
            }
        QVERIFY2(found, prefix);
    }
}

QStringList FamilyNames(const QTreeWidget* list)
{
    QStringList names;
    for (const QString& text : Column(list, 0))
        names << text.section(' ', 0, 0);
    return names;
}

// A point inside row `row` of a list's viewport, `dy` pixels below the
// row's top.
QPoint RowPoint(QTreeWidget* list, int row, int dy)
{
    const QRect rect = list->visualItemRect(list->topLevelItem(row));
    return QPoint(rect.left() + 20, rect.top() + dy);
}

void Drag(QWidget* from, QPoint start, QWidget* to, QPoint end)
{
    QTest::mousePress(from, Qt::LeftButton, {}, start);
    const QPoint globalEnd = to->mapToGlobal(end);
    const QPoint midway = from->mapFromGlobal((from->mapToGlobal(start) + globalEnd) / 2) + QPoint(0, 1);
    for (const QPoint p : {start + QPoint(0, QApplication::startDragDistance() + 2), midway, from->mapFromGlobal(globalEnd)}) {
        QMouseEvent move(QEvent::MouseMove, p, from->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(from, &move);
    }
    QMouseEvent release(QEvent::MouseButtonRelease, from->mapFromGlobal(globalEnd), globalEnd, Qt::LeftButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(from, &release);
}

const QStringList kFirstXI{"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel", "India", "Juliet",
    "Kilo"};

} // namespace

class TeamPropertiesDlgTests : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { InitOrbekResources(); }

    void help_button_and_f1_open_the_teams_help_page()
    {
        LoadedGame g;
        Dialog d(g);
        auto helpPage = [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* viewer = qobject_cast<CHelpViewer*>(w); viewer && viewer->isVisible())
                    return viewer->CurrentPage().toString();
            return QString();
        };
        d.click("IDHELP");
        QVERIFY2(helpPage().endsWith(QStringLiteral("Html/EditTeams.htm")), qPrintable(helpPage()));
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<CHelpViewer*>(w))
                w->hide();
        QVERIFY(helpPage().isEmpty());
        d.dlg.activateWindow();
        QTest::keyClick(&d.dlg, Qt::Key_F1);
        QVERIFY2(helpPage().endsWith(QStringLiteral("Html/EditTeams.htm")), qPrintable(helpPage()));
    }

    void opens_on_the_first_team_by_name_with_both_lists_filled()
    {
        LoadedGame g;
        g.game.m_nCurPlayer = static_cast<int>(g.Team(kTeamOf38).m_squad[0]);
        Dialog d(g);
        QCOMPARE(d.dlg.windowTitle(), QStringLiteral("Team Properties"));
        QCOMPARE(d.combo()->currentText(), QString::fromLatin1(kTestTeamName));
        QCOMPARE(d.combo()->count(), 18);
        QCOMPARE(d.combo()->itemText(1), QStringLiteral("Derbyshire"));
        QVERIFY(d.combo()->isEditable());
        QCOMPARE(d.edit("IDC_SHORT_NAME")->text(), QStringLiteral("Aardva"));
        QCOMPARE(d.edit("IDC_ABBREV")->text(), QStringLiteral("Aar"));
        QCOMPARE(d.edit("IDC_BUDGET")->text(), QStringLiteral("500000"));
        for (QTreeWidget* list : {d.teamList(), d.firstXI()}) {
            QCOMPARE(list->headerItem()->text(0), QStringLiteral("Player"));
            QCOMPARE(list->headerItem()->text(1), QStringLiteral(" "));
            QCOMPARE(list->columnWidth(0), 110);
            QCOMPARE(list->columnWidth(1), 40);
            QVERIFY(list->selectionMode() == QAbstractItemView::ExtendedSelection);
        }
        QCOMPARE(FamilyNames(d.firstXI()), kFirstXI);
        QCOMPARE(Column(d.firstXI(), 0).front(), QStringLiteral("Alpha J"));
        QCOMPARE(Column(d.firstXI(), 1), QStringList({"", "", "", "*", "", "", "+", "", "", "1", "2"}));
        QCOMPARE(FamilyNames(d.teamList()), QStringList({"Lima", "Mike", "Xray", "Yankee"}));
        QCOMPARE(d.teamList()->topLevelItem(0)->data(0, Qt::UserRole).toUInt(), g.IdOf("Lima"));
        QVERIFY(!d.teamList()->topLevelItem(0)->icon(0).isNull());
        QCOMPARE(d.teamList()->topLevelItem(0)->text(1), QString::fromStdString(g.Player(g.IdOf("Lima")).GetTypeAbbrev()));
        for (const char* name : {"IDC_CAPTAIN", "IDC_KEEPER", "IDC_OPEN1", "IDC_OPEN2"}) {
            const QIcon icon = d.dlg.findChild<QPushButton*>(name)->icon();
            QVERIFY2(icon.availableSizes().contains(QSize(16, 16)), name);
            QVERIFY2(icon.pixmap(16, 16).toImage() != QImage(), name);
        }
    }

    void list_buttons_show_their_messages()
    {
        LoadedGame g;
        ScriptedMessages messages;
        Dialog d(g);
        d.click("IDC_ADD_TO_XI");
        d.click("IDC_REMOVE_FROM_XI");
        d.click("IDC_SWAP");
        d.click("IDC_SACK");
        d.click("IDC_CAPTAIN");
        d.click("IDC_OPEN2");
        QCOMPARE(messages.shown, QStringList({"Please select player(s) to add to the First XI.",
                                     "Please select player(s) to remove from the First XI.",
                                     "Select a player on each list to be swapped.",
                                     "Please select player(s) to sack from the team.",
                                     "Select a player to assign as the captain.",
                                     "Select a player to assign as the second opening bowler."}));
    }

    void moving_players_between_the_lists_keeps_the_selection_where_the_list_control_would()
    {
        LoadedGame g;
        ScriptedMessages messages;
        Dialog d(g);
        Select(d.firstXI(), {"Juliet", "Kilo"});
        d.click("IDC_REMOVE_FROM_XI");
        Select(d.teamList(), {"Xray", "Yankee"});
        d.click("IDC_ADD_TO_XI");
        QCOMPARE(FamilyNames(d.firstXI()), QStringList({"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf",
                                               "Hotel", "Xray", "Yankee", "India"}));
        QCOMPARE(FamilyNames(d.teamList()), QStringList({"Juliet", "Kilo", "Lima", "Mike"}));
        QVERIFY(messages.shown.isEmpty());
    }

    void role_buttons_move_the_marks_and_refuse_both_opening_ends()
    {
        LoadedGame g;
        ScriptedMessages messages;
        Dialog d(g);
        Select(d.firstXI(), {"Foxtrot"});
        d.click("IDC_CAPTAIN");
        QCOMPARE(Column(d.firstXI(), 1), QStringList({"", "", "", "", "", "*", "+", "", "", "1", "2"}));
        Select(d.firstXI(), {"Juliet"});
        d.click("IDC_OPEN2");
        QCOMPARE(messages.shown, QStringList({"The selected player is already an opening bowler."}));
        d.click("IDC_KEEPER");
        QCOMPARE(Column(d.firstXI(), 1)[9], QStringLiteral("1+"));
        QVERIFY(d.firstXI()->topLevelItem(9)->isSelected());
        Select(d.firstXI(), {"Alpha", "Bravo"});
        d.click("IDC_OPEN1");
        QCOMPARE(messages.shown.last(), QStringLiteral("Only one player can be assign as the first opening bowler."));
        d.click("IDOK");
        QCOMPARE(d.dlg.result(), int(QDialog::Accepted));
        QCOMPARE(g.Team(kTestTeam).Captain(), 5);
        QCOMPARE(g.Team(kTestTeam).KeeperPos(), 9);
    }

    void dragging_an_entry_drops_it_before_the_entry_ten_pixels_below_the_cursor()
    {
        LoadedGame g;
        Dialog d(g);
        QTreeWidget* xi = d.firstXI();
        const int rowHeight = xi->visualItemRect(xi->topLevelItem(0)).height();
        QVERIFY(rowHeight > 10);
        // Upper part of row 3: the target is row 3 itself.
        Drag(xi->viewport(), RowPoint(xi, 0, 2), xi->viewport(), RowPoint(xi, 3, 1));
        QCOMPARE(FamilyNames(xi).mid(0, 5), QStringList({"Bravo", "Charlie", "Alpha", "Delta", "Echo"}));
        // Lower part of row 1: ten pixels down is row 2, so the entry lands
        // before row 2.
        Drag(xi->viewport(), RowPoint(xi, 4, 2), xi->viewport(), RowPoint(xi, 1, rowHeight - 3));
        QCOMPARE(FamilyNames(xi).mid(0, 5), QStringList({"Bravo", "Charlie", "Echo", "Alpha", "Delta"}));
        // Marks travel with their players.
        QCOMPARE(Column(xi, 1)[4], QStringLiteral("*"));
    }

    void dropping_below_the_last_entry_moves_it_to_the_end()
    {
        LoadedGame g;
        Dialog d(g);
        QTreeWidget* xi = d.firstXI();
        const QPoint belowAll(20, xi->viewport()->height() - 3);
        QVERIFY(!xi->itemAt(belowAll + QPoint(0, 10)));
        Drag(xi->viewport(), RowPoint(xi, 1, 2), xi->viewport(), belowAll);
        QCOMPARE(FamilyNames(xi).last(), QStringLiteral("Bravo"));
        QCOMPARE(FamilyNames(xi).size(), 11);
    }

    void a_release_over_the_team_list_reorders_as_if_inside_the_first_xi()
    {
        LoadedGame g;
        Dialog d(g);
        QTreeWidget* xi = d.firstXI();
        QTreeWidget* team = d.teamList();
        const QStringList teamBefore = Column(team, 0);
        // The same point in the Team List as row 2 of the First XI.
        Drag(xi->viewport(), RowPoint(xi, 6, 2), team->viewport(), RowPoint(xi, 2, 1));
        QCOMPARE(FamilyNames(xi).mid(0, 4), QStringList({"Alpha", "Bravo", "Golf", "Charlie"}));
        QCOMPARE(Column(team, 0), teamBefore);
    }

    void a_release_over_a_header_or_elsewhere_changes_nothing()
    {
        LoadedGame g;
        Dialog d(g);
        QTreeWidget* xi = d.firstXI();
        QWidget* header = xi->header()->viewport();
        Drag(xi->viewport(), RowPoint(xi, 0, 2), header, QPoint(20, header->height() / 2));
        QCOMPARE(FamilyNames(xi), kFirstXI);
        QWidget* budget = d.edit("IDC_BUDGET");
        Drag(xi->viewport(), RowPoint(xi, 0, 2), budget, QPoint(5, 5));
        QCOMPARE(FamilyNames(xi), kFirstXI);
        auto* dragger = d.dlg.findChild<CFirstXIDragger*>();
        QVERIFY(dragger && !dragger->IsDragging());
    }

    void a_drag_then_cancel_leaves_the_stored_order_and_roles()
    {
        LoadedGame g;
        Dialog d(g);
        const CTeam before = g.Team(kTestTeam);
        QTreeWidget* xi = d.firstXI();
        Drag(xi->viewport(), RowPoint(xi, 3, 2), xi->viewport(), RowPoint(xi, 0, 1));
        QCOMPARE(FamilyNames(xi).front(), QStringLiteral("Delta"));
        d.click("IDCANCEL");
        QCOMPARE(d.dlg.result(), int(QDialog::Rejected));
        QVERIFY(g.Team(kTestTeam).SameContent(before));
    }

    void switching_with_ten_players_is_refused_and_the_combo_goes_back()
    {
        LoadedGame g;
        ScriptedMessages messages;
        Dialog d(g);
        Select(d.firstXI(), {"Kilo"});
        d.click("IDC_REMOVE_FROM_XI");
        d.combo()->setCurrentIndex(d.combo()->findText("Kent"));
        QCOMPARE(messages.shown, QStringList({"There must be 11 players in the First XI."}));
        QCOMPARE(d.combo()->currentText(), QString::fromLatin1(kTestTeamName));
        QCOMPARE(d.firstXI()->topLevelItemCount(), 10);
        d.click("IDOK");
        QCOMPARE(messages.shown.last(), QStringLiteral("There must be 11 players in the First XI"));
        QVERIFY(d.dlg.isVisible());
    }

    void switching_shows_the_chosen_team_and_keeps_the_typed_values_of_the_left_one()
    {
        LoadedGame g;
        ScriptedMessages messages;
        Dialog d(g);
        d.combo()->setEditText(QStringLiteral("Anteaters"));
        d.edit("IDC_BUDGET")->setText(QStringLiteral("123"));
        d.edit("IDC_ABBREV")->setText(QStringLiteral("ANT"));
        d.combo()->setCurrentIndex(d.combo()->findText("Kent"));
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(d.combo()->currentText(), QStringLiteral("Kent"));
        QCOMPARE(d.edit("IDC_ABBREV")->text(), QStringLiteral("Ken"));
        QCOMPARE(d.firstXI()->topLevelItemCount(), 11);
        QCOMPARE(g.Team(kTestTeam).m_strName, std::string(kTestTeamName));
        QCOMPARE(g.Team(kTestTeam).m_strAbbrev, std::string("ANT"));
        QCOMPARE(g.Team(kTestTeam).Budget(), 123);
        QVERIFY(d.dlg.Changed());
    }

    void a_bad_budget_refuses_the_switch_with_the_range_message()
    {
        LoadedGame g;
        ScriptedMessages messages;
        Dialog d(g);
        d.edit("IDC_BUDGET")->setText(QStringLiteral("lots"));
        d.combo()->setCurrentIndex(d.combo()->findText("Kent"));
        QCOMPARE(messages.shown, QStringList({"Please enter an integer between 0 and 1000000000."}));
        QCOMPARE(d.combo()->currentText(), QString::fromLatin1(kTestTeamName));
    }

    void ok_with_the_master_database_asks_and_no_keeps_the_dialog_open()
    {
        LoadedGame g("DATABASE.DB");
        ScriptedMessages messages;
        Dialog d(g);
        d.edit("IDC_BUDGET")->setText(QStringLiteral("42"));
        messages.answers = {IMessageService::Answer::No};
        d.click("IDOK");
        QCOMPARE(messages.shown, QStringList({"Changing team names in DATABASE.DB might result in unexpected error in the "
                                              "game. Do you wish to continue?"}));
        QVERIFY(messages.buttons.front() == IMessageService::Buttons::YesNo);
        QVERIFY(messages.icons.front() == IMessageService::Icon::Information);
        QVERIFY(d.dlg.isVisible());
        QVERIFY(!g.game.m_bModified);
        messages.answers = {IMessageService::Answer::Yes};
        d.click("IDOK");
        QVERIFY(!d.dlg.isVisible());
        QCOMPARE(d.dlg.result(), int(QDialog::Accepted));
        QVERIFY(d.dlg.Changed() && g.game.m_bModified && g.Team(kTestTeam).m_bModified);
        QCOMPARE(g.Team(kTestTeam).Budget(), 42);
    }

    void ok_in_a_save_file_stores_a_new_name_without_a_question()
    {
        LoadedGame g("LEAGUE.CAP");
        ScriptedMessages messages;
        Dialog d(g);
        d.combo()->setEditText(QStringLiteral("Anteaters"));
        d.click("IDOK");
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(d.dlg.result(), int(QDialog::Accepted));
        QCOMPARE(g.Team(kTestTeam).m_strName, std::string("Anteaters"));
        QCOMPARE(g.game.m_teamNames[kTestTeam], std::string("Anteaters"));
    }

    void a_typed_name_is_taken_as_typed_without_completion()
    {
        LoadedGame g("LEAGUE.CAP");
        ScriptedMessages messages;
        Dialog d(g);
        QLineEdit* name = d.combo()->lineEdit();
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Ke"));
        QCOMPARE(d.combo()->currentText(), QStringLiteral("Ke"));
        d.click("IDOK");
        QCOMPARE(g.Team(kTestTeam).m_strName, std::string("Ke"));
    }

    void a_name_the_game_cannot_store_is_refused_with_a_message()
    {
        LoadedGame g("LEAGUE.CAP");
        ScriptedMessages messages;
        Dialog d(g);
        d.edit("IDC_SHORT_NAME")->setText(QStringLiteral("Ants \u4e00"));
        d.click("IDOK");
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.shown.front().contains(QStringLiteral("cannot be stored")));
        QVERIFY(d.dlg.isVisible());
        QCOMPARE(g.Team(kTestTeam).m_strShortName, std::string("Aardva"));
    }

    void sacking_then_cancel_gives_the_player_his_team_back()
    {
        LoadedGame g;
        ScriptedMessages messages;
        Dialog d(g);
        Select(d.teamList(), {"Mike"});
        d.click("IDC_SACK");
        const std::uint32_t mike = g.IdOf("Mike");
        QCOMPARE(g.Player(mike).Team(), kNoTeam);
        QCOMPARE(FamilyNames(d.teamList()), QStringList({"Lima", "Xray", "Yankee"}));
        d.dlg.reject(); // the window's close box and Escape end here too
        QCOMPARE(g.Player(mike).Team(), kTestTeam);
    }

    void hire_adds_the_hired_players_to_the_team_list_only()
    {
        LoadedGame g;
        ScriptedMessages messages;
        Dialog d(g);
        const std::uint32_t hired = g.built.noOriginPlayer;
        bool sawList = false;
        QTimer::singleShot(0, [&] {
            auto* list = qobject_cast<CPlayerListDlg*>(QApplication::activeModalWidget());
            sawList = list != nullptr;
            if (!list)
                return;
            auto* rows = list->findChild<CSortableListCtrl*>("IDC_PLAYER_LIST");
            for (int i = 0; i < rows->topLevelItemCount(); ++i)
                if (rows->topLevelItem(i)->data(0, Qt::UserRole).toUInt() == hired)
                    rows->topLevelItem(i)->setSelected(true);
            list->findChild<QPushButton*>("IDOK")->click();
        });
        d.click("IDC_HIRE");
        QVERIFY(sawList);
        QCOMPARE(d.teamList()->topLevelItemCount(), 5);
        QCOMPARE(d.firstXI()->topLevelItemCount(), 11);
        QCOMPARE(FamilyNames(d.firstXI()), kFirstXI);
        bool listed = false;
        for (int i = 0; i < d.teamList()->topLevelItemCount(); ++i)
            listed = listed || d.teamList()->topLevelItem(i)->data(0, Qt::UserRole).toUInt() == hired;
        QVERIFY(listed);
        QCOMPARE(g.Player(hired).Team(), kTestTeam);
    }
};

QTEST_MAIN(TeamPropertiesDlgTests)
#include "TeamPropertiesDlgTests.moc"
