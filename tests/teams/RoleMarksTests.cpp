// A role mark moved by the user stays on one entry of the First XI list when
// other players come in at the role's stored place, and OK saves what the
// list shows.
#include "TeamsTestGame.h"

#include "teamdialogs/CTeamPropertiesDlg.h"

#include <QtTest>

using namespace teamstest;

class RoleMarksTests : public QObject
{
    Q_OBJECT

private slots:
    void a_moved_mark_is_not_doubled_by_a_player_arriving_at_its_stored_place()
    {
        // The test team: captain Delta (3), keeper Golf (6), openers Juliet (9), Kilo (10).
        const struct
        {
            const char* button;
            char mark;
            QString holder;
            std::int32_t (CTeam::*stored)() const;
        } roles[] = {
            {"IDC_CAPTAIN", '*', "Delta", &CTeam::Captain},
            {"IDC_KEEPER", '+', "Golf", &CTeam::KeeperPos},
            {"IDC_OPEN1", '1', "Juliet", &CTeam::OpenBowler1},
            {"IDC_OPEN2", '2', "Kilo", &CTeam::OpenBowler2},
        };
        for (const auto& role : roles) {
            for (const bool bySwap : {true, false}) {
                ShownDialog d;
                SelectRows(d.xi(), {"Alpha"});
                d.click(role.button);
                SelectRows(d.teamList(), {"Lima"});
                SelectRows(d.xi(), {role.holder});
                if (bySwap) {
                    d.click("IDC_SWAP");
                } else { // out with <<<, then Lima in at the same place with >>>
                    const int place = d.xi()->indexOfTopLevelItem(d.xi()->selectedItems().front());
                    if (place == d.xi()->topLevelItemCount() - 1)
                        continue; // >>> puts no one last
                    d.click("IDC_REMOVE_FROM_XI");
                    SelectRows(d.teamList(), {"Lima"});
                    d.xi()->topLevelItem(place)->setSelected(true);
                    d.click("IDC_ADD_TO_XI");
                }
                QVERIFY(d.messages.MessageTexts().isEmpty());
                QStringList carriers;
                for (int i = 0; i < d.xi()->topLevelItemCount(); ++i) {
                    if (d.xi()->topLevelItem(i)->text(1).contains(QChar(role.mark)))
                        carriers << d.xi()->topLevelItem(i)->text(0).section(' ', 0, 0);
                }
                const QByteArray what = QByteArray(role.button) + (bySwap ? " swap" : " <<< >>>");
                QVERIFY2(carriers == QStringList{"Alpha"}, what + ": " + carriers.join(',').toUtf8());
                d.click("IDOK");
                QVERIFY2(!d.dlg.isVisible(), what);
                QVERIFY2((d.g.Team(kTestTeam).*role.stored)() == 0, what);
            }
        }
    }

    void an_opener_mark_never_lands_on_the_other_opener_and_ok_saves_what_is_shown()
    {
        // Kilo (second opener, last place) out; Lima in before Delta moves
        // Juliet, the first opener, onto the second opener's stored place.
        // The second mark goes to India, now on the first opener's place.
        ShownDialog d;
        SelectRows(d.xi(), {"Kilo"});
        d.click("IDC_REMOVE_FROM_XI");
        SelectRows(d.teamList(), {"Lima"});
        SelectRows(d.xi(), {"Delta"});
        d.click("IDC_ADD_TO_XI");
        QStringList shown;
        for (int i = 8; i < d.xi()->topLevelItemCount(); ++i)
            shown << d.xi()->topLevelItem(i)->text(0).section(' ', 0, 0) + d.xi()->topLevelItem(i)->text(1);
        QCOMPARE(shown, QStringList({"Hotel", "India2", "Juliet1"}));
        d.click("IDOK");
        QVERIFY(!d.dlg.isVisible() && d.messages.MessageTexts().isEmpty());
        QCOMPARE(d.g.Team(kTestTeam).OpenBowler1(), 10);
        QCOMPARE(d.g.Team(kTestTeam).OpenBowler2(), 9);
    }
};

QTEST_MAIN(RoleMarksTests)
#include "RoleMarksTests.moc"
