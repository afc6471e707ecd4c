// Edit > Find: the search over the team tree.
#include "tree/TeamTreeSearch.h"

#include <QStandardItemModel>
#include <QtTest>

namespace {

// Kent: Smith JA, Smithson JA, Jones B / Surrey*: Smith2, Smith_J / Others:
// Smith*, Brown T; writes down which labels the search read.
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
    QVariant data(const QModelIndex& index, int role) const override
    {
        const QVariant value = QStandardItemModel::data(index, role);
        if (role == Qt::DisplayRole)
            reads << value.toString();
        return value;
    }
    mutable QStringList reads;
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

} // namespace

class TeamTreeSearchTests : public QObject
{
    Q_OBJECT

private slots:
    void whole_word_treats_letters_and_underscore_as_word_characters()
    {
        const struct
        {
            const char* label;
            bool wholeWord, matches;
        } cases[] = {
            {"Smith JA", true, true}, {"Smith2", true, true}, {"Smith*", true, true}, {"Jones-Smith", true, true},
            {"Smithson JA", true, false}, {"Smith_J", true, false}, {"ASmith", true, false}, {"Smithson JA", false, true},
            {"Smithson Smith", true, true}, // a later occurrence counts after an earlier one is rejected,
            {"SmithSmith X", true, true}, // right after a rejected one the rest counts as a label start
        };
        for (const auto& c : cases)
            QVERIFY2(TeamTreeSearch::LabelMatches(c.label, "Smith", c.wholeWord) == c.matches, c.label);
        QVERIFY(!TeamTreeSearch::LabelMatches("aaa", "aa", true)); // overlapping occurrences are not looked at
    }

    void finds_the_nearest_match_in_either_direction_by_case_and_whole_word()
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
    }

    void a_failed_search_asks_once_per_pass_never_tests_the_start_item_and_stops_on_no()
    {
        TreeModel model;
        Asker asker;
        const TeamTreeSearch search(model, asker.Fn());
        // From the last item down: wrapped without a question, stopping before it.
        const QModelIndex last = model.Node("Brown T");
        model.reads.clear();
        QCOMPARE(Label(search.FindItem(Down("Brown"), last)), QStringLiteral("<none>"));
        QCOMPARE(model.reads, QStringList({"Kent", "Smith JA", "Smithson JA", "Jones B", "Surrey*", "Smith2", "Smith_J",
                                  "Others", "Smith*"}));
        QCOMPARE(Label(search.FindItem(Down("Kent"), last)), QStringLiteral("Kent"));
        QVERIFY(asker.questions.isEmpty());
        // Without a start: one question, then every item once more.
        for (const auto& [options, question, first] :
            {std::tuple{Down("Nobody"), kTop, "Kent"}, std::tuple{Up("Nobody"), kBottom, "Brown T"}}) {
            model.reads.clear();
            asker.questions.clear();
            QCOMPARE(Label(search.FindItem(options, {})), QStringLiteral("<none>"));
            QCOMPARE(asker.questions, QStringList({question}));
            QVERIFY(model.reads.size() == 20 && model.reads.mid(0, 10) == model.reads.mid(10));
            QCOMPARE(model.reads.front(), QString(first));
        }
        const QModelIndex jones = model.Node("Jones B");
        asker.questions.clear();
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
};

QTEST_MAIN(TeamTreeSearchTests)
#include "TeamTreeSearchTests.moc"

