// The team tree: order, labels with "*", item data, the walk, and
// what selecting (also away from refused edits), moving and relabelling do.
#include "GuiTestSupport.h"

#include "FieldCodes.h"
#include "GameFileBuilder.h"
#include "shell/Commands.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <set>

using guitest::Editor;

namespace {

// A node as the user sees it: label, item data and number of children.
using Node = std::tuple<QString, std::uint32_t, int>;

QString Label(const testgame::PlayerDescription& player)
{
    return QString::fromLatin1(testgame::DisplayName(player.givenNames, player.familyName));
}

// The game's nodes in pre-order: teams with squads, then "Others" with the rest.
QList<Node> ExpectedNodes(testgame::GameDescription& game)
{
    QList<Node> nodes;
    QList<Node> free;
    std::set<std::uint16_t> inSquad;
    for (auto* team : game.TeamRecords()) {
        nodes << Node{QString::fromLatin1(game.header.fullNames()[team->id - 1u]), 0x10000u + team->id,
            static_cast<int>(team->squad.size())};
        for (auto id : team->squad) {
            nodes << Node{Label(*game.FindPlayer(id)), id, 0};
            inSquad.insert(id);
        }
    }
    for (const auto& player : game.players)
        if (!inSquad.count(player.id))
            free << Node{Label(player), player.id, 0};
    return nodes << Node{QStringLiteral("Others"), 0x10000u, static_cast<int>(free.size())} << free;
}

QString DisplayName(CGame& model, std::uint32_t id)
{
    return QString::fromLatin1(model.Player(id)->GetDisplayName());
}

} // namespace

class TeamTreeTests : public QObject
{
    Q_OBJECT

private slots:
    void treeListsTeamsWithSquadsThenOthersEvenWithoutChildren()
    {
        Editor editor;
        auto game = guitest::SmallGame(4, 40, 11);
        QVERIFY(editor.StartOn(game));
        CTeamView& view = editor.Tree();
        QList<Node> actual;
        for (QTreeWidgetItemIterator it(view.Tree()); *it; ++it) {
            QTreeWidgetItem* item = *it;
            actual << Node{item->text(0), CTeamView::ItemData(item), item->childCount()};
            QVERIFY(!item->isExpanded()); // a rebuilt tree is collapsed...
        }
        QCOMPARE(actual, ExpectedNodes(game));
        QVERIFY(view.Tree()->currentItem() == nullptr); // ...with nothing selected

        for (QTreeWidgetItem* others = editor.TopLevel(QStringLiteral("Others")); others->childCount() > 0;)
            QVERIFY(editor.App().MovePlayer(CTeamView::ItemData(others->child(0)), kNoTeam, 1, false));
        view.RebuildTree();
        QTreeWidgetItem* others = editor.TopLevel(QStringLiteral("Others"));
        QVERIFY(others && others->childCount() == 0);
        QCOMPARE(view.Tree()->indexOfTopLevelItem(others), 4);

        view.DeleteAllItems();
        QVERIFY(view.Tree()->topLevelItemCount() == 0 && view.FindItemByData(0x10000) == nullptr);
    }

    void labelsAreDecodedStarredWhenChangedButNotUnderOthersAndAfterASaveComeFromTheNameList()
    {
        Editor editor;
        auto game = guitest::SmallGame(3, 30, 6);
        game.FindPlayer(1)->SetNames("J\xE9r\xF4me", "M\xFCller");
        game.header.fullNames()[0] = "S\xE3o Paulo \x80 XI";
        QVERIFY(editor.StartOn(game));
        QCOMPARE(editor.Label(1), QStringLiteral("M\u00FCller J"));
        QCOMPARE(editor.Label(0x10001), QStringLiteral("S\u00E3o Paulo \u20AC XI"));

        CGame& model = editor.Game();
        const CTeam& team = *model.Team(2);
        const std::uint32_t inTeam = team.m_squad[1];
        const std::uint32_t free = CTeamView::ItemData(editor.TopLevel(QStringLiteral("Others"))->child(0));
        GameEdit::Within(model, [&](GameEdit& edit) {
            edit.MarkTeamModified(2);
            edit.MarkPlayerModified(inTeam);
            edit.MarkPlayerModified(free);
            edit.Team(1)->m_strName = "Own Field Name";
            edit.MarkTeamModified(1);
            edit.SetTeamName(0, 1, "Name List Entry");
            return GameStatus();
        });
        editor.Tree().RebuildTree();
        QCOMPARE(editor.Label(0x10000u + team.m_wId), QString::fromLatin1(team.m_strName) + '*');
        QCOMPARE(editor.Label(0x10001), QStringLiteral("Own Field Name*"));
        QCOMPARE(editor.Label(inTeam), DisplayName(model, inTeam) + '*');
        QCOMPARE(editor.Label(free), DisplayName(model, free));
        QCOMPARE(editor.Label(0x10000), QStringLiteral("Others"));

        // Marking a player renews his label and his picture.
        const std::uint32_t id = model.Team(1)->m_squad[0];
        GameEdit::Within(model, [id](GameEdit& edit) {
            CPlayer& player = *edit.Player(id);
            player.SetU32(PlayerLayout::nType, 3);
            player.SetU32(PlayerLayout::nKeeper, 0);
            player.SetU32(PlayerLayout::nPartTimeKeeper, 0);
            edit.MarkPlayerModified(id);
            return GameStatus();
        });
        QCOMPARE(editor.Label(id), DisplayName(model, id) + '*');
        QCOMPARE(editor.Tree().FindItemByData(id)->data(0, CTeamView::kImageRole).toInt(), 22);

        editor.App().OnIdle();
        editor.Action(Command::kSave).trigger();
        QVERIFY2(editor.messages.requests.empty(), qPrintable(editor.messages.MessageTexts().join('\n')));
        QCOMPARE(editor.Label(0x10001), QStringLiteral("Name List Entry"));
        QCOMPARE(editor.Label(0x10000u + team.m_wId), QString::fromLatin1(team.m_strName));
        QCOMPARE(editor.Label(id), DisplayName(model, id));
    }

    void selectingAPlayerShowsHimATeamOrOthersClearsTheFormAndARefusedCommitTakesTheTreeBack()
    {
        Editor editor;
        QVERIFY(editor.StartOn(guitest::SmallGame()));
        QTreeWidget* tree = editor.Tree().Tree();
        QTreeWidgetItem* team = tree->topLevelItem(0);
        team->setExpanded(true);
        QTreeWidgetItem *first = team->child(0), *second = team->child(1);
        const auto click = [tree](QTreeWidgetItem* node) {
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
        };
        click(first);
        const int shown = static_cast<int>(CTeamView::ItemData(first));
        QCOMPARE(editor.Form().CurrentPlayer(), shown);
        for (const char* field : {"editSalary", "editContract"}) {
            for (QTreeWidgetItem* target : {second, team}) { // to a player or a team
                editor.messages.Clear();
                editor.Retype(field, QStringLiteral("12x"));
                click(target);
                QCOMPARE(editor.messages.MessageTexts().size(), 1);
                QCOMPARE(editor.Form().CurrentPlayer(), shown);
                QTRY_COMPARE(tree->currentItem(), first);
                QCOMPARE(tree->selectedItems(), QList<QTreeWidgetItem*>{first});
                QCOMPARE(editor.App().Document().CurrentPlayer(), shown);
                QCOMPARE(editor.messages.MessageTexts().size(), 1); // the way back asks nothing
                editor.Child<QLineEdit>(field)->setText(QStringLiteral("10"));
            }
        }
        click(team); // valid again: leaving for a team commits the edits first
        QCOMPARE(editor.Game().Player(static_cast<std::uint32_t>(shown))->m_nSalary, 10);
        QCOMPARE(editor.Form().CurrentPlayer(), 0);
        click(second); // the tree and the form move on
        QCOMPARE(editor.Form().CurrentPlayer(), static_cast<int>(CTeamView::ItemData(second)));
        QCOMPARE(tree->currentItem(), second);

        for (QTreeWidgetItem* parent : {team, editor.TopLevel(QStringLiteral("Others"))}) {
            const int id = static_cast<int>(CTeamView::ItemData(parent->child(1)));
            editor.Select(parent->child(1));
            QCOMPARE(editor.App().Document().CurrentPlayer(), id);
            QCOMPARE(editor.Form().CurrentPlayer(), id);
            QVERIFY(editor.Form().isEnabled());
            editor.Select(parent);
            QCOMPARE(editor.App().Document().CurrentPlayer(), -1);
            QCOMPARE(editor.Form().CurrentPlayer(), 0);
            QVERIFY(!editor.Form().isEnabled());
        }
    }

    // Collapsing is checked with the enable rules (MainFrameTests).
    void movingMovesTheNodeSelectingItWhenAsked()
    {
        Editor editor;
        QVERIFY(editor.StartOn(guitest::SmallGame()));
        CGame& model = editor.Game();
        const std::uint32_t id = model.Team(1)->m_squad[0];
        QVERIFY(editor.App().MovePlayer(id, 1, 3, true));
        QTreeWidgetItem* node = editor.Tree().FindItemByData(id);
        QCOMPARE(CTeamView::ItemData(node->parent()), 0x10003u);
        QCOMPARE(node->parent()->indexOfChild(node), node->parent()->childCount() - 1);
        QCOMPARE(node->text(0), DisplayName(model, id) + u'*'); // moved, so changed
        QVERIFY(editor.Tree().Tree()->currentItem() == node);
        QCOMPARE(editor.App().Document().CurrentPlayer(), static_cast<int>(id));
        // Without selection: to "Others", and the selection is not taken.
        const std::uint32_t other = model.Team(2)->m_squad[0];
        QVERIFY(editor.App().MovePlayer(other, 2, kNoTeam, false));
        QCOMPARE(editor.Tree().FindItemByData(other)->parent(), editor.TopLevel(QStringLiteral("Others")));
        QCOMPARE(editor.App().Document().CurrentPlayer(), static_cast<int>(id));
    }
};

QTEST_MAIN(TeamTreeTests)
#include "TeamTreeTests.moc"
