// The List of Players that Hire... opens.
#include "ScriptedMessageService.h"
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
        : g(game), dlg(game.game, team), list(dlg.findChild<CSortableListCtrl*>("IDC_PLAYER_LIST"))
    {
    }
    QTreeWidgetItem* Row(std::uint32_t playerId)
    {
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            if (list->topLevelItem(i)->data(0, Qt::UserRole).toUInt() == playerId)
                return list->topLevelItem(i);
        return nullptr;
    }
    std::vector<std::uint32_t> SelectFree(int count) // the first `count` listed players in no team
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
    LoadedGame& g;
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
        int outside = 0;
        for (const auto& player : g.game.m_players)
            outside += player && player->Team() != kTestTeam;
        QCOMPARE(h.list->topLevelItemCount(), outside);
        for (std::uint32_t id : g.built.testSquad)
            QVERIFY(!h.Row(id));
        const CPlayer& other = g.Player(g.built.otherTeamXIPlayer);
        QTreeWidgetItem* row = h.Row(other.m_nId);
        QCOMPARE(QStringList({row->text(0), row->text(1), row->text(2)}),
            QStringList({QString::fromStdString(Cp1252::ToUtf8(other.GetDisplayName())),
                QString::fromStdString(Cp1252::ToUtf8(other.GetTypeAbbrev())), "Surrey"}));
        QVERIFY(!row->icon(0).isNull());
        QCOMPARE(h.Row(g.built.originPlayer)->text(2), QStringLiteral("Surrey"));
        QCOMPARE(h.Row(g.built.noOriginPlayer)->text(2), QString());
        for (int i = 1; i < h.list->topLevelItemCount(); ++i) {
            const QString a = h.list->topLevelItem(i - 1)->text(0), b = h.list->topLevelItem(i)->text(0);
            QVERIFY2(QString::compare(a, b, Qt::CaseInsensitive) <= 0, qPrintable(a + " > " + b));
        }
    }

    void hiring_moves_players_from_any_team_and_a_squad_grows_to_forty_at_most()
    {
        LoadedGame g;
        ScriptedMessageService messages;
        {
            HireList h(g, kTestTeam); // Cancel, and OK without a selection, move nobody
            h.SelectFree(2);
            h.Click("IDCANCEL");
            HireList none(g, kTestTeam);
            none.Click("IDOK");
            QVERIFY(none.dlg.result() == QDialog::Accepted && !g.game.m_bModified && g.Team(kTestTeam).m_wPlayerCount == 15);
        }
        {
            const std::uint32_t id = g.built.otherTeamXIPlayer; // leaves his squad and First XI
            HireList h(g, kTestTeam);
            h.Row(id)->setSelected(true);
            h.Click("IDOK");
            QCOMPARE(g.Player(id).Team(), kTestTeam);
            QVERIFY(!g.Team(kOriginTeam).HasInSquad(id) && !g.Team(kOriginTeam).HasInFirstXI(id));
            QVERIFY(g.Team(kTestTeam).m_wPlayerCount == 16 && g.Team(kTestTeam).m_squad[15] == id);
            QVERIFY(g.Player(id).m_bModified && g.game.m_bModified);
        }
        {
            HireList h(g, kTeamOf37);
            const auto ids = h.SelectFree(3);
            h.Click("IDOK");
            QCOMPARE(h.dlg.result(), int(QDialog::Accepted));
            QCOMPARE(int(g.Team(kTeamOf37).m_wPlayerCount), 40);
            for (std::uint32_t id : ids)
                QVERIFY(g.Player(id).Team() == kTeamOf37 && g.Team(kTeamOf37).HasInSquad(id));
        }
        QVERIFY(messages.requests.empty());
        g.game.m_bModified = 0;
        HireList h(g, kTeamOf38);
        h.dlg.show();
        const auto three = h.SelectFree(3);
        h.Click("IDOK");
        QCOMPARE(messages.MessageTexts(), QStringList({"Too many players (max. 40)"}));
        QVERIFY(h.dlg.isVisible() && g.Team(kTeamOf38).m_wPlayerCount == 38 && !g.game.m_bModified);
        for (std::uint32_t id : three)
            QCOMPARE(g.Player(id).Team(), kNoTeam);
        h.Row(three[2])->setSelected(false);
        h.Click("IDOK");
        QCOMPARE(h.dlg.result(), int(QDialog::Accepted));
        QCOMPARE(int(g.Team(kTeamOf38).m_wPlayerCount), 40);
    }
};

QTEST_MAIN(PlayerListDlgTests)
#include "PlayerListDlgTests.moc"
