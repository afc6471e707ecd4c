// Edit > Find: the walk over the team tree and the Search dialog.
#include "tree/CSearchDlg.h"
#include "tree/TeamTreeSearch.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QtTest>

namespace {

// A team tree model that writes down which labels the search read.
class CountingModel : public QStandardItemModel
{
public:
    mutable QStringList reads;
    QVariant data(const QModelIndex& index, int role) const override
    {
        const QVariant value = QStandardItemModel::data(index, role);
        if (role == Qt::DisplayRole)
            reads << value.toString();
        return value;
    }
};

// Kent: Smith JA, Smithson JA, Jones B / Surrey*: Smith2, Smith_J /
// Others: Smith*, Brown T
void FillTree(QStandardItemModel& model)
{
    const std::vector<std::pair<QString, QStringList>> teams{
        {"Kent", {"Smith JA", "Smithson JA", "Jones B"}},
        {"Surrey*", {"Smith2", "Smith_J"}},
        {"Others", {"Smith*", "Brown T"}},
    };
    for (const auto& [team, players] : teams) {
        auto* node = new QStandardItem(team);
        for (const QString& player : players)
            node->appendRow(new QStandardItem(player));
        model.appendRow(node);
    }
}

// Finds the node with this label anywhere in the tree.
QModelIndex Node(const QStandardItemModel& model, const QString& label)
{
    const auto found = model.match(model.index(0, 0), Qt::DisplayRole, label, 1,
        Qt::MatchExactly | Qt::MatchRecursive | Qt::MatchCaseSensitive);
    return found.isEmpty() ? QModelIndex() : found.front();
}

QString Label(const QModelIndex& index)
{
    return index.isValid() ? index.data().toString() : QStringLiteral("<none>");
}

struct Asker
{
    QStringList questions;
    QList<bool> answers; // Yes when empty
    TeamTreeSearch::AskFn Fn()
    {
        return [this](const QString& q) {
            questions << q;
            return answers.isEmpty() ? true : answers.takeFirst();
        };
    }
};

const QString kTop = "No more matches found. Would you like to continue at the top of the list?";
const QString kBottom = "No more matches found. Would you like to continue at the bottom of the list?";

TeamTreeSearch::Options Down(const QString& text, bool wholeWord = false, bool matchCase = false)
{
    return {text, matchCase, true, wholeWord};
}

TeamTreeSearch::Options Up(const QString& text, bool wholeWord = false)
{
    return {text, false, false, wholeWord};
}

} // namespace

class TeamTreeSearchTests : public QObject
{
    Q_OBJECT

private slots:
    void the_walk_is_pre_order_over_every_node_both_ways()
    {
        QStandardItemModel model;
        FillTree(model);
        const TeamTreeSearch search(model);
        QStringList down;
        for (QModelIndex i = search.FirstItem(); i.isValid(); i = search.NextItem(i))
            down << Label(i);
        const QStringList all{"Kent", "Smith JA", "Smithson JA", "Jones B", "Surrey*", "Smith2", "Smith_J", "Others",
            "Smith*", "Brown T"};
        QCOMPARE(down, all);
        QStringList up;
        for (QModelIndex i = search.LastDescendant({}); i.isValid(); i = search.PrevItem(i))
            up.prepend(Label(i));
        QCOMPARE(up, all);
        QStandardItemModel empty;
        const TeamTreeSearch emptySearch(empty);
        QVERIFY(!emptySearch.LastDescendant({}).isValid());
        QVERIFY(!emptySearch.FirstItem().isValid());
    }

    void whole_word_treats_letters_and_underscore_as_word_characters()
    {
        QVERIFY(TeamTreeSearch::LabelMatches("Smith JA", "Smith", true));
        QVERIFY(TeamTreeSearch::LabelMatches("Smith2", "Smith", true));
        QVERIFY(TeamTreeSearch::LabelMatches("Smith*", "Smith", true));
        QVERIFY(TeamTreeSearch::LabelMatches("Jones-Smith", "Smith", true));
        QVERIFY(!TeamTreeSearch::LabelMatches("Smithson JA", "Smith", true));
        QVERIFY(!TeamTreeSearch::LabelMatches("Smith_J", "Smith", true));
        QVERIFY(!TeamTreeSearch::LabelMatches("ASmith", "Smith", true));
        QVERIFY(TeamTreeSearch::LabelMatches("Smithson JA", "Smith", false));
        // A later occurrence still counts after an earlier one is rejected.
        QVERIFY(TeamTreeSearch::LabelMatches("Smithson Smith", "Smith", true));
        // Occurrences overlapping a rejected one are not looked at.
        QVERIFY(!TeamTreeSearch::LabelMatches("aaa", "aa", true));
        // Right after a rejected occurrence the rest counts as a new label
        // start, so the letter before it is not tested.
        QVERIFY(TeamTreeSearch::LabelMatches("SmithSmith X", "Smith", true));
    }

    void whole_word_search_skips_longer_names_in_the_tree()
    {
        QStandardItemModel model;
        FillTree(model);
        Asker asker;
        const TeamTreeSearch search(model, asker.Fn());
        QCOMPARE(Label(search.FindItem(Down("Smith", true), Node(model, "Smith JA"))), QStringLiteral("Smith2"));
        QCOMPARE(Label(search.FindItem(Down("Smith", true), Node(model, "Smith2"))), QStringLiteral("Smith*"));
        QCOMPARE(Label(search.FindItem(Down("Smith", false), Node(model, "Smith JA"))), QStringLiteral("Smithson JA"));
        QVERIFY(asker.questions.isEmpty());
    }

    void case_is_ignored_unless_asked_for()
    {
        QStandardItemModel model;
        FillTree(model);
        Asker asker;
        asker.answers = {true};
        const TeamTreeSearch search(model, asker.Fn());
        QCOMPARE(Label(search.FindItem(Down("smith"), {})), QStringLiteral("Smith JA"));
        QCOMPARE(Label(search.FindItem(Down("SMITH JA"), {})), QStringLiteral("Smith JA"));
        QCOMPARE(Label(search.FindItem(Down("smith", false, true), {})), QStringLiteral("<none>"));
        QCOMPARE(Label(search.FindItem(Down("Smith JA", false, true), {})), QStringLiteral("Smith JA"));
    }

    void team_nodes_and_their_stars_are_searched_too()
    {
        QStandardItemModel model;
        FillTree(model);
        const TeamTreeSearch search(model, [](const QString&) { return true; });
        QCOMPARE(Label(search.FindItem(Down("surrey"), {})), QStringLiteral("Surrey*"));
        QCOMPARE(Label(search.FindItem(Down("y*"), {})), QStringLiteral("Surrey*"));
    }

    void starting_on_the_last_item_going_down_wraps_without_a_question_and_stops_before_it()
    {
        CountingModel model;
        FillTree(model);
        Asker asker;
        const TeamTreeSearch search(model, asker.Fn());
        const QModelIndex last = Node(model, "Brown T");
        model.reads.clear();
        QCOMPARE(Label(search.FindItem(Down("Brown"), last)), QStringLiteral("<none>"));
        QVERIFY(asker.questions.isEmpty());
        QCOMPARE(model.reads, QStringList({"Kent", "Smith JA", "Smithson JA", "Jones B", "Surrey*", "Smith2", "Smith_J",
                                  "Others", "Smith*"}));
        QCOMPARE(Label(search.FindItem(Down("Kent"), last)), QStringLiteral("Kent"));
        QVERIFY(asker.questions.isEmpty());
    }

    void without_a_start_a_failed_search_asks_once_then_tests_everything_once_more()
    {
        CountingModel model;
        FillTree(model);
        Asker asker;
        const TeamTreeSearch search(model, asker.Fn());
        model.reads.clear();
        QCOMPARE(Label(search.FindItem(Down("Nobody"), {})), QStringLiteral("<none>"));
        QCOMPARE(asker.questions, QStringList({kTop}));
        QCOMPARE(model.reads.size(), 20);
        QCOMPARE(model.reads.mid(0, 10), model.reads.mid(10));

        asker.questions.clear();
        model.reads.clear();
        QCOMPARE(Label(search.FindItem(Up("Nobody"), {})), QStringLiteral("<none>"));
        QCOMPARE(asker.questions, QStringList({kBottom}));
        QCOMPARE(model.reads.size(), 20);
        QCOMPARE(model.reads.front(), QStringLiteral("Brown T"));
    }

    void the_start_item_is_never_a_match()
    {
        QStandardItemModel model;
        FillTree(model);
        Asker asker;
        const TeamTreeSearch search(model, asker.Fn());
        const QModelIndex jones = Node(model, "Jones B");
        QCOMPARE(Label(search.FindItem(Down("Jones"), jones)), QStringLiteral("<none>"));
        QCOMPARE(asker.questions, QStringList({kTop}));
        asker.questions.clear();
        QCOMPARE(Label(search.FindItem(Up("Jones"), jones)), QStringLiteral("<none>"));
        QCOMPARE(asker.questions, QStringList({kBottom}));
    }

    void answering_no_ends_the_search_and_yes_continues_from_the_other_end()
    {
        QStandardItemModel model;
        FillTree(model);
        Asker asker;
        const TeamTreeSearch search(model, asker.Fn());
        const QModelIndex smithStar = Node(model, "Smith*");
        asker.answers = {false};
        QCOMPARE(Label(search.FindItem(Down("Kent"), smithStar)), QStringLiteral("<none>"));
        QCOMPARE(asker.questions, QStringList({kTop}));
        asker.answers = {true};
        QCOMPARE(Label(search.FindItem(Down("Kent"), smithStar)), QStringLiteral("Kent"));
        asker.questions.clear();
        asker.answers = {true};
        QCOMPARE(Label(search.FindItem(Up("Brown"), Node(model, "Smith JA"))), QStringLiteral("Brown T"));
        QCOMPARE(asker.questions, QStringList({kBottom}));
    }

    void upward_search_finds_the_nearest_match_above()
    {
        QStandardItemModel model;
        FillTree(model);
        Asker asker;
        const TeamTreeSearch search(model, asker.Fn());
        const QModelIndex jones = Node(model, "Jones B");
        QCOMPARE(Label(search.FindItem(Up("Smith"), jones)), QStringLiteral("Smithson JA"));
        QCOMPARE(Label(search.FindItem(Up("Smith", true), jones)), QStringLiteral("Smith JA"));
        // From the first item upwards the search starts at the bottom at once.
        QCOMPARE(Label(search.FindItem(Up("Brown"), Node(model, "Kent"))), QStringLiteral("Brown T"));
        QVERIFY(asker.questions.isEmpty());
    }

    void empty_text_and_empty_tree_find_nothing_without_asking()
    {
        QStandardItemModel model;
        FillTree(model);
        Asker asker;
        const TeamTreeSearch search(model, asker.Fn());
        QVERIFY(!search.FindItem(Down(""), {}).isValid());
        QStandardItemModel empty;
        const TeamTreeSearch emptySearch(empty, asker.Fn());
        QVERIFY(!emptySearch.FindItem(Down("Smith"), {}).isValid());
        QVERIFY(!emptySearch.FindItem(Up("Smith"), {}).isValid());
        QVERIFY(asker.questions.isEmpty());
    }

    void search_dialog_shows_the_stored_settings_and_search_reads_them_back()
    {
        CSearchDlg dialog;
        dialog.m_strText = QStringLiteral("Smith");
        dialog.m_bMatchCase = true;
        dialog.m_bWholeWord = false;
        dialog.m_nDirection = 1;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Search"));
        auto* edit = dialog.findChild<QLineEdit*>("IDC_SEARCH_TEXT");
        auto* matchCase = dialog.findChild<QCheckBox*>("IDC_MATCH_CASE");
        auto* wholeWord = dialog.findChild<QCheckBox*>("IDC_WHOLE_WORD");
        auto* down = dialog.findChild<QRadioButton*>("IDC_DIRECTION_DOWN");
        auto* up = dialog.findChild<QRadioButton*>("IDC_DIRECTION_UP");
        QVERIFY(edit && matchCase && wholeWord && down && up);
        QCOMPARE(edit->text(), QStringLiteral("Smith"));
        QVERIFY(matchCase->isChecked() && !wholeWord->isChecked() && up->isChecked() && !down->isChecked());
        QCOMPARE(QApplication::focusWidget(), edit);

        edit->setText(QStringLiteral("Jones"));
        matchCase->setChecked(false);
        wholeWord->setChecked(true);
        down->setChecked(true);
        QVERIFY(!up->isChecked());
        dialog.findChild<QPushButton*>("IDOK")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.m_strText, QStringLiteral("Jones"));
        QVERIFY(!dialog.m_bMatchCase);
        QVERIFY(dialog.m_bWholeWord);
        QCOMPARE(dialog.m_nDirection, 0);
    }

    void search_dialog_cancel_keeps_the_settings_and_no_direction_checks_no_button()
    {
        CSearchDlg dialog;
        dialog.m_strText = QStringLiteral("Kent");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(!dialog.findChild<QRadioButton*>("IDC_DIRECTION_DOWN")->isChecked());
        QVERIFY(!dialog.findChild<QRadioButton*>("IDC_DIRECTION_UP")->isChecked());
        dialog.findChild<QLineEdit*>("IDC_SEARCH_TEXT")->setText(QStringLiteral("Other"));
        dialog.findChild<QPushButton*>("IDCANCEL")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.m_strText, QStringLiteral("Kent"));
        QCOMPARE(dialog.m_nDirection, -1);
    }
};

QTEST_MAIN(TeamTreeSearchTests)
#include "TeamTreeSearchTests.moc"
