// The List of Players that Hire... opens.
#include "ScriptedMessages.h"
#include "TeamsTestGame.h"

#include "teamdialogs/CPlayerListDlg.h"
#include "tree/CSortableListCtrl.h"

#include "Cp1252.h"

#include <QPushButton>
#include <QtTest>

using namespace teamstest;

namespace {

struct HireList
{
    HireList(LoadedGame& game, std::uint16_t team)
        : dlg(game.game, team), list(dlg.findChild<CSortableListCtrl*>("IDC_PLAYER_LIST"))
    {
    }
    QTreeWidgetItem* Row(std::uint32_t playerId)
    {
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            if (list->topLevelItem(i)->data(0, Qt::UserRole).toUInt() == playerId)
                return list->topLevelItem(i);
        return nullptr;
    }
    // Selects the first `count` listed players who are in no team.
    std::vector<std::uint32_t> SelectFree(LoadedGame& g, int count)
    {
        std::vector<std::uint32_t> ids;
        for (int i = 0; i < list->topLevelItemCount() && static_cast<int>(ids.size()) < count; ++i) {
            const std::uint32_t id = list->topLevelItem(i)->data(0, Qt::UserRole).toUInt();
            if (g.Player(id).Team() == kNoTeam) {
                list->topLevelItem(i)->setSelected(true);
                ids.push_back(id);
            }
        }
        return ids;
    }
    void Click(const char* button) { dlg.findChild<QPushButton*>(button)->click(); }
    CPlayerListDlg dlg;
    CSortableListCtrl* list;
};

} // namespace

class PlayerListDlgTests : public QObject
{
    Q_OBJECT

private slots:
    void lists_every_player_outside_the_team_by_name_with_type_and_team_or_origin()
    {
        LoadedGame g;
        HireList h(g, kTestTeam);
        QCOMPARE(h.dlg.windowTitle(), QStringLiteral("List of Players"));
        QTreeWidgetItem* header = h.list->headerItem();
        QCOMPARE(QStringList({header->text(0), header->text(1), header->text(2)}),
            QStringList({"Player", "Type", "Team/Origin"}));
        QCOMPARE(QList<int>({h.list->columnWidth(0), h.list->columnWidth(1), h.list->columnWidth(2)}),
            QList<int>({110, 45, 130}));
        QVERIFY(h.list->columnCount() == 3 && h.list->selectionMode() == QAbstractItemView::ExtendedSelection);

        int outside = 0;
        for (const auto& player : g.game.m_players)
            outside += player && player->Team() != kTestTeam;
        QCOMPARE(h.list->topLevelItemCount(), outside);
        for (std::uint32_t id : g.built.testSquad)
            QVERIFY(!h.Row(id));
        const CPlayer& other = g.Player(g.built.otherTeamXIPlayer);
        QTreeWidgetItem* row = h.Row(other.m_nId);
        QCOMPARE(row->text(0), QString::fromStdString(Cp1252::ToUtf8(other.GetDisplayName())));
        QCOMPARE(row->text(1), QString::fromStdString(Cp1252::ToUtf8(other.GetTypeAbbrev())));
        QCOMPARE(row->text(2), QStringLiteral("Surrey"));
        QVERIFY(!row->icon(0).isNull());
        QCOMPARE(h.Row(g.built.originPlayer)->text(2), QStringLiteral("Surrey"));
        QCOMPARE(h.Row(g.built.noOriginPlayer)->text(2), QString());
        for (int i = 1; i < h.list->topLevelItemCount(); ++i) {
            const QString a = h.list->topLevelItem(i - 1)->text(0), b = h.list->topLevelItem(i)->text(0);
            QVERIFY2(QString::compare(a, b, Qt::CaseInsensitive) <= 0, qPrintable(a + " > " + b));
        }
    }

    void a_squad_grows_to_forty_players_at_most()
    {
        LoadedGame g;
        ScriptedMessages messages;
        {
            HireList h(g, kTeamOf37);
            const auto ids = h.SelectFree(g, 3);
            h.Click("IDOK");
            QCOMPARE(h.dlg.result(), int(QDialog::Accepted));
            QCOMPARE(int(g.Team(kTeamOf37).m_wPlayerCount), 40);
            for (std::uint32_t id : ids)
                QVERIFY(g.Player(id).Team() == kTeamOf37 && g.Team(kTeamOf37).HasInSquad(id));
        }
        QVERIFY(messages.shown.isEmpty());
        g.game.m_bModified = 0;
        HireList h(g, kTeamOf38);
        h.dlg.show();
        const auto three = h.SelectFree(g, 3);
        h.Click("IDOK");
        QCOMPARE(messages.shown, QStringList({"Too many players (max. 40)"}));
        QVERIFY(h.dlg.isVisible());
        QCOMPARE(int(g.Team(kTeamOf38).m_wPlayerCount), 38);
        for (std::uint32_t id : three)
            QCOMPARE(g.Player(id).Team(), kNoTeam);
        QVERIFY(!g.game.m_bModified);
        h.Row(three[2])->setSelected(false);
        h.Click("IDOK");
        QCOMPARE(h.dlg.result(), int(QDialog::Accepted));
        QCOMPARE(int(g.Team(kTeamOf38).m_wPlayerCount), 40);
    }

    void hiring_a_player_of_another_team_takes_him_out_of_its_squad_and_first_xi()
    {
        LoadedGame g;
        const std::uint32_t id = g.built.otherTeamXIPlayer;
        {
            HireList h(g, kTestTeam); // Cancel and OK without a selection move nobody
            h.SelectFree(g, 2);
            h.Click("IDCANCEL");
            HireList none(g, kTestTeam);
            none.Click("IDOK");
            QCOMPARE(none.dlg.result(), int(QDialog::Accepted));
            QVERIFY(!g.game.m_bModified && g.Team(kTestTeam).m_wPlayerCount == 15);
        }
        HireList h(g, kTestTeam);
        h.Row(id)->setSelected(true);
        h.Click("IDOK");
        QCOMPARE(g.Player(id).Team(), kTestTeam);
        QVERIFY(!g.Team(kOriginTeam).HasInSquad(id) && !g.Team(kOriginTeam).HasInFirstXI(id));
        QCOMPARE(int(g.Team(kTestTeam).m_wPlayerCount), 16);
        QCOMPARE(g.Team(kTestTeam).m_squad[15], id);
        QVERIFY(g.Player(id).m_bModified && g.game.m_bModified);
    }
};

QTEST_MAIN(PlayerListDlgTests)
#include "PlayerListDlgTests.moc"
