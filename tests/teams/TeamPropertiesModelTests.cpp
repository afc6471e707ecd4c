// What the Team Properties dialog does to the game: the list buttons, sacking, the
// captain's place, the stored order, the budget and the master database question.
#include "TeamsTestGame.h"

#include "teamdialogs/FirstXIRoles.h"
#include "teamdialogs/TeamPropertiesModel.h"

#include <QtTest>

using namespace teamstest;
using Outcome = CTeamPropertiesModel::OkOutcome;

namespace {

QStringList Q(const std::vector<std::string>& texts)
{
    QStringList list;
    for (const auto& t : texts)
        list << QString::fromStdString(t);
    return list;
}

// The dialog's model opened on the test game.
struct Opened
{
    explicit Opened(const std::string& file = "LEAGUE.CAP")
        : g(file), model(g.game)
    {
        model.Open();
    }
    // The entries' family names, with their marks when asked.
    QStringList Names(const EntryList& entries, bool marks = false)
    {
        QStringList names;
        for (const ListEntry& e : entries)
            names << QString::fromStdString(g.Player(e.nId).m_strFamilyName + (marks ? e.strMarks : ""));
        return names;
    }
    void Select(EntryList& entries, const QStringList& familyNames)
    {
        for (ListEntry& e : entries)
            e.bSelected = familyNames.contains(QString::fromStdString(g.Player(e.nId).m_strFamilyName));
    }
    void Remove(const QStringList& names)
    {
        Select(model.FirstXI(), names);
        QCOMPARE(model.RemoveFromFirstXI(), "");
    }
    void Add(const QStringList& names, const QStringList& before = {})
    {
        Select(model.TeamList(), names);
        Select(model.FirstXI(), before);
        QCOMPARE(model.AddToFirstXI(), "");
    }
    Outcome Ok() { return model.Ok(model.LoadedFields()).outcome; }
    const CTeam& team() { return g.Team(kTestTeam); }

    LoadedGame g;
    CTeamPropertiesModel model;
};

} // namespace

class TeamPropertiesModelTests : public QObject
{
    Q_OBJECT

private slots:
    void added_players_go_before_the_selected_entry_or_else_before_the_last_one()
    {
        const struct
        {
            QStringList removed, before, added, firstXI, teamList;
        } cases[] = {
            {{"Juliet", "Kilo"}, {}, {"Xray", "Yankee"},
                {"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel", "Xray", "Yankee", "India"},
                {"Juliet", "Kilo", "Lima", "Mike"}},
            {{"Bravo", "Charlie"}, {"Echo"}, {"Mike", "Lima"}, // in Team List order
                {"Alpha", "Delta", "Lima", "Mike", "Echo", "Foxtrot", "Golf", "Hotel", "India", "Juliet", "Kilo"},
                {"Bravo", "Charlie", "Xray", "Yankee"}},
        };
        for (const auto& c : cases) {
            Opened o;
            o.Remove(c.removed); // the stored First XI follows at once, the empty places last
            QCOMPARE(Q(o.g.FirstXINames(kTestTeam)), o.Names(o.model.FirstXI()) << "" << "");
            o.Add(c.added, c.before);
            QCOMPARE(o.Names(o.model.FirstXI()), c.firstXI);
            QCOMPARE(Q(o.g.FirstXINames(kTestTeam)), c.firstXI);
            QCOMPARE(o.Names(o.model.TeamList()), c.teamList);
        }
    }

    void the_captains_place_holds_through_removal()
    {
        Opened o; // the captain Delta leaves; Echo moves up into his place and shows the mark
        o.Remove({"Delta"});
        QCOMPARE(o.Names(o.model.FirstXI(), true).mid(3, 1), QStringList({"Echo*"}));
        o.Add({"Lima"});
        QCOMPARE(o.Ok(), Outcome::Close);
        QCOMPARE(o.team().Captain(), 3);
        QCOMPARE(o.g.Player(o.team().m_firstXI[3]).m_strFamilyName, "Echo");
    }

    void swap_takes_the_first_xi_place_and_marks_and_sack_leaves_the_team()
    {
        Opened o;
        o.Select(o.model.TeamList(), {"Xray"});
        o.Select(o.model.FirstXI(), {"Golf"});
        QCOMPARE(o.model.Swap(), "");
        QCOMPARE(o.Names(o.model.FirstXI(), true)[6], "Xray+");
        QCOMPARE(o.g.Player(o.team().m_firstXI[6]).m_strFamilyName, "Xray");
        QCOMPARE(o.Names(o.model.TeamList()), QStringList({"Golf", "Lima", "Mike", "Yankee"}));

        const std::uint32_t lima = o.g.IdOf("Lima"), mike = o.g.IdOf("Mike");
        o.Select(o.model.TeamList(), {"Lima", "Mike"});
        QCOMPARE(o.model.Sack(), "");
        QCOMPARE(o.Names(o.model.TeamList()), QStringList({"Golf", "Yankee"}));
        QVERIFY(o.g.Player(lima).Team() == kNoTeam && o.g.Player(mike).Team() == kNoTeam);
        QVERIFY(o.g.Player(lima).m_bModified && o.g.game.IsModified());
        QVERIFY(o.team().m_wPlayerCount == 13 && !o.team().HasInSquad(lima));
    }

    void budget_accepts_whole_numbers_from_zero_to_a_billion()
    {
        for (const auto& [text, value] : {std::pair{"0", 0}, {" 42 ", 42}, {"1000000000", 1000000000}, {"+7", 7}})
            QCOMPARE(CTeamPropertiesModel::ParseBudget(text).value_or(-1), value);
        for (const char* bad : {"", " ", "-1", "1000000001", "1e3", "12abc", "--1", "+-1", "4294967296", "12.5"})
            QVERIFY2(!CTeamPropertiesModel::ParseBudget(bad), bad);
    }

    void any_change_asks_first_when_the_master_database_is_open_in_any_letter_case()
    {
        for (const char* file : {"DATABASE.DB", "database.db", "DataBase.Db", "SEASON1.CAP"}) {
            const bool master = file[0] != 'S';
            Opened o(file);
            QCOMPARE(o.Ok(), Outcome::Close); // no change: no question, no flags
            QVERIFY(!o.model.m_bChanged && !o.g.game.IsModified() && !o.team().m_bModified);

            Opened changed(file);
            changed.Select(changed.model.FirstXI(), {"Bravo"});
            QCOMPARE(FirstXIRoles::AssignRole(changed.model.FirstXI(), FirstXIRoles::Role::Keeper), "");
            QCOMPARE(changed.Ok(), master ? Outcome::AskDatabase : Outcome::Close);
            QCOMPARE(changed.team().KeeperPos(), 1);
        }
    }

    void ok_stores_the_dragged_order_with_the_roles_following_their_players()
    {
        Opened o;
        FirstXIRoles::MoveEntry(o.model.FirstXI(), 3, 0); // Delta, the captain, opens
        FirstXIRoles::MoveEntry(o.model.FirstXI(), 10, 7); // Kilo (2) before Hotel
        QCOMPARE(o.Ok(), Outcome::Close);
        QCOMPARE(Q(o.g.FirstXINames(kTestTeam)),
            QStringList({"Delta", "Alpha", "Bravo", "Charlie", "Echo", "Foxtrot", "Golf", "Kilo", "Hotel", "India", "Juliet"}));
        const CTeam& team = o.team();
        QCOMPARE(QList<int>({team.Captain(), team.KeeperPos(), team.OpenBowler1(), team.OpenBowler2()}),
            QList<int>({0, 6, 10, 7}));
    }
};

QTEST_MAIN(TeamPropertiesModelTests)
#include "TeamPropertiesModelTests.moc"
