// What the Team Properties dialog does to the game: loading a team, the
// list buttons, hiring and sacking, switching teams, OK and Cancel.
#include "TeamsTestGame.h"

#include "teamdialogs/FirstXIRoles.h"
#include "teamdialogs/HirePlayers.h"
#include "teamdialogs/TeamPropertiesModel.h"

#include "RecordLayout.h"

#include <QtTest>

#include <algorithm>

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

QStringList Names(LoadedGame& g, const EntryList& entries)
{
    QStringList names;
    for (const ListEntry& e : entries)
        names << QString::fromStdString(g.Player(e.nId).m_strFamilyName);
    return names;
}

QStringList Marks(const EntryList& entries)
{
    QStringList marks;
    for (const ListEntry& e : entries)
        marks << QString::fromStdString(e.strMarks);
    return marks;
}

void Select(LoadedGame& g, EntryList& entries, std::initializer_list<const char*> familyNames)
{
    for (ListEntry& e : entries)
        e.bSelected = false;
    for (const char* name : familyNames) {
        const std::uint32_t id = g.IdOf(name);
        const auto it = std::find_if(entries.begin(), entries.end(), [id](const ListEntry& e) { return e.nId == id; });
        QVERIFY2(it != entries.end(), name);
        it->bSelected = true;
    }
}

TeamFields FieldsOf(const CTeamPropertiesModel& model)
{
    return model.LoadedFields();
}

const QStringList kFirstXI{"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel", "India", "Juliet",
    "Kilo"};

} // namespace

class TeamPropertiesModelTests : public QObject
{
    Q_OBJECT

private slots:
    void opening_shows_the_alphabetically_first_team_whatever_its_id()
    {
        LoadedGame g;
        CTeamPropertiesModel model(g.game);
        model.Open();
        QCOMPARE(model.ShownTeam(), int(kTestTeam));
        std::vector<std::string> expected;
        for (const auto& team : g.game.m_teams)
            if (team)
                expected.push_back(team->m_strName);
        std::sort(expected.begin(), expected.end());
        std::vector<std::string> order;
        for (std::uint16_t id : model.TeamOrder())
            order.push_back(g.Team(id).m_strName);
        QCOMPARE(Q(order), Q(expected));
        QCOMPARE(order.front(), std::string(kTestTeamName));
    }

    void opening_remembers_every_players_team()
    {
        LoadedGame g;
        g.Player(g.built.originPlayer).m_wSavedTeam = 5;
        CTeamPropertiesModel model(g.game);
        model.Open();
        for (const auto& player : g.game.m_players)
            if (player)
                QCOMPARE(player->m_wSavedTeam, player->Team());
    }

    void a_loaded_team_shows_its_first_xi_with_role_marks_and_the_rest_in_the_team_list()
    {
        LoadedGame g;
        CTeamPropertiesModel model(g.game);
        model.Open();
        QCOMPARE(Names(g, model.FirstXI()), kFirstXI);
        QCOMPARE(Marks(model.FirstXI()), QStringList({"", "", "", "*", "", "", "+", "", "", "1", "2"}));
        QCOMPARE(Names(g, model.TeamList()), QStringList({"Lima", "Mike", "Xray", "Yankee"}));
        const TeamFields fields = model.LoadedFields();
        QCOMPARE(fields.strTeamName, std::string(kTestTeamName));
        QCOMPARE(fields.strShortName, std::string("Aardva"));
        QCOMPARE(fields.strAbbrev, std::string("Aar"));
        QCOMPARE(fields.strBudget, std::string("500000"));
    }

    void list_buttons_refuse_with_their_messages_and_change_nothing()
    {
        LoadedGame g;
        CTeamPropertiesModel model(g.game);
        model.Open();
        const CTeam before = g.Team(kTestTeam);
        QCOMPARE(model.AddToFirstXI(), std::string("Please select player(s) to add to the First XI."));
        Select(g, model.TeamList(), {"Lima"});
        QCOMPARE(model.AddToFirstXI(), std::string("Too many players to be added to First XI"));
        Select(g, model.FirstXI(), {});
        QCOMPARE(model.RemoveFromFirstXI(), std::string("Please select player(s) to remove from the First XI."));
        Select(g, model.TeamList(), {});
        QCOMPARE(model.Sack(), std::string("Please select player(s) to sack from the team."));
        Select(g, model.TeamList(), {"Lima", "Mike"});
        Select(g, model.FirstXI(), {"Alpha"});
        QCOMPARE(model.Swap(), std::string("Only one player can be swapped at a time."));
        Select(g, model.TeamList(), {"Lima"});
        Select(g, model.FirstXI(), {"Alpha", "Bravo"});
        QCOMPARE(model.Swap(), std::string("Only one player can be swapped at a time."));
        Select(g, model.FirstXI(), {});
        QCOMPARE(model.Swap(), std::string("Select a player on each list to be swapped."));
        Select(g, model.TeamList(), {});
        Select(g, model.FirstXI(), {"Alpha"});
        QCOMPARE(model.Swap(), std::string("Select a player on each list to be swapped."));
        QCOMPARE(Names(g, model.FirstXI()), kFirstXI);
        QVERIFY(g.Team(kTestTeam).SameContent(before));
    }

    void adding_two_players_to_an_xi_of_nine_without_a_selection_puts_them_before_the_last()
    {
        LoadedGame g;
        CTeamPropertiesModel model(g.game);
        model.Open();
        Select(g, model.FirstXI(), {"Juliet", "Kilo"});
        QCOMPARE(model.RemoveFromFirstXI(), std::string());
        QCOMPARE(g.FirstXINames(kTestTeam).size(), std::size_t(11));
        QCOMPARE(Q(g.FirstXINames(kTestTeam)),
            QStringList({"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel", "India", "", ""}));
        QCOMPARE(Names(g, model.TeamList()), QStringList({"Juliet", "Kilo", "Lima", "Mike", "Xray", "Yankee"}));

        Select(g, model.TeamList(), {"Xray", "Yankee"});
        QCOMPARE(model.AddToFirstXI(), std::string());
        const QStringList expected{"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel", "Xray",
            "Yankee", "India"};
        QCOMPARE(Names(g, model.FirstXI()), expected);
        QCOMPARE(Q(g.FirstXINames(kTestTeam)), expected);
        QCOMPARE(Names(g, model.TeamList()), QStringList({"Juliet", "Kilo", "Lima", "Mike"}));
    }

    void adding_with_a_first_xi_selection_inserts_before_the_selected_entry()
    {
        LoadedGame g;
        CTeamPropertiesModel model(g.game);
        model.Open();
        Select(g, model.FirstXI(), {"Bravo", "Charlie"});
        QCOMPARE(model.RemoveFromFirstXI(), std::string());
        Select(g, model.FirstXI(), {"Echo"});
        Select(g, model.TeamList(), {"Mike", "Lima"});
        QCOMPARE(model.AddToFirstXI(), std::string());
        // Team List order (Lima before Mike), both before Echo.
        QCOMPARE(Names(g, model.FirstXI()),
            QStringList({"Alpha", "Delta", "Lima", "Mike", "Echo", "Foxtrot", "Golf", "Hotel", "India", "Juliet", "Kilo"}));
    }

    void removing_the_captain_then_adding_without_selection_keeps_the_stored_captain_position()
    {
        LoadedGame g;
        CTeamPropertiesModel model(g.game);
        model.Open();
        Select(g, model.FirstXI(), {"Delta"});
        QCOMPARE(model.RemoveFromFirstXI(), std::string());
        Select(g, model.TeamList(), {"Lima"});
        QCOMPARE(model.AddToFirstXI(), std::string());
        const auto result = model.Ok(FieldsOf(model));
        QCOMPARE(int(result.outcome), int(Outcome::Close));
        const CTeam& team = g.Team(kTestTeam);
        QCOMPARE(team.Captain(), 3);
        QCOMPARE(g.Player(team.m_firstXI[3]).m_strFamilyName, std::string("Echo"));
    }

    void a_player_added_on_the_captains_entry_shows_the_mark_and_the_later_entry_wins_at_ok()
    {
        LoadedGame g;
        CTeamPropertiesModel model(g.game);
        model.Open();
        Select(g, model.FirstXI(), {"Kilo"});
        QCOMPARE(model.RemoveFromFirstXI(), std::string());
        Select(g, model.FirstXI(), {"Delta"});
        Select(g, model.TeamList(), {"Lima"});
        QCOMPARE(model.AddToFirstXI(), std::string());
        QCOMPARE(Names(g, model.FirstXI()).mid(3, 2), QStringList({"Lima", "Delta"}));
        QCOMPARE(Marks(model.FirstXI()).mid(3, 2), QStringList({"*", "*"}));
        QCOMPARE(int(model.Ok(FieldsOf(model)).outcome), int(Outcome::Close));
        QCOMPARE(g.Team(kTestTeam).Captain(), 4);
    }

    void swapping_gives_the_team_list_player_the_first_xi_place_and_its_stored_marks()
    {
        LoadedGame g;
        CTeamPropertiesModel model(g.game);
        model.Open();
        Select(g, model.TeamList(), {"Xray"});
        Select(g, model.FirstXI(), {"Golf"});
        QCOMPARE(model.Swap(), std::string());
        QCOMPARE(Names(g, model.FirstXI())[6], QStringLiteral("Xray"));
        QCOMPARE(Marks(model.FirstXI())[6], QStringLiteral("+"));
        QCOMPARE(g.Player(g.Team(kTestTeam).m_firstXI[6]).m_strFamilyName, std::string("Xray"));
        QCOMPARE(Names(g, model.TeamList()), QStringList({"Golf", "Lima", "Mike", "Yankee"}));
    }

    void sacking_takes_players_out_of_the_squad_and_marks_them_modified()
    {
        LoadedGame g;
        CTeamPropertiesModel model(g.game);
        model.Open();
        const std::uint32_t lima = g.IdOf("Lima");
        const std::uint32_t xray = g.IdOf("Xray");
        Select(g, model.TeamList(), {"Lima", "Xray"});
        QCOMPARE(model.Sack(), std::string());
        QCOMPARE(Names(g, model.TeamList()), QStringList({"Mike", "Yankee"}));
        QCOMPARE(g.Player(lima).Team(), kNoTeam);
        QCOMPARE(g.Player(xray).Team(), kNoTeam);
        QVERIFY(g.Player(lima).m_bModified && g.game.m_bModified);
        QCOMPARE(int(g.Team(kTestTeam).m_wPlayerCount), 13);
        QVERIFY(!g.Team(kTestTeam).HasInSquad(lima));

        // Cancel gives every player his team back; the opener's team copies
        // put the squad places back.
        model.Cancel();
        QCOMPARE(g.Player(lima).Team(), kTestTeam);
        QCOMPARE(g.Player(xray).Team(), kTestTeam);
    }

    void after_a_hire_the_team_list_still_leaves_out_the_first_xi()
    {
        LoadedGame g;
        CTeamPropertiesModel model(g.game);
        model.Open();
        const std::uint32_t hired = g.built.noOriginPlayer;
        QCOMPARE(HirePlayers::Hire(g.game, kTestTeam, {hired}), std::string());
        model.FillTeamList();
        QCOMPARE(model.TeamList().size(), std::size_t(5));
        QVERIFY(std::any_of(model.TeamList().begin(), model.TeamList().end(), [hired](const ListEntry& e) { return e.nId == hired; }));
        for (const ListEntry& e : model.FirstXI())
            QVERIFY(std::none_of(model.TeamList().begin(), model.TeamList().end(), [&e](const ListEntry& t) { return t.nId == e.nId; }));
        QCOMPARE(Names(g, model.FirstXI()), kFirstXI);
    }

    void renaming_and_switching_keeps_the_old_name_while_ok_stores_the_new_one()
    {
        LoadedGame g;
        CTeamPropertiesModel model(g.game);
        model.Open();
        TeamFields fields = FieldsOf(model);
        fields.strTeamName = "Anteaters";
        fields.strShortName = "Ants";
        QCOMPARE(model.SwitchTeam(kTeamOf37, fields), std::string());
        QCOMPARE(model.ShownTeam(), int(kTeamOf37));
        QCOMPARE(g.Team(kTestTeam).m_strName, std::string(kTestTeamName));
        QCOMPARE(g.game.m_teamNames[kTestTeam], std::string(kTestTeamName));
        QCOMPARE(g.Team(kTestTeam).m_strShortName, std::string("Ants"));
        QCOMPARE(g.game.m_teamShortNames[kTestTeam], std::string("Ants"));
        QVERIFY(g.Team(kTestTeam).m_bModified && g.game.m_bModified && model.m_bChanged);

        QCOMPARE(model.SwitchTeam(kTestTeam, FieldsOf(model)), std::string());
        fields = FieldsOf(model);
        fields.strTeamName = "Anteaters";
        QCOMPARE(int(model.Ok(fields).outcome), int(Outcome::Close));
        QCOMPARE(g.Team(kTestTeam).m_strName, std::string("Anteaters"));
        QCOMPARE(g.game.m_teamNames[kTestTeam], std::string("Anteaters"));
    }

    void switching_without_a_change_marks_nothing()
    {
        LoadedGame g;
        CTeamPropertiesModel model(g.game);
        model.Open();
        QCOMPARE(model.SwitchTeam(kTeamOf38, FieldsOf(model)), std::string());
        QVERIFY(!g.Team(kTestTeam).m_bModified);
        QVERIFY(!g.game.m_bModified);
        QVERIFY(!model.m_bChanged);
    }

    void switching_needs_eleven_players_and_a_valid_budget_and_keeps_the_typed_budget()
    {
        LoadedGame g;
        CTeamPropertiesModel model(g.game);
        model.Open();
        Select(g, model.FirstXI(), {"Kilo"});
        QCOMPARE(model.RemoveFromFirstXI(), std::string());
        QCOMPARE(model.SwitchTeam(kTeamOf37, FieldsOf(model)), std::string("There must be 11 players in the First XI."));
        QCOMPARE(model.ShownTeam(), int(kTestTeam));
        Select(g, model.TeamList(), {"Kilo"});
        QCOMPARE(model.AddToFirstXI(), std::string());

        TeamFields fields = FieldsOf(model);
        for (const char* bad : {"", "abc", "-1", "1000000001", "12.5", "99999999999"}) {
            fields.strBudget = bad;
            QCOMPARE(model.SwitchTeam(kTeamOf37, fields), std::string("Please enter an integer between 0 and 1000000000."));
            QCOMPARE(model.ShownTeam(), int(kTestTeam));
        }
        fields.strBudget = "750000";
        QCOMPARE(model.SwitchTeam(kTeamOf37, fields), std::string());
        QCOMPARE(g.Team(kTestTeam).Budget(), 750000);
    }

    void budget_accepts_whole_numbers_from_zero_to_a_billion()
    {
        QCOMPARE(CTeamPropertiesModel::ParseBudget("0").value_or(-1), 0);
        QCOMPARE(CTeamPropertiesModel::ParseBudget(" 42 ").value_or(-1), 42);
        QCOMPARE(CTeamPropertiesModel::ParseBudget("1000000000").value_or(-1), 1000000000);
        QCOMPARE(CTeamPropertiesModel::ParseBudget("+7").value_or(-1), 7);
        for (const char* bad : {"", " ", "-1", "1000000001", "1e3", "12abc", "--1", "+-1", "4294967296"})
            QVERIFY2(!CTeamPropertiesModel::ParseBudget(bad), bad);
    }

    void ok_refuses_an_xi_that_is_not_eleven_and_a_bad_budget()
    {
        LoadedGame g;
        CTeamPropertiesModel model(g.game);
        model.Open();
        TeamFields fields = FieldsOf(model);
        fields.strBudget = "1000000001";
        auto result = model.Ok(fields);
        QCOMPARE(int(result.outcome), int(Outcome::Refused));
        QCOMPARE(result.message, std::string("Please enter an integer between 0 and 1000000000."));
        QCOMPARE(g.Team(kTestTeam).Budget(), 500000);
        Select(g, model.FirstXI(), {"Kilo"});
        QCOMPARE(model.RemoveFromFirstXI(), std::string());
        result = model.Ok(FieldsOf(model));
        QCOMPARE(int(result.outcome), int(Outcome::Refused));
        QCOMPARE(result.message, std::string("There must be 11 players in the First XI"));
    }

    void ok_without_a_change_closes_without_flags()
    {
        LoadedGame g("DATABASE.DB");
        CTeamPropertiesModel model(g.game);
        model.Open();
        QCOMPARE(int(model.Ok(FieldsOf(model)).outcome), int(Outcome::Close));
        QVERIFY(!model.m_bChanged && !g.game.m_bModified && !g.Team(kTestTeam).m_bModified);
    }

    void any_change_with_the_master_database_open_asks_first_in_any_letter_case()
    {
        for (const char* file : {"DATABASE.DB", "database.db", "DataBase.Db"}) {
            LoadedGame g(file);
            CTeamPropertiesModel model(g.game);
            model.Open();
            TeamFields fields = FieldsOf(model);
            fields.strBudget = "1";
            const auto result = model.Ok(fields);
            QCOMPARE(int(result.outcome), int(Outcome::AskDatabase));
            QCOMPARE(result.message, std::string("Changing team names in DATABASE.DB might result in unexpected error in the "
                                                 "game. Do you wish to continue?"));
            // Answered No: the values are in the record, no flag is set.
            QCOMPARE(g.Team(kTestTeam).Budget(), 1);
            QVERIFY(!g.Team(kTestTeam).m_bModified && !g.game.m_bModified && !model.m_bChanged);
            model.AcceptChange();
            QVERIFY(g.Team(kTestTeam).m_bModified && g.game.m_bModified && model.m_bChanged);
        }
        QVERIFY(CTeamPropertiesModel::IsMasterDatabase("/games/icc/Database.DB"));
        QVERIFY(!CTeamPropertiesModel::IsMasterDatabase("/games/icc/LEAGUE.CAP"));
    }

    void a_change_in_a_save_file_closes_without_a_question()
    {
        LoadedGame g("SEASON1.CAP");
        CTeamPropertiesModel model(g.game);
        model.Open();
        Select(g, model.FirstXI(), {"Bravo"});
        QCOMPARE(FirstXIRoles::AssignRole(model.FirstXI(), FirstXIRoles::Role::Keeper), std::string());
        QCOMPARE(int(model.Ok(FieldsOf(model)).outcome), int(Outcome::Close));
        QCOMPARE(g.Team(kTestTeam).KeeperPos(), 1);
        QVERIFY(g.Team(kTestTeam).m_bModified && g.game.m_bModified && model.m_bChanged);
    }

    void ok_stores_the_dragged_order_with_the_roles_following_their_players()
    {
        LoadedGame g;
        CTeamPropertiesModel model(g.game);
        model.Open();
        FirstXIRoles::MoveEntry(model.FirstXI(), 3, 0); // Delta, the captain, opens
        FirstXIRoles::MoveEntry(model.FirstXI(), 10, 7); // Kilo (2) before Hotel
        QCOMPARE(int(model.Ok(FieldsOf(model)).outcome), int(Outcome::Close));
        const CTeam& team = g.Team(kTestTeam);
        QCOMPARE(Q(g.FirstXINames(kTestTeam)),
            QStringList({"Delta", "Alpha", "Bravo", "Charlie", "Echo", "Foxtrot", "Golf", "Kilo", "Hotel", "India", "Juliet"}));
        QCOMPARE(team.Captain(), 0);
        QCOMPARE(team.KeeperPos(), 6);
        QCOMPARE(team.OpenBowler1(), 10);
        QCOMPARE(team.OpenBowler2(), 7);
    }

    void names_the_game_file_cannot_hold_are_refused_before_anything_changes()
    {
        LoadedGame g;
        CTeamPropertiesModel model(g.game);
        model.Open();
        TeamFields fields = FieldsOf(model);
        fields.strAbbrev = std::string(256, 'x');
        fields.strBudget = "3";
        const auto result = model.Ok(fields);
        QCOMPARE(int(result.outcome), int(Outcome::Refused));
        QVERIFY(!result.message.empty());
        QCOMPARE(g.Team(kTestTeam).m_strAbbrev, std::string("Aar"));
        QCOMPARE(g.Team(kTestTeam).Budget(), 500000);
    }
};

QTEST_MAIN(TeamPropertiesModelTests)
#include "TeamPropertiesModelTests.moc"
