// The role marks of the First XI list and moving an entry by drag and drop.
#include "teamdialogs/FirstXIRoles.h"

#include <QtTest>

using FirstXIRoles::Role;

namespace {

// Entries with ids 1..count, named by the letters A, B, ... (id 1 = A), with
// these marks and the entries at `selected` selected.
EntryList Entries(int count, const QStringList& marks = {}, std::initializer_list<int> selected = {})
{
    EntryList list;
    for (int i = 0; i < count; ++i)
        list.push_back({static_cast<std::uint32_t>(i + 1), i < marks.size() ? marks[i].toStdString() : "", false});
    for (int i : selected)
        list[static_cast<std::size_t>(i)].bSelected = true;
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

const QString kAlready = "The selected player is already an opening bowler.";

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
            const char* what;
        } cases[] = {{Role::Captain, "the captain"}, {Role::Keeper, "the keeper"},
            {Role::OpenBowler1, "the first opening bowler"}, {Role::OpenBowler2, "the second opening bowler"}};
        for (const auto& c : cases) {
            EntryList xi = Entries(11, {"", "", "", "", "*+12"});
            QCOMPARE(FirstXIRoles::AssignRole(xi, c.role), "Select a player to assign as " + std::string(c.what) + ".");
            xi = Entries(11, {"", "", "", "", "*+12"}, {1, 2});
            QCOMPARE(FirstXIRoles::AssignRole(xi, c.role), "Only one player can be assign as " + std::string(c.what) + ".");
            QCOMPARE(Marks(xi)[4], QStringLiteral("*+12"));
        }
    }

    void assigning_moves_the_one_mark_and_appends_it_in_the_order_given()
    {
        const struct
        {
            QStringList marks;
            int selected;
            Role role;
            QString result; // the message, or the marks afterwards
        } cases[] = {
            {{"", "", "*"}, 5, Role::Captain, "|||||*|||||"},
            {{"", "", "", "", "", "*"}, 5, Role::Captain, "|||||*|||||"}, // pressed again: stays
            {{"", "", "", "1"}, 3, Role::Keeper, "|||1+|||||||"},
            {{"", "", "", "1+"}, 3, Role::Captain, "|||1+*|||||||"},
            // A mark is held at most once, even from a doubled start.
            {{"", "**+", "", "", "", "", "", "", "", "*"}, 9, Role::Captain, "|+||||||||*|"},
            // One player cannot open the bowling from both ends.
            {{"*1", "", "", "", "", "", "", "2"}, 0, Role::OpenBowler2, kAlready},
            {{"*1", "", "", "", "", "", "", "2"}, 7, Role::OpenBowler1, kAlready},
            {{"*1", "", "", "", "", "", "", "2"}, 7, Role::OpenBowler2, "*1|||||||2|||"},
        };
        for (const auto& c : cases) {
            EntryList xi = Entries(11, c.marks, {c.selected});
            const QString message = QString::fromStdString(FirstXIRoles::AssignRole(xi, c.role));
            QCOMPARE(message.isEmpty() ? Marks(xi).join('|') : message, c.result);
            if (!message.isEmpty())
                QCOMPARE(Marks(xi), Marks(Entries(11, c.marks)));
        }
    }

    void a_dragged_entry_lands_before_the_drop_target_or_at_the_end()
    {
        const struct
        {
            int drag;
            int drop;
            const char* order;
        } cases[] = {{0, 3, "BCADE"}, {4, 1, "AEBCD"}, {1, 5, "ACDEB"}, {2, 2, "ABCDE"},
            {2, 3, "ABCDE"}, // just before the next one: no move
            {7, 1, "ABCDE"}, {1, 9, "ABCDE"}}; // out of range: ignored
        for (const auto& c : cases) {
            EntryList xi = Entries(5);
            FirstXIRoles::MoveEntry(xi, c.drag, c.drop);
            QCOMPARE(Letters(xi), QString(c.order));
        }
        // Marks and selection travel with the entry.
        EntryList xi = Entries(5, {"*+", "", "", "1"}, {0});
        FirstXIRoles::MoveEntry(xi, 0, 4);
        QCOMPARE(Letters(xi), QStringLiteral("BCDAE"));
        QCOMPARE(Marks(xi), QStringList({"", "", "1", "*+", ""}));
        QCOMPARE(SelectedIndexes(xi), std::vector<int>({3}));
    }
};

QTEST_MAIN(FirstXIRolesTests)
#include "FirstXIRolesTests.moc"
