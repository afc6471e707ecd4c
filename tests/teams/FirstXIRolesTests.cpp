// The role marks of the First XI list and moving an entry by drag and drop.
#include "teamdialogs/FirstXIRoles.h"

#include <QtTest>

using FirstXIRoles::Role;

namespace {

// Entries with ids 1..count (shown as letters, 1 = A) with these marks.
EntryList Entries(int count, const QStringList& marks = {}, const QList<int>& selected = {})
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

QString Marks(const EntryList& list)
{
    QStringList marks;
    for (const ListEntry& e : list)
        marks << QString::fromStdString(e.strMarks);
    return marks.join('|');
}

} // namespace

class FirstXIRolesTests : public QObject
{
    Q_OBJECT

private slots:
    void assigning_needs_one_selected_entry_moves_the_one_mark_and_appends_it_in_order()
    {
        const QString already = "The selected player is already an opening bowler.";
        const QStringList start{"*1", "", "", "", "", "", "", "2"};
        const struct
        {
            QStringList marks;
            QList<int> selected;
            Role role;
            QString result; // the message, or the marks afterwards
        } cases[] = {
            {start, {}, Role::Captain, "Select a player to assign as the captain."},
            {start, {}, Role::Keeper, "Select a player to assign as the keeper."},
            {start, {1, 2}, Role::OpenBowler1, "Only one player can be assign as the first opening bowler."},
            {start, {1, 2}, Role::OpenBowler2, "Only one player can be assign as the second opening bowler."},
            {start, {}, Role::OpenBowler1, "Select a player to assign as the first opening bowler."},
            {start, {}, Role::OpenBowler2, "Select a player to assign as the second opening bowler."},
            {start, {1, 2}, Role::Captain, "Only one player can be assign as the captain."},
            {start, {1, 2}, Role::Keeper, "Only one player can be assign as the keeper."},
            {{"", "", "*"}, {5}, Role::Captain, "|||||*|||||"},
            {{"", "", "", "", "", "*"}, {5}, Role::Captain, "|||||*|||||"}, // pressed again: stays
            {{"", "", "", "1"}, {3}, Role::Keeper, "|||1+|||||||"},
            {{"", "", "", "1+"}, {3}, Role::Captain, "|||1+*|||||||"},
            {{"", "**+", "", "", "", "", "", "", "", "*"}, {9}, Role::Captain, "|+||||||||*|"}, // held at most once
            {start, {0}, Role::OpenBowler2, already}, // one player cannot open from both ends
            {start, {7}, Role::OpenBowler1, already},
            {start, {7}, Role::OpenBowler2, "*1|||||||2|||"},
        };
        for (const auto& c : cases) {
            EntryList xi = Entries(11, c.marks, c.selected);
            const QString message = QString::fromStdString(FirstXIRoles::AssignRole(xi, c.role));
            QCOMPARE(message.isEmpty() ? Marks(xi) : message, c.result);
            if (!message.isEmpty())
                QCOMPARE(Marks(xi), Marks(Entries(11, c.marks)));
        }
    }

    void a_dragged_entry_lands_before_the_drop_target_or_at_the_end_with_its_marks()
    {
        const struct
        {
            int drag, drop;
            const char* order;
        } cases[] = {{0, 3, "BCADE"}, {4, 1, "AEBCD"}, {1, 5, "ACDEB"}, {2, 2, "ABCDE"}, {2, 3, "ABCDE"},
            {7, 1, "ABCDE"}, {1, 9, "ABCDE"}}; // out of range: ignored
        for (const auto& c : cases) {
            EntryList xi = Entries(5);
            FirstXIRoles::MoveEntry(xi, c.drag, c.drop);
            QCOMPARE(Letters(xi), QString(c.order));
        }
        EntryList xi = Entries(5, {"*+", "", "", "1"}, {0});
        FirstXIRoles::MoveEntry(xi, 0, 4);
        QCOMPARE(Letters(xi) + " " + Marks(xi), QStringLiteral("BCDAE ||1|*+|"));
        QCOMPARE(SelectedIndexes(xi), std::vector<int>({3}));
    }
};

QTEST_MAIN(FirstXIRolesTests)
#include "FirstXIRolesTests.moc"
