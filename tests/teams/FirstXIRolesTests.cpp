// The role marks of the First XI list and moving an entry by drag and drop.
#include "teamdialogs/FirstXIRoles.h"

#include <QtTest>

using FirstXIRoles::Role;

namespace {

// Entries with ids 1..count named by their letters A, B, ... (id 1 = A).
EntryList Entries(int count)
{
    EntryList list;
    for (int i = 0; i < count; ++i)
        list.push_back({static_cast<std::uint32_t>(i + 1), {}, false});
    return list;
}

QString Letters(const EntryList& list)
{
    QString letters;
    for (const ListEntry& e : list)
        letters += QChar('A' + static_cast<int>(e.nId) - 1);
    return letters;
}

QStringList Marks(const EntryList& list)
{
    QStringList marks;
    for (const ListEntry& e : list)
        marks << QString::fromStdString(e.strMarks);
    return marks;
}

void SelectOnly(EntryList& list, std::initializer_list<int> indexes)
{
    for (auto& e : list)
        e.bSelected = false;
    for (int i : indexes)
        list[static_cast<std::size_t>(i)].bSelected = true;
}

} // namespace

class FirstXIRolesTests : public QObject
{
    Q_OBJECT

private slots:
    void each_button_needs_exactly_one_selected_entry()
    {
        const struct
        {
            Role role;
            const char* none;
            const char* several;
        } cases[] = {
            {Role::Captain, "Select a player to assign as the captain.", "Only one player can be assign as the captain."},
            {Role::Keeper, "Select a player to assign as the keeper.", "Only one player can be assign as the keeper."},
            {Role::OpenBowler1, "Select a player to assign as the first opening bowler.",
                "Only one player can be assign as the first opening bowler."},
            {Role::OpenBowler2, "Select a player to assign as the second opening bowler.",
                "Only one player can be assign as the second opening bowler."},
        };
        for (const auto& c : cases) {
            EntryList xi = Entries(11);
            xi[4].strMarks = "*+12";
            const EntryList before = xi;
            QCOMPARE(FirstXIRoles::AssignRole(xi, c.role), std::string(c.none));
            SelectOnly(xi, {1, 2});
            QCOMPARE(FirstXIRoles::AssignRole(xi, c.role), std::string(c.several));
            QCOMPARE(Marks(xi), Marks(before));
        }
    }

    void captain_moves_from_one_entry_to_the_selected_one()
    {
        EntryList xi = Entries(11);
        xi[2].strMarks = "*";
        SelectOnly(xi, {5});
        QCOMPARE(FirstXIRoles::AssignRole(xi, Role::Captain), std::string());
        QCOMPARE(Marks(xi), QStringList({"", "", "", "", "", "*", "", "", "", "", ""}));
        // Pressing again on the same entry leaves the mark where it is.
        QCOMPARE(FirstXIRoles::AssignRole(xi, Role::Captain), std::string());
        QCOMPARE(Marks(xi), QStringList({"", "", "", "", "", "*", "", "", "", "", ""}));
    }

    void marks_append_in_the_order_they_are_given()
    {
        EntryList xi = Entries(11);
        xi[3].strMarks = "1";
        SelectOnly(xi, {3});
        QCOMPARE(FirstXIRoles::AssignRole(xi, Role::Keeper), std::string());
        QCOMPARE(xi[3].strMarks, std::string("1+"));
        QCOMPARE(FirstXIRoles::AssignRole(xi, Role::Captain), std::string());
        QCOMPARE(xi[3].strMarks, std::string("1+*"));
    }

    void one_player_cannot_open_the_bowling_from_both_ends()
    {
        EntryList xi = Entries(11);
        xi[0].strMarks = "*1";
        xi[7].strMarks = "2";
        SelectOnly(xi, {0});
        QCOMPARE(FirstXIRoles::AssignRole(xi, Role::OpenBowler2), std::string("The selected player is already an opening bowler."));
        SelectOnly(xi, {7});
        QCOMPARE(FirstXIRoles::AssignRole(xi, Role::OpenBowler1), std::string("The selected player is already an opening bowler."));
        QCOMPARE(xi[0].strMarks, std::string("*1"));
        QCOMPARE(xi[7].strMarks, std::string("2"));
        // Open 2 on the entry that already holds "2" stays allowed.
        QCOMPARE(FirstXIRoles::AssignRole(xi, Role::OpenBowler2), std::string());
        QCOMPARE(xi[7].strMarks, std::string("2"));
    }

    void a_mark_is_held_at_most_once_even_from_a_doubled_start()
    {
        EntryList xi = Entries(11);
        xi[1].strMarks = "**+";
        xi[9].strMarks = "*";
        SelectOnly(xi, {9});
        QCOMPARE(FirstXIRoles::AssignRole(xi, Role::Captain), std::string());
        QCOMPARE(Marks(xi), QStringList({"", "+", "", "", "", "", "", "", "", "*", ""}));
    }

    void dragging_puts_the_entry_before_the_drop_target_or_at_the_end()
    {
        EntryList xi = Entries(5);
        FirstXIRoles::MoveEntry(xi, 0, 3);
        QCOMPARE(Letters(xi), QStringLiteral("BCADE"));
        xi = Entries(5);
        FirstXIRoles::MoveEntry(xi, 4, 1);
        QCOMPARE(Letters(xi), QStringLiteral("AEBCD"));
        xi = Entries(5);
        FirstXIRoles::MoveEntry(xi, 1, 5);
        QCOMPARE(Letters(xi), QStringLiteral("ACDEB"));
        xi = Entries(5);
        FirstXIRoles::MoveEntry(xi, 2, 2);
        QCOMPARE(Letters(xi), QStringLiteral("ABCDE"));
        FirstXIRoles::MoveEntry(xi, 2, 3); // just before the next one: no move
        QCOMPARE(Letters(xi), QStringLiteral("ABCDE"));
        FirstXIRoles::MoveEntry(xi, 7, 1); // out of range: ignored
        FirstXIRoles::MoveEntry(xi, 1, 9);
        QCOMPARE(Letters(xi), QStringLiteral("ABCDE"));
    }

    void marks_and_selection_travel_with_the_dragged_entry()
    {
        EntryList xi = Entries(5);
        xi[0].strMarks = "*+";
        xi[0].bSelected = true;
        xi[3].strMarks = "1";
        FirstXIRoles::MoveEntry(xi, 0, 4);
        QCOMPARE(Letters(xi), QStringLiteral("BCDAE"));
        QCOMPARE(Marks(xi), QStringList({"", "", "1", "*+", ""}));
        QCOMPARE(SelectedIndexes(xi), std::vector<int>({3}));
    }
};

QTEST_MAIN(FirstXIRolesTests)
#include "FirstXIRolesTests.moc"
