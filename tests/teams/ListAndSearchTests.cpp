// The list that sorts its rows by a clicked column's text, Edit > Find's
// search over the team tree, and the First XI list's role marks and drag and drop.
#include "teamdialogs/FirstXIRoles.h"
#include "tree/CSortableListCtrl.h"
#include "tree/TeamTreeSearch.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QtTest>

#include <tuple>

using FirstXIRoles::Role;

namespace {

// Rows of (name, type).
void Fill(CSortableListCtrl& list, const QList<QStringList>& rows)
{
    list.clear();
    list.setColumnCount(2);
    for (const QStringList& row : rows)
        new QTreeWidgetItem(&list, row);
}

QStringList Rows(const CSortableListCtrl& list)
{
    QStringList rows;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        rows << list.topLevelItem(i)->text(0);
    return rows;
}

// Kent: Smith JA, Smithson JA, Jones B / Surrey*: Smith2, Smith_J / Others:
// Smith*, Brown T.
class TreeModel : public QStandardItemModel
{
public:
    TreeModel()
    {
        for (const auto& [team, players] : std::vector<std::pair<QString, QStringList>>{
                 {"Kent", {"Smith JA", "Smithson JA", "Jones B"}}, {"Surrey*", {"Smith2", "Smith_J"}},
                 {"Others", {"Smith*", "Brown T"}}}) {
            auto* node = new QStandardItem(team);
            for (const QString& player : players)
                node->appendRow(new QStandardItem(player));
            appendRow(node);
        }
    }
    QModelIndex Node(const QString& label) const
    {
        return match(index(0, 0), Qt::DisplayRole, label, 1, Qt::MatchExactly | Qt::MatchRecursive | Qt::MatchCaseSensitive)
            .value(0);
    }
};

QString Label(const QModelIndex& index) { return index.isValid() ? index.data().toString() : QStringLiteral("<none>"); }

// Answers the continue questions (Yes once the script has run out).
struct Asker
{
    QStringList questions;
    QList<bool> answers;
    TeamTreeSearch::AskFn Fn()
    {
        return [this](const QString& q) {
            questions << q;
            return answers.isEmpty() || answers.takeFirst();
        };
    }
};

const QString kTop = "No more matches found. Would you like to continue at the top of the list?";
const QString kBottom = "No more matches found. Would you like to continue at the bottom of the list?";

TeamTreeSearch::Options Down(const QString& text, bool wholeWord = false, bool matchCase = false)
{
    return {text, matchCase, true, wholeWord};
}
TeamTreeSearch::Options Up(const QString& text, bool wholeWord = false) { return {text, false, false, wholeWord}; }

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

class ListAndSearchTests : public QObject
{
    Q_OBJECT

private slots:
    void text_order_is_by_bytes_case_sensitive_and_numbers_as_text_and_odd_requests_change_nothing()
    {
        CSortableListCtrl list;
        Fill(list, {{"9"}, {"10"}, {"a"}, {"B"}, {"Ab"}, {"A"}, {"\u00e9"}});
        QVERIFY(list.SortByColumnText(0, true)); // "é" is byte 0xE9 in the game's code page: after every ASCII letter
        QCOMPARE(Rows(list), QStringList({"10", "9", "A", "Ab", "B", "a", "\u00e9"}));
        QVERIFY(list.SortByColumnText(0, false));
        QCOMPARE(Rows(list), QStringList({"\u00e9", "a", "B", "Ab", "A", "9", "10"}));
        QVERIFY(!list.SortByColumnText(2, true) && !list.SortByColumnText(-1, true));
        list.OnHeaderItemClick(5, Qt::LeftButton);
        QCOMPARE(Rows(list).front(), QStringLiteral("\u00e9"));
    }

    void left_clicks_sort_ascending_then_toggle_right_clicks_do_nothing_and_rows_keep_their_selection()
    {
        CSortableListCtrl list;
        list.setSelectionMode(QAbstractItemView::ExtendedSelection);
        Fill(list, {{"Smith JA", "RHB"}, {"brown T", "F"}, {"Adams K", "LHB"}, {"Zulu B", "OS"}, {"Brown T", "M"}});
        const QStringList before = Rows(list);
        list.topLevelItem(0)->setSelected(true); // Smith JA
        list.topLevelItem(3)->setSelected(true); // Zulu B
        list.setCurrentItem(list.topLevelItem(2), 0, QItemSelectionModel::NoUpdate); // Adams K
        list.resize(300, 200);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QHeaderView* header = list.header();
        const QPoint typeSection(header->sectionViewportPosition(1) + 5, header->height() / 2);

        QTest::mouseClick(header->viewport(), Qt::RightButton, {}, typeSection);
        list.OnHeaderItemClick(1, Qt::RightButton);
        QVERIFY(Rows(list) == before && list.SortColumn() == -1);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, typeSection);
        QCOMPARE(Rows(list), QStringList({"brown T", "Adams K", "Brown T", "Zulu B", "Smith JA"})); // F LHB M OS RHB
        QVERIFY(list.SortColumn() == 1 && list.SortAscending());
        list.OnHeaderItemClick(1, Qt::LeftButton);
        QCOMPARE(Rows(list), QStringList({"Smith JA", "Zulu B", "Brown T", "Adams K", "brown T"}));
        QVERIFY(!list.SortAscending());
        list.OnHeaderItemClick(0, Qt::LeftButton);
        QVERIFY(list.SortAscending());
        QCOMPARE(Rows(list), QStringList({"Adams K", "Brown T", "Smith JA", "Zulu B", "brown T"}));
        QVERIFY(list.selectedItems().size() == 2 && list.topLevelItem(2)->isSelected() && list.topLevelItem(3)->isSelected());
        QCOMPARE(list.currentItem()->text(0), QStringLiteral("Adams K"));
    }

    void whole_word_treats_letters_and_underscore_as_word_characters()
    {
        const std::tuple<const char*, bool, bool> cases[] = { // label, whole word, matches
            {"Smith JA", true, true}, {"Smith2", true, true}, {"Smith*", true, true}, {"Jones-Smith", true, true},
            {"Smithson JA", true, false}, {"Smith_J", true, false}, {"ASmith", true, false}, {"Smithson JA", false, true},
            {"Smithson Smith", true, true}, // a later occurrence counts after an earlier one is rejected,
            {"SmithSmith X", true, true}, // right after a rejected one the rest counts as a label start
        };
        for (const auto& [label, wholeWord, matches] : cases)
            QVERIFY2(TeamTreeSearch::LabelMatches(label, "Smith", wholeWord) == matches, label);
    }

    void finds_the_nearest_match_in_either_direction_by_case_and_whole_word_and_a_failed_search_asks_to_go_on()
    {
        const struct
        {
            TeamTreeSearch::Options options;
            const char* start; // "" for none
            const char* found;
        } cases[] = {
            {Down("Smith", true), "Smith JA", "Smith2"}, {Down("Smith", true), "Smith2", "Smith*"},
            {Down("Smith"), "Smith JA", "Smithson JA"}, {Down("smith"), "", "Smith JA"}, {Down("SMITH JA"), "", "Smith JA"},
            {Down("Smith JA", false, true), "", "Smith JA"},
            {Down("surrey"), "", "Surrey*"}, {Down("y*"), "", "Surrey*"}, // team nodes and their stars too
            {Up("Smith"), "Jones B", "Smithson JA"}, {Up("Smith", true), "Jones B", "Smith JA"},
            {Up("Brown"), "Kent", "Brown T"}, // from the first item up: the bottom at once
            {Down(""), "", "<none>"},
        };
        TreeModel model;
        Asker asker;
        const TeamTreeSearch search(model, asker.Fn());
        for (const auto& c : cases)
            QCOMPARE(Label(search.FindItem(c.options, model.Node(c.start))), QString(c.found));
        QVERIFY(asker.questions.isEmpty());

        QCOMPARE(Label(search.FindItem(Down("smith", false, true), {})), QStringLiteral("<none>"));
        QStandardItemModel empty;
        const TeamTreeSearch emptySearch(empty, asker.Fn());
        QVERIFY(!emptySearch.FindItem(Down("Smith"), {}).isValid() && !emptySearch.FindItem(Up("Smith"), {}).isValid());
        QCOMPARE(asker.questions, QStringList({kTop}));

        // A failed search asks once per pass, never matches the start item and stops on No.
        asker.questions.clear();
        // From the last item down: wrapped without a question, stopping before it.
        const QModelIndex last = model.Node("Brown T");
        QCOMPARE(Label(search.FindItem(Down("Brown"), last)), QStringLiteral("<none>"));
        QCOMPARE(Label(search.FindItem(Down("Kent"), last)), QStringLiteral("Kent"));
        QVERIFY(asker.questions.isEmpty());
        const QModelIndex jones = model.Node("Jones B");
        QCOMPARE(Label(search.FindItem(Down("Jones"), jones)), QStringLiteral("<none>"));
        QCOMPARE(Label(search.FindItem(Up("Jones"), jones)), QStringLiteral("<none>"));
        QCOMPARE(asker.questions, QStringList({kTop, kBottom}));
        // No ends the search, Yes continues from the other end.
        asker.questions.clear();
        asker.answers = {false, true, true};
        QCOMPARE(Label(search.FindItem(Down("Kent"), model.Node("Smith*"))), QStringLiteral("<none>"));
        QCOMPARE(Label(search.FindItem(Down("Kent"), model.Node("Smith*"))), QStringLiteral("Kent"));
        QCOMPARE(Label(search.FindItem(Up("Brown"), model.Node("Smith JA"))), QStringLiteral("Brown T"));
        QCOMPARE(asker.questions, QStringList({kTop, kTop, kBottom}));
    }

    void assigning_needs_one_selected_entry_moves_the_one_mark_and_appends_it_in_order()
    {
        const QStringList start{"*1", "", "", "", "", "", "", "2"};
        const struct
        {
            QStringList marks;
            QList<int> selected;
            Role role;
            QString result; // the message, or the marks afterwards
        } cases[] = {
            {start, {}, Role::Captain, "Select a player to assign as the captain."},
            {start, {1, 2}, Role::OpenBowler1, "Only one player can be assign as the first opening bowler."},
            {start, {}, Role::OpenBowler2, "Select a player to assign as the second opening bowler."},
            {start, {1, 2}, Role::Keeper, "Only one player can be assign as the keeper."},
            {{"", "", "*"}, {5}, Role::Captain, "|||||*|||||"},
            {{"", "", "", "", "", "*"}, {5}, Role::Captain, "|||||*|||||"}, // pressed again: stays
            {{"", "", "", "1"}, {3}, Role::Keeper, "|||1+|||||||"},
            {{"", "", "", "1+"}, {3}, Role::Captain, "|||1+*|||||||"},
            {{"", "**+", "", "", "", "", "", "", "", "*"}, {9}, Role::Captain, "|+||||||||*|"}, // held at most once
            {start, {0}, Role::OpenBowler2, "The selected player is already an opening bowler."}, // one player cannot open from both ends
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
        const std::tuple<int, int, const char*> cases[] = {{0, 3, "BCADE"}, {4, 1, "AEBCD"}, {1, 5, "ACDEB"}, {2, 2, "ABCDE"}, {2, 3, "ABCDE"},
            {7, 1, "ABCDE"}, {1, 9, "ABCDE"}}; // out of range: ignored
        for (const auto& [drag, drop, order] : cases) {
            EntryList xi = Entries(5);
            FirstXIRoles::MoveEntry(xi, drag, drop);
            QCOMPARE(Letters(xi), QString(order));
        }
        EntryList xi = Entries(5, {"*+", "", "", "1"}, {0});
        FirstXIRoles::MoveEntry(xi, 0, 4);
        QCOMPARE(Letters(xi) + " " + Marks(xi), QStringLiteral("BCDAE ||1|*+|"));
        QCOMPARE(SelectedIndexes(xi), std::vector<int>({3}));
    }
};

QTEST_MAIN(ListAndSearchTests)
#include "ListAndSearchTests.moc"
