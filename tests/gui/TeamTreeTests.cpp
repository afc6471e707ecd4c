// The team tree: order, labels with "*", pictures, item data, the walk, and
// what selecting, moving, relabelling and collapsing do.
#include "GuiTestSupport.h"

#include "FieldCodes.h"
#include "GameFileBuilder.h"
#include "player/CPlayerAttributesView.h"
#include "shell/CMainFrame.h"
#include "shell/COrbekApp.h"
#include "shell/Commands.h"
#include "tree/CTeamView.h"

#include <QAction>
#include <QTest>
#include <QTreeWidget>

#include <set>

using guitest::Editor;

namespace {

QString Label(const testgame::PlayerDescription& player)
{
    return QString::fromLatin1(testgame::DisplayName(player.givenNames, player.familyName));
}

// The tree picture of a player, from the fields of his description.
int ExpectedImage(const testgame::PlayerDescription& player)
{
    const std::uint32_t type = player.U32(testgame::layout::kType);
    if (player.U32(testgame::layout::kPartTimeKeeper) != 0)
        return 19 + 5 + static_cast<int>(type);
    if (player.U32(testgame::layout::kKeeper) != 0)
        return 19 + 4;
    return 19 + static_cast<int>(type);
}

struct NodeRecord
{
    QString label;
    std::uint32_t data;
    int image;
    int children;
    bool operator==(const NodeRecord&) const = default;
};

NodeRecord Record(const QTreeWidgetItem* item)
{
    return {item->text(0), CTeamView::ItemData(item), item->data(0, CTeamView::kImageRole).toInt(), item->childCount()};
}

char* toString(const NodeRecord& node)
{
    return qstrdup(QStringLiteral("%1 data %2 image %3 children %4")
                       .arg(node.label)
                       .arg(node.data, 0, 16)
                       .arg(node.image)
                       .arg(node.children)
                       .toUtf8()
                       .constData());
}

// The nodes the description calls for, in tree order (pre-order).
std::vector<NodeRecord> ExpectedNodes(testgame::GameDescription& game)
{
    std::vector<NodeRecord> nodes;
    std::set<std::uint16_t> inSquad;
    for (auto* team : game.TeamRecords()) {
        const auto& names = game.header.fullNames();
        nodes.push_back({QString::fromLatin1(names[team->id - 1u]), 0x10000u + team->id, 0,
            static_cast<int>(team->squad.size())});
        for (auto id : team->squad) {
            nodes.push_back({Label(*game.FindPlayer(id)), id, ExpectedImage(*game.FindPlayer(id)), 0});
            inSquad.insert(id);
        }
    }
    std::vector<NodeRecord> free;
    for (const auto& player : game.players)
        if (!inSquad.count(player.id))
            free.push_back({Label(player), player.id, ExpectedImage(player), 0});
    nodes.push_back({QStringLiteral("Others"), 0x10000u, 18, static_cast<int>(free.size())});
    nodes.insert(nodes.end(), free.begin(), free.end());
    return nodes;
}

std::vector<NodeRecord> ActualNodes(CTeamView& view)
{
    std::vector<NodeRecord> nodes;
    for (QTreeWidgetItem* item = view.Tree()->topLevelItem(0); item; item = view.NextItem(item))
        nodes.push_back(Record(item));
    return nodes;
}

void Compare(const std::vector<NodeRecord>& actual, const std::vector<NodeRecord>& expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        QCOMPARE(actual[i], expected[i]);
}

} // namespace

class TeamTreeTests : public QObject
{
    Q_OBJECT

private slots:
    void treeListsTeamsWithSquadsThenOthersWithTheFreePlayers();
    void othersStaysWithoutChildrenWhenEveryPlayerHasATeam();
    void everyPlayerKindHasItsOwnPicture();
    void starMarksChangedTeamsAndPlayersButNotUnderOthers();
    void labelsAfterASaveComeFromTheTeamNameList();
    void gameTextIsShownDecodedFromWindows1252();
    void walkVisitsEveryNodeForwardAndBackward();
    void selectingAPlayerShowsHimAndATeamClearsTheForm();
    void movingAPlayerMovesHisNodeAndSelectsItWhenAsked();
    void relabellingAPlayerAlsoRenewsHisPicture();
    void revealingAPlayerExpandsHisTeamWithoutSelecting();
    void collapsingTheTreeClearsTheCurrentPlayer();
};

void TeamTreeTests::treeListsTeamsWithSquadsThenOthersWithTheFreePlayers()
{
    Editor editor;
    auto game = guitest::SmallGame(4, 40, 11);
    QVERIFY(editor.Start({guitest::WriteGame(game, editor.files.path())}));
    Compare(ActualNodes(editor.Tree()), ExpectedNodes(game));
    // After a rebuild nothing is selected and every node is collapsed.
    QVERIFY(editor.Tree().Tree()->currentItem() == nullptr);
    for (int i = 0; i < editor.Tree().Tree()->topLevelItemCount(); ++i)
        QVERIFY(!editor.Tree().Tree()->topLevelItem(i)->isExpanded());
}

void TeamTreeTests::othersStaysWithoutChildrenWhenEveryPlayerHasATeam()
{
    Editor editor;
    auto game = guitest::SmallGame(2, 16, 5);
    std::set<std::uint16_t> inSquad;
    for (auto* team : game.TeamRecords())
        inSquad.insert(team->squad.begin(), team->squad.end());
    auto* first = game.TeamRecords().front();
    for (auto& player : game.players) {
        if (!inSquad.count(player.id)) {
            first->squad.push_back(player.id);
            player.SetTeam(first->id);
        }
    }
    QVERIFY(editor.Start({guitest::WriteGame(game, editor.files.path())}));
    QTreeWidgetItem* others = editor.TopLevel(QStringLiteral("Others"));
    QVERIFY(others);
    QCOMPARE(others->childCount(), 0);
    QCOMPARE(editor.Tree().Tree()->indexOfTopLevelItem(others), 2);
}

void TeamTreeTests::everyPlayerKindHasItsOwnPicture()
{
    Editor editor;
    auto game = guitest::SmallGame(1, 12, 9);
    // Player ids 1..9 as the nine kinds: four types, a full-time keeper, the
    // four types as part-time keepers (one of them not marked as keeper).
    for (std::uint16_t id = 1; id <= 9; ++id) {
        auto& player = *game.FindPlayer(id);
        const int kind = id - 1;
        player.SetType(static_cast<std::uint32_t>(kind < 4 ? kind : kind == 4 ? 1 : kind - 5));
        player.SetKeeper(kind >= 4 && kind != 8 ? 1 : 0);
        player.SetPartTimeKeeper(kind >= 5 ? 1 : 0);
    }
    QVERIFY(editor.Start({guitest::WriteGame(game, editor.files.path())}));
    for (std::uint16_t id = 1; id <= 9; ++id) {
        QTreeWidgetItem* node = editor.Tree().FindItemByData(id);
        QVERIFY(node);
        QCOMPARE(node->data(0, CTeamView::kImageRole).toInt(), 19 + id - 1);
    }
    // 28 pictures of 24 x 24, each drawn differently.
    std::set<qint64> distinct;
    for (int i = 0; i < CTeamView::kImageCount; ++i) {
        const QPixmap pixmap = editor.Tree().Image(i).pixmap(QSize(24, 24));
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(24, 24));
        const QImage image = pixmap.toImage();
        distinct.insert(qHashBits(image.constBits(), static_cast<size_t>(image.sizeInBytes())));
    }
    QCOMPARE(distinct.size(), 28u);
}

void TeamTreeTests::starMarksChangedTeamsAndPlayersButNotUnderOthers()
{
    Editor editor;
    auto game = guitest::SmallGame(3, 30, 4);
    QVERIFY(editor.Start({guitest::WriteGame(game, editor.files.path())}));
    CGame& model = editor.App().Game();
    CTeam& team = *model.m_teams[2];
    const std::uint32_t inTeam = team.m_squad[1];
    QTreeWidgetItem* others = editor.TopLevel(QStringLiteral("Others"));
    QVERIFY(others->childCount() > 0);
    const std::uint32_t free = CTeamView::ItemData(others->child(0));
    team.m_bModified = 1;
    model.Player(inTeam)->m_bModified = 1;
    model.Player(free)->m_bModified = 1;
    editor.Tree().RebuildTree();

    const QString teamName = QString::fromLatin1(team.m_strName);
    QCOMPARE(editor.Tree().FindItemByData(0x10000u + team.m_wId)->text(0), teamName + '*');
    QCOMPARE(editor.Tree().FindItemByData(inTeam)->text(0),
        QString::fromLatin1(model.Player(inTeam)->GetDisplayName()) + '*');
    QCOMPARE(editor.Tree().FindItemByData(free)->text(0), QString::fromLatin1(model.Player(free)->GetDisplayName()));
    QCOMPARE(editor.TopLevel(QStringLiteral("Others"))->text(0), QStringLiteral("Others"));

    // A label refreshed through the application gets the "*" anywhere.
    editor.App().RefreshPlayerLabel(free, false);
    QVERIFY(editor.Tree().FindItemByData(free)->text(0).endsWith('*'));
}

void TeamTreeTests::labelsAfterASaveComeFromTheTeamNameList()
{
    Editor editor;
    auto game = guitest::SmallGame(3, 30, 6);
    QVERIFY(editor.Start({guitest::WriteGame(game, editor.files.path())}));
    CGame& model = editor.App().Game();
    model.m_teams[1]->m_strName = "Own Field Name";
    model.m_teams[1]->m_bModified = 1;
    model.m_teamNames[1] = "Name List Entry";
    model.m_bModified = 1;
    editor.Tree().RebuildTree();
    editor.App().OnIdle();
    QCOMPARE(editor.Tree().FindItemByData(0x10001)->text(0), QStringLiteral("Own Field Name*"));

    editor.Action(Command::kSave).trigger();
    QVERIFY2(editor.messages.requests.empty(), qPrintable(editor.messages.MessageTexts().join('\n')));
    QCOMPARE(editor.Tree().FindItemByData(0x10001)->text(0), QStringLiteral("Name List Entry"));
    QCOMPARE(editor.TopLevel(QStringLiteral("Others"))->text(0), QStringLiteral("Others"));
}

void TeamTreeTests::gameTextIsShownDecodedFromWindows1252()
{
    Editor editor;
    auto game = guitest::SmallGame(1, 8, 3);
    game.FindPlayer(1)->SetNames("J\xE9r\xF4me", "M\xFCller");
    game.header.fullNames()[0] = "S\xE3o Paulo \x80 XI";
    QVERIFY(editor.Start({guitest::WriteGame(game, editor.files.path())}));
    QCOMPARE(editor.Tree().FindItemByData(1)->text(0), QStringLiteral("M\u00FCller J"));
    QCOMPARE(editor.Tree().Tree()->topLevelItem(0)->text(0), QStringLiteral("S\u00E3o Paulo \u20AC XI"));
}

void TeamTreeTests::walkVisitsEveryNodeForwardAndBackward()
{
    Editor editor;
    auto game = guitest::SmallGame(3, 25, 8);
    QVERIFY(editor.Start({guitest::WriteGame(game, editor.files.path())}));
    CTeamView& view = editor.Tree();
    std::vector<QTreeWidgetItem*> forward;
    for (QTreeWidgetItem* item = view.Tree()->topLevelItem(0); item; item = view.NextItem(item))
        forward.push_back(item);
    QCOMPARE(forward.size(), ExpectedNodes(game).size());
    std::vector<QTreeWidgetItem*> backward;
    for (QTreeWidgetItem* item = view.LastDescendant(nullptr); item; item = view.PrevItem(item))
        backward.push_back(item);
    std::reverse(backward.begin(), backward.end());
    QVERIFY(backward == forward);
    QVERIFY(view.NextItem(forward.back()) == nullptr);
    QVERIFY(view.PrevItem(forward.front()) == nullptr);

    view.DeleteAllItems();
    QVERIFY(view.LastDescendant(nullptr) == nullptr);
    QVERIFY(view.FindItemByData(0x10000) == nullptr);
}

void TeamTreeTests::selectingAPlayerShowsHimAndATeamClearsTheForm()
{
    Editor editor;
    QVERIFY(editor.Start({guitest::WriteGame(guitest::SmallGame(), editor.files.path())}));
    QTreeWidgetItem* team = editor.Tree().Tree()->topLevelItem(0);
    const std::uint32_t id = CTeamView::ItemData(team->child(1));
    editor.Select(team->child(1));
    QCOMPARE(editor.App().Game().m_nCurPlayer, static_cast<int>(id));
    QCOMPARE(editor.App().PlayerForm()->CurrentPlayer(), static_cast<int>(id));
    QVERIFY(editor.App().PlayerForm()->isEnabled());

    editor.Select(team);
    QCOMPARE(editor.App().Game().m_nCurPlayer, -1);
    QCOMPARE(editor.App().PlayerForm()->CurrentPlayer(), 0);
    QVERIFY(!editor.App().PlayerForm()->isEnabled());

    QTreeWidgetItem* others = editor.TopLevel(QStringLiteral("Others"));
    editor.Select(others->child(0));
    QVERIFY(editor.App().PlayerForm()->isEnabled());
    editor.Select(others);
    QCOMPARE(editor.App().Game().m_nCurPlayer, -1);
    QVERIFY(!editor.App().PlayerForm()->isEnabled());
}

void TeamTreeTests::movingAPlayerMovesHisNodeAndSelectsItWhenAsked()
{
    Editor editor;
    QVERIFY(editor.Start({guitest::WriteGame(guitest::SmallGame(), editor.files.path())}));
    CGame& model = editor.App().Game();
    const std::uint32_t id = model.m_teams[1]->m_squad[0];
    QVERIFY(editor.App().MovePlayer(id, 1, 3, true));
    QTreeWidgetItem* node = editor.Tree().FindItemByData(id);
    QCOMPARE(CTeamView::ItemData(node->parent()), 0x10003u);
    QCOMPARE(node->parent()->indexOfChild(node), node->parent()->childCount() - 1);
    QCOMPARE(node->text(0), QString::fromLatin1(model.Player(id)->GetDisplayName()));
    QVERIFY(editor.Tree().Tree()->currentItem() == node);
    QCOMPARE(model.m_nCurPlayer, static_cast<int>(id));

    // Without selection: to "Others", and the selection is not taken.
    const std::uint32_t other = model.m_teams[2]->m_squad[0];
    QVERIFY(editor.App().MovePlayer(other, 2, kNoTeam, false));
    QCOMPARE(editor.Tree().FindItemByData(other)->parent(), editor.TopLevel(QStringLiteral("Others")));
    QCOMPARE(model.m_nCurPlayer, static_cast<int>(id));
}

void TeamTreeTests::relabellingAPlayerAlsoRenewsHisPicture()
{
    Editor editor;
    QVERIFY(editor.Start({guitest::WriteGame(guitest::SmallGame(), editor.files.path())}));
    CGame& model = editor.App().Game();
    const std::uint32_t id = model.m_teams[1]->m_squad[0];
    CPlayer& player = *model.Player(id);
    player.SetU32(PlayerLayout::nType, 3);
    player.SetU32(PlayerLayout::nKeeper, 0);
    player.SetU32(PlayerLayout::nPartTimeKeeper, 0);
    model.MarkPlayerModified(id);
    QTreeWidgetItem* node = editor.Tree().FindItemByData(id);
    QCOMPARE(node->text(0), QString::fromLatin1(player.GetDisplayName()) + '*');
    QCOMPARE(node->data(0, CTeamView::kImageRole).toInt(), 22);
    // Ids without a node change nothing.
    editor.Tree().SetPlayerLabel(60000, "Nobody");
    QVERIFY(editor.Tree().FindItemByData(60000) == nullptr);
}

void TeamTreeTests::revealingAPlayerExpandsHisTeamWithoutSelecting()
{
    Editor editor;
    QVERIFY(editor.Start({guitest::WriteGame(guitest::SmallGame(), editor.files.path())}));
    const std::uint32_t id = editor.App().Game().m_teams[2]->m_squad[2];
    editor.Tree().RevealPlayer(static_cast<int>(id));
    QVERIFY(editor.Tree().FindItemByData(0x10002)->isExpanded());
    QVERIFY(editor.Tree().Tree()->currentItem() == nullptr);
}

void TeamTreeTests::collapsingTheTreeClearsTheCurrentPlayer()
{
    Editor editor;
    QVERIFY(editor.Start({guitest::WriteGame(guitest::SmallGame(), editor.files.path())}));
    QTreeWidgetItem* team = editor.Tree().Tree()->topLevelItem(1);
    team->setExpanded(true);
    editor.TopLevel(QStringLiteral("Others"))->setExpanded(true);
    editor.Select(team->child(0));
    QVERIFY(editor.App().PlayerForm()->isEnabled());

    editor.Action(Command::kCollapseTeamsTree).trigger();
    for (int i = 0; i < editor.Tree().Tree()->topLevelItemCount(); ++i)
        QVERIFY(!editor.Tree().Tree()->topLevelItem(i)->isExpanded());
    QVERIFY(editor.Tree().Tree()->currentItem() == team);
    QCOMPARE(editor.App().Game().m_nCurPlayer, -1);
    QCOMPARE(editor.App().PlayerForm()->CurrentPlayer(), 0);
    QVERIFY(!editor.App().PlayerForm()->isEnabled());
}

QTEST_MAIN(TeamTreeTests)
#include "TeamTreeTests.moc"
