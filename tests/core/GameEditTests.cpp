// Edits through GameEdit, their undo records and the observers, saved against
// what the builder writes for the same edits made to the description.
#include "CoreTestHelpers.h"
#include "GameEdit.h"
#include "Rng.h"
#include "TeamEdit.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace {

using Mirror = std::function<void(tg::GameDescription&)>;

// One kind of edit: makes a random one through the edit and returns the same
// change for the description (nothing when the game offers no target).
struct EditKind
{
    const char* name;
    std::function<std::optional<Mirror>(GameEdit&, tg::Rng&)> make;
};

int g_nameCounter = 0; // new team names never met before in a file

std::size_t HeaderIndex(const tg::GameDescription& desc, std::uint16_t teamId)
{
    return static_cast<std::size_t>(std::find(desc.header.ids.begin(), desc.header.ids.end(), teamId) - desc.header.ids.begin());
}

// A move as the description sees it: the squad loses him, each First XI place
// he held goes to the first squad member outside the XI, the new squad ends with him.
void MoveInDescription(tg::GameDescription& desc, std::uint16_t mover, std::uint16_t from, std::uint16_t to)
{
    if (auto* team = from != tg::layout::kNoTeam ? desc.FindTeam(from) : nullptr) {
        std::erase(team->squad, mover);
        for (auto& place : team->firstXI) {
            if (place != mover)
                continue;
            const auto free = std::find_if(team->squad.begin(), team->squad.end(), [&](auto id) {
                return std::find(team->firstXI.begin(), team->firstXI.end(), id) == team->firstXI.end();
            });
            if (free != team->squad.end())
                place = *free;
        }
    }
    if (to != tg::layout::kNoTeam)
        desc.FindTeam(to)->squad.push_back(mover);
    desc.FindPlayer(mover)->SetTeam(to);
}

const std::vector<EditKind>& EditKinds()
{
    static const std::vector<EditKind> kinds = {
        {"player fields", [](GameEdit& edit, tg::Rng& rng) -> std::optional<Mirror> {
             const std::uint16_t id = rng.Pick(edit.Game().LoadedPlayerOrder());
             const auto contract = static_cast<std::uint32_t>(rng.Between(0, 99));
             const std::string family = "Edited" + std::string(static_cast<std::size_t>(rng.Between(1, 140)), 'q');
             edit.Player(id)->SetU32(PlayerLayout::nContract, contract);
             edit.Player(id)->m_strFamilyName = family;
             return [=](tg::GameDescription& desc) {
                 desc.FindPlayer(id)->SetContract(contract);
                 desc.FindPlayer(id)->familyName = family;
             };
         }},
        {"move", [](GameEdit& edit, tg::Rng& rng) -> std::optional<Mirror> {
             const std::uint16_t id = rng.Pick(edit.Game().LoadedPlayerOrder());
             const std::uint16_t from = edit.Game().Player(id)->Team();
             const std::uint16_t to = rng.Chance(20) ? kNoTeam : rng.Pick(edit.Game().LoadedTeamOrder());
             if (from == to || !edit.MovePlayer(id, to).ok())
                 return std::nullopt;
             return [=](tg::GameDescription& desc) { MoveInDescription(desc, id, from, to); };
         }},
        {"team names", [](GameEdit& edit, tg::Rng& rng) -> std::optional<Mirror> {
             const std::uint16_t id = rng.Pick(edit.Game().LoadedTeamOrder());
             const std::string old = edit.Game().Team(id)->m_strName;
             const std::string n = std::to_string(++g_nameCounter);
             const TeamEdit::TeamNames names{"Renamed Side " + n, "Side " + n, "S" + n};
             if (!TeamEdit::SetNames(edit, id, names).ok())
                 return std::nullopt;
             return [=](tg::GameDescription& desc) {
                 const std::size_t at = HeaderIndex(desc, id);
                 desc.header.names[0][at] = names.name;
                 desc.header.names[1][at] = names.shortName;
                 desc.header.names[2][at] = names.abbrev;
                 for (auto& item : desc.rest) {
                     if (item.isString && item.bytes == old)
                         item.bytes = names.name;
                 }
             };
         }},
        {"First XI", [](GameEdit& edit, tg::Rng& rng) -> std::optional<Mirror> {
             const std::uint16_t id = rng.Pick(edit.Game().LoadedTeamOrder());
             const CTeam& team = *edit.Game().Team(id);
             std::vector<std::uint32_t> squad(team.m_squad.begin(), team.m_squad.begin() + team.m_wPlayerCount);
             if (squad.size() < TeamLayout::kFirstXI)
                 return std::nullopt;
             for (std::size_t i = squad.size() - 1; i > 0; --i)
                 std::swap(squad[i], squad[static_cast<std::size_t>(rng.Between(0, static_cast<int>(i)))]);
             squad.resize(TeamLayout::kFirstXI);
             if (!TeamEdit::SetFirstXI(edit, id, squad).ok())
                 return std::nullopt;
             return [=](tg::GameDescription& desc) { desc.FindTeam(id)->firstXI.assign(squad.begin(), squad.end()); };
         }},
        {"roles", [](GameEdit& edit, tg::Rng& rng) -> std::optional<Mirror> {
             const std::uint16_t id = rng.Pick(edit.Game().LoadedTeamOrder());
             const TeamEdit::TeamRoles roles{rng.Between(0, 10), rng.Between(0, 10), rng.Between(0, 4), rng.Between(5, 10)};
             if (!TeamEdit::SetRoles(edit, id, roles).ok())
                 return std::nullopt;
             return [=](tg::GameDescription& desc) {
                 desc.FindTeam(id)->SetCaptain(roles.captain).SetKeeper(roles.keeper);
                 desc.FindTeam(id)->SetOpenBowler1(roles.openBowler1).SetOpenBowler2(roles.openBowler2);
             };
         }},
    };
    return kinds;
}

// The game's modified flag, then every player's and every team's.
std::vector<std::uint32_t> Flags(const CGame& game)
{
    std::vector<std::uint32_t> flags{game.IsModified()};
    for (const CPlayer* player : game.Players())
        flags.push_back(player->m_bModified);
    for (const CTeam* team : game.Teams())
        flags.push_back(team->m_bModified);
    return flags;
}

bool NothingModified(const CGame& game)
{
    const auto flags = Flags(game);
    return std::all_of(flags.begin(), flags.end(), [](auto flag) { return flag == 0; });
}

struct EditedGame
{
    explicit EditedGame(std::uint64_t seed) : desc(tg::MakeRealisticGame(seed, 400)), file(desc)
    {
        EXPECT_TRUE(Loads(game, file.path));
    }
    std::vector<std::uint8_t> SavedBytes(const std::string& name)
    {
        const auto path = file.dir.Path() / name;
        EXPECT_TRUE(Saves(game, path));
        return tg::ReadFileBytes(path);
    }
    tg::GameDescription desc;
    GameOnDisk file;
    CGame game;
};

// A committed step: its undo record and the same change for the description.
struct Step
{
    GameUndoRecord record;
    Mirror mirror;
};

std::optional<Step> RandomStep(CGame& game, const EditKind& kind, tg::Rng& rng)
{
    GameEdit edit(game);
    auto mirror = kind.make(edit, rng);
    edit.MarkChangedModified();
    GameUndoRecord record = edit.Commit(kind.name);
    if (!mirror || record.Empty())
        return std::nullopt;
    return Step{std::move(record), std::move(*mirror)};
}

TEST(GameEdit, AnAbandonedEditRollsBackEverythingAndTellsNobody)
{
    EditedGame g(12);
    int told = 0;
    g.game.AddObserver([&](const GameChange&) { ++told; });
    const auto* team = g.desc.TeamRecords()[0];
    {
        GameEdit edit(g.game);
        tg::Rng rng(4);
        for (const auto& kind : EditKinds())
            kind.make(edit, rng);
        edit.MarkChangedModified();
        ASSERT_TRUE(g.game.IsModified());
        // The operation that fails: a First XI naming a player of another squad.
        std::vector<std::uint32_t> xi(team->firstXI.begin(), team->firstXI.end());
        xi[0] = g.desc.TeamRecords()[1]->squad[0];
        ASSERT_FALSE(TeamEdit::SetFirstXI(edit, team->id, xi).ok());
    }
    EXPECT_EQ(told, 0);
    EXPECT_TRUE(NothingModified(g.game));
    EXPECT_TRUE(SameBytes(g.SavedBytes("ROLLED.DB"), g.file.built.bytes));
}

TEST(GameEdit, EveryObserverHearsWhatAnEditUndoOrRedoChanged)
{
    EditedGame g(13);
    std::vector<GameChange> first, second;
    g.game.AddObserver([&](const GameChange& change) { first.push_back(change); });
    const auto token = g.game.AddObserver([&](const GameChange& change) { second.push_back(change); });

    const auto& from = *g.desc.TeamRecords()[2];
    const auto& to = *g.desc.TeamRecords()[5];
    const std::uint16_t mover = from.squad[1];
    GameEdit edit(g.game);
    ASSERT_TRUE(edit.MovePlayer(mover, to.id).ok());
    ASSERT_TRUE(TeamEdit::SetNames(edit, to.id, {"Joined", "J", "J"}).ok());
    const GameUndoRecord record = edit.Commit("Move");
    const GameChange moved{{mover}, {std::min(from.id, to.id), std::max(from.id, to.id)}, true, false, false};
    EXPECT_EQ(first, std::vector<GameChange>{moved});
    EXPECT_EQ(second, first);

    g.game.RemoveObserver(token);
    ASSERT_TRUE(record.Undo(g.game));
    // An edit that changes nothing is no step and no news.
    GameEdit unchanged(g.game);
    unchanged.Player(mover)->SetU32(PlayerLayout::nContract, unchanged.Game().Player(mover)->U32(PlayerLayout::nContract));
    EXPECT_TRUE(unchanged.Commit("Nothing").Empty());
    ASSERT_TRUE(Loads(g.game, g.file.path));
    EXPECT_EQ(first, (std::vector<GameChange>{moved, moved, GameChange{.reset = true}}));
    EXPECT_EQ(second.size(), 1u);
    // A record of another loaded game is not applied.
    EXPECT_FALSE(record.Redo(g.game));
}

// Random edits, undos and redos: the saved file is always what the edits
// still applied describe; undoing them all gives back the loaded file.
TEST(GameEdit, RandomEditsUndosAndRedosSaveWhatTheAppliedEditsDescribe)
{
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        EditedGame g(seed);
        tg::Rng rng(seed * 7919);
        std::vector<Step> done, undone;
        for (int i = 0; i < 40; ++i) {
            const int choice = rng.Between(0, 9);
            if (choice < 2 && !done.empty()) {
                ASSERT_TRUE(done.back().record.Undo(g.game));
                undone.push_back(std::move(done.back()));
                done.pop_back();
            } else if (choice < 4 && !undone.empty()) {
                ASSERT_TRUE(undone.back().record.Redo(g.game));
                done.push_back(std::move(undone.back()));
                undone.pop_back();
            } else if (auto step = RandomStep(g.game, rng.Pick(EditKinds()), rng)) {
                done.push_back(std::move(*step));
                undone.clear();
            }
        }
        auto expected = g.desc;
        for (const auto& step : done)
            step.mirror(expected);
        const auto edited = Flags(g.game);
        for (auto step = done.rbegin(); step != done.rend(); ++step)
            ASSERT_TRUE(step->record.Undo(g.game));
        EXPECT_TRUE(NothingModified(g.game));
        EXPECT_TRUE(SameBytes(g.SavedBytes("UNDONE.DB"), g.file.built.bytes));
        for (const auto& step : done)
            ASSERT_TRUE(step.record.Redo(g.game));
        EXPECT_EQ(Flags(g.game), edited);
        EXPECT_TRUE(SameBytes(g.SavedBytes("REDONE.DB"), tg::Build(expected).bytes));
        // After the save the flags the images hold are stale: an undo marks the game modified.
        ASSERT_FALSE(done.empty());
        ASSERT_TRUE(done.back().record.Undo(g.game));
        EXPECT_TRUE(g.game.IsModified());
    }
}

} // namespace
