// The List of Players that Hire... opens.
#include "ScriptedMessages.h"
#include "TeamsTestGame.h"

#include "teamdialogs/CPlayerListDlg.h"
#include "tree/CSortableListCtrl.h"

#include "Cp1252.h"

#include <QHeaderView>
#include <QPushButton>
#include <QtTest>

using namespace teamstest;

namespace {

CSortableListCtrl* List(CPlayerListDlg& dialog)
{
    return dialog.findChild<CSortableListCtrl*>("IDC_PLAYER_LIST");
}

QTreeWidgetItem* Row(CPlayerListDlg& dialog, std::uint32_t playerId)
{
    CSortableListCtrl* list = List(dialog);
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->data(0, Qt::UserRole).toUInt() == playerId)
            return list->topLevelItem(i);
    return nullptr;
}

QString ShownText(const std::string& text)
{
    return QString::fromStdString(Cp1252::ToUtf8(text));
}

// Selects the first `count` listed players who are in no team.
std::vector<std::uint32_t> SelectFreePlayers(LoadedGame& g, CPlayerListDlg& dialog, int count)
{
    std::vector<std::uint32_t> ids;
    CSortableListCtrl* list = List(dialog);
    for (int i = 0; i < list->topLevelItemCount() && static_cast<int>(ids.size()) < count; ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        const std::uint32_t id = item->data(0, Qt::UserRole).toUInt();
        if (g.Player(id).Team() == kNoTeam) {
            item->setSelected(true);
            ids.push_back(id);
        }
    }
    return ids;
}

} // namespace

class PlayerListDlgTests : public QObject
{
    Q_OBJECT

private slots:
    void lists_every_player_outside_the_team_with_name_type_and_team_or_origin()
    {
        LoadedGame g;
        CPlayerListDlg dialog(g.game, kTestTeam);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("List of Players"));
        CSortableListCtrl* list = List(dialog);
        QVERIFY(list);
        QCOMPARE(list->columnCount(), 3);
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("Player"));
        QCOMPARE(list->headerItem()->text(1), QStringLiteral("Type"));
        QCOMPARE(list->headerItem()->text(2), QStringLiteral("Team/Origin"));
        QCOMPARE(list->columnWidth(0), 110);
        QCOMPARE(list->columnWidth(1), 45);
        QCOMPARE(list->columnWidth(2), 130);
        QVERIFY(list->selectionMode() == QAbstractItemView::ExtendedSelection);

        int outside = 0;
        for (const auto& player : g.game.m_players)
            if (player && player->Team() != kTestTeam)
                ++outside;
        QCOMPARE(list->topLevelItemCount(), outside);
        for (std::uint32_t id : g.built.testSquad)
            QVERIFY(!Row(dialog, id));

        const CPlayer& other = g.Player(g.built.otherTeamXIPlayer);
        QTreeWidgetItem* row = Row(dialog, other.m_nId);
        QVERIFY(row);
        QCOMPARE(row->text(0), ShownText(other.GetDisplayName()));
        QCOMPARE(row->text(1), ShownText(other.GetTypeAbbrev()));
        QCOMPARE(row->text(2), QStringLiteral("Surrey"));
        QVERIFY(!row->icon(0).isNull());
        QCOMPARE(Row(dialog, g.built.originPlayer)->text(2), QStringLiteral("Surrey"));
        QCOMPARE(Row(dialog, g.built.noOriginPlayer)->text(2), QString());
    }

    void rows_start_sorted_by_name()
    {
        LoadedGame g;
        CPlayerListDlg dialog(g.game, kTestTeam);
        CSortableListCtrl* list = List(dialog);
        for (int i = 1; i < list->topLevelItemCount(); ++i) {
            const QString a = list->topLevelItem(i - 1)->text(0);
            const QString b = list->topLevelItem(i)->text(0);
            QVERIFY2(QString::compare(a, b, Qt::CaseInsensitive) <= 0, qPrintable(a + " > " + b));
        }
    }

    void clicking_a_heading_sorts_by_that_column()
    {
        LoadedGame g;
        CPlayerListDlg dialog(g.game, kTestTeam);
        CSortableListCtrl* list = List(dialog);
        list->OnHeaderItemClick(2, Qt::LeftButton);
        for (int i = 1; i < list->topLevelItemCount(); ++i)
            QVERIFY(list->topLevelItem(i - 1)->text(2).toLatin1() <= list->topLevelItem(i)->text(2).toLatin1());
    }

    void a_team_of_37_can_hire_three_at_once()
    {
        LoadedGame g;
        ScriptedMessages messages;
        CPlayerListDlg dialog(g.game, kTeamOf37);
        const auto ids = SelectFreePlayers(g, dialog, 3);
        dialog.findChild<QPushButton*>("IDOK")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(int(g.Team(kTeamOf37).m_wPlayerCount), 40);
        for (std::uint32_t id : ids) {
            QCOMPARE(g.Player(id).Team(), kTeamOf37);
            QVERIFY(g.Team(kTeamOf37).HasInSquad(id));
        }
    }

    void a_team_of_38_cannot_hire_three_but_can_hire_two()
    {
        LoadedGame g;
        ScriptedMessages messages;
        CPlayerListDlg dialog(g.game, kTeamOf38);
        dialog.show();
        const auto three = SelectFreePlayers(g, dialog, 3);
        dialog.findChild<QPushButton*>("IDOK")->click();
        QCOMPARE(messages.shown, QStringList({"Too many players (max. 40)"}));
        QVERIFY(dialog.isVisible());
        QCOMPARE(int(g.Team(kTeamOf38).m_wPlayerCount), 38);
        for (std::uint32_t id : three)
            QCOMPARE(g.Player(id).Team(), kNoTeam);
        QVERIFY(!g.game.m_bModified);

        Row(dialog, three[2])->setSelected(false);
        dialog.findChild<QPushButton*>("IDOK")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(int(g.Team(kTeamOf38).m_wPlayerCount), 40);
    }

    void hiring_a_player_of_another_team_takes_him_out_of_its_squad_and_first_xi()
    {
        LoadedGame g;
        ScriptedMessages messages;
        const std::uint32_t id = g.built.otherTeamXIPlayer;
        CPlayerListDlg dialog(g.game, kTestTeam);
        Row(dialog, id)->setSelected(true);
        dialog.findChild<QPushButton*>("IDOK")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(g.Player(id).Team(), kTestTeam);
        QVERIFY(!g.Team(kOriginTeam).HasInSquad(id));
        QVERIFY(!g.Team(kOriginTeam).HasInFirstXI(id));
        QCOMPARE(int(g.Team(kTestTeam).m_wPlayerCount), 16);
        QCOMPARE(g.Team(kTestTeam).m_squad[15], id);
        QVERIFY(g.Player(id).m_bModified && g.game.m_bModified);
    }

    void ok_with_nothing_selected_and_cancel_move_nobody()
    {
        LoadedGame g;
        {
            CPlayerListDlg dialog(g.game, kTestTeam);
            dialog.findChild<QPushButton*>("IDOK")->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        {
            CPlayerListDlg dialog(g.game, kTestTeam);
            SelectFreePlayers(g, dialog, 2);
            dialog.findChild<QPushButton*>("IDCANCEL")->click();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        QCOMPARE(int(g.Team(kTestTeam).m_wPlayerCount), 15);
        QVERIFY(!g.game.m_bModified);
    }
};

QTEST_MAIN(PlayerListDlgTests)
#include "PlayerListDlgTests.moc"
