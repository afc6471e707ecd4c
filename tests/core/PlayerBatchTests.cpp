// Edits of many players at once: each action saves what the builder writes
// for the same change of the description, undoes to the loaded bytes and
// redoes to the edited ones; a refusal changes nothing and names the players.
#include "AbilityPresets.h"
#include "CoreTestHelpers.h"
#include "GameEdit.h"
#include "PlayerBatch.h"
#include "PlayerForm.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace {

using PlayerBatch::Operation;

// A whole squad, three players of another team and four without one; the
// salaries end in 0 or 5, so a tenth more falls on halves as well.
struct BatchGame
{
    explicit BatchGame(int playerCount = 600) : desc(tg::MakeRealisticGame(21, playerCount))
    {
        const auto teams = desc.TeamRecords();
        home = teams[0]->id;
        ids.assign(teams[0]->squad.begin(), teams[0]->squad.end());
        visitor = teams[1]->squad[0];
        ids.insert(ids.end(), teams[1]->squad.begin(), teams[1]->squad.begin() + 3);
        const auto free = FreePlayers(desc);
        ids.insert(ids.end(), free.begin(), free.begin() + 4);
        for (std::size_t i = 0; i < ids.size(); ++i)
            desc.FindPlayer(static_cast<std::uint16_t>(ids[i]))->SetSalary(1000 + 5 * static_cast<int>(i));
    }
    void Load()
    {
        file.emplace(desc);
        ASSERT_TRUE(Loads(game, file->path));
    }
    std::vector<std::uint8_t> SavedBytes(const std::string& name)
    {
        EXPECT_TRUE(Saves(game, file->dir.Path() / name));
        return tg::ReadFileBytes(file->dir.Path() / name);
    }

    tg::GameDescription desc;
    std::optional<GameOnDisk> file;
    CGame game;
    std::uint16_t home = 0;
    std::uint32_t visitor = 0; // of another team: every action changes him
    std::vector<std::uint32_t> ids;
};

// A move as the description sees it: out of the squad, each First XI place he
// held to the first squad member outside the XI, to the end of the new squad.
void MoveInDescription(tg::GameDescription& desc, std::uint16_t mover, std::uint16_t to)
{
    const std::uint16_t from = desc.FindPlayer(mover)->U16(tg::layout::kTeam);
    if (auto* team = from != kNoTeam ? desc.FindTeam(from) : nullptr) {
        std::erase(team->squad, mover);
        for (auto& place : team->firstXI) {
            if (place != mover)
                continue;
            const auto free = std::ranges::find_if(team->squad, [&](auto id) { return std::ranges::count(team->firstXI, id) == 0; });
            if (free != team->squad.end())
                place = *free;
        }
    }
    if (to != kNoTeam)
        desc.FindTeam(to)->squad.push_back(mover);
    desc.FindPlayer(mover)->SetTeam(to);
}

struct Action
{
    const char* name;
    std::function<GameStatus(GameEdit&, const BatchGame&)> run;
    std::function<void(const BatchGame&, tg::GameDescription&)> mirror;
};

const Action kActions[] = {
    {"salary x 110 %", [](GameEdit& e, const BatchGame& g) { return PlayerBatch::SetField(e, g.ids, "salary", Operation::MultiplyPercent, 110); },
        [](const BatchGame& g, tg::GameDescription& d) {
            for (const auto id : g.ids)
                d.FindPlayer(static_cast<std::uint16_t>(id))->SetSalary((g.game.Player(id)->m_nSalary * 110 + 50) / 100);
        }},
    {"Excellent", [](GameEdit& e, const BatchGame& g) { return PlayerBatch::ApplyPreset(e, g.ids, 2); },
        [](const BatchGame& g, tg::GameDescription& d) {
            for (const auto id : g.ids) {
                CPlayer player = *g.game.Player(id);
                AbilityPresets::ApplyAbilities(player, AbilityPresets::LevelImage(AbilityPresets::Level::Excellent, static_cast<int>(player.Type())));
                auto& record = d.FindPlayer(static_cast<std::uint16_t>(id))->record;
                std::copy_n(player.RecordData() + tg::layout::kAbilityStart, PlayerLayout::kAbilitySize, record.begin() + tg::layout::kAbilityStart);
            }
        }},
    {"move", [](GameEdit& e, const BatchGame& g) { return PlayerBatch::MoveToTeam(e, g.ids, g.home); },
        [](const BatchGame& g, tg::GameDescription& d) {
            for (const auto id : g.ids)
                if (g.game.Player(id)->Team() != g.home)
                    MoveInDescription(d, static_cast<std::uint16_t>(id), g.home);
        }},
    {"take out", [](GameEdit& e, const BatchGame& g) { return PlayerBatch::TakeOut(e, g.ids); },
        [](const BatchGame& g, tg::GameDescription& d) {
            for (const auto id : g.ids)
                MoveInDescription(d, static_cast<std::uint16_t>(id), kNoTeam);
        }},
};

TEST(PlayerBatch, EachActionSavesWhatTheBuilderWritesAndUndoesAndRedoesExactly)
{
    for (const Action& action : kActions) {
        SCOPED_TRACE(action.name);
        BatchGame g;
        g.Load();
        auto expected = g.desc;
        action.mirror(g, expected); // from the game as loaded
        g.ids.push_back(g.ids.front()); // a player named twice changes once

        GameEdit edit(g.game);
        const GameStatus status = action.run(edit, g);
        ASSERT_TRUE(status.ok()) << status.message();
        const GameUndoRecord record = edit.Commit(action.name);
        EXPECT_TRUE(g.game.Player(g.visitor)->m_bModified);
        const auto expectedBytes = tg::Build(expected).bytes;
        EXPECT_TRUE(SameBytes(g.SavedBytes("EDITED.DB"), expectedBytes));
        ASSERT_TRUE(record.Undo(g.game));
        EXPECT_TRUE(SameBytes(g.SavedBytes("UNDONE.DB"), g.file->built.bytes));
        ASSERT_TRUE(record.Redo(g.game));
        EXPECT_TRUE(SameBytes(g.SavedBytes("REDONE.DB"), expectedBytes));
    }
}

TEST(PlayerBatch, ARefusalChangesNothingAndNamesThePlayersItRefuses)
{
    BatchGame g(900);
    // Seven salaries a tenth more would take past what the game stores, a
    // date of birth that is none, and a squad three short of full.
    for (std::size_t i = 0; i < 7; ++i)
        g.desc.FindPlayer(static_cast<std::uint16_t>(g.ids[i]))->SetSalary(95000);
    auto& undated = *g.desc.FindPlayer(static_cast<std::uint16_t>(g.ids[8]));
    undated.SetBirthCode(0);
    auto* full = g.desc.TeamRecords()[2];
    const auto free = FreePlayers(g.desc); // the first four are chosen
    for (std::size_t i = 4; i < free.size() && full->squad.size() + 3 < TeamLayout::kMaxSquad; ++i) {
        full->squad.push_back(free[i]);
        g.desc.FindPlayer(free[i])->SetTeam(full->id);
    }
    g.Load();

    GameEdit edit(g.game);
    const std::string text = PlayerBatch::SetField(edit, g.ids, "salary", Operation::MultiplyPercent, 110).message();
    EXPECT_TRUE(Contains(text, "8 of " + std::to_string(g.ids.size()) + " players")) << text;
    for (std::size_t i = 0; i < PlayerBatch::kNamedPlayers; ++i)
        EXPECT_TRUE(Contains(text, g.desc.FindPlayer(static_cast<std::uint16_t>(g.ids[i]))->familyName)) << text;
    EXPECT_TRUE(Contains(text, " and 2 more: salary must be a whole number from 0 to 98303")) << text;
    EXPECT_TRUE(Contains(text, undated.familyName) && Contains(text, PlayerForm::kInvalidBirth)) << text;

    const GameStatus crowded = PlayerBatch::MoveToTeam(edit, g.ids, full->id);
    EXPECT_TRUE(Contains(crowded.message(), "at most 256 players")) << crowded.message();
    const GameStatus missing = PlayerBatch::ApplyPreset(edit, {g.ids[0], 60000}, 0);
    EXPECT_TRUE(Contains(missing.message(), "1 of 2 players") && Contains(missing.message(), "player 60000")) << missing.message();
    EXPECT_FALSE(PlayerBatch::SetField(edit, g.ids, "bowl_arm", Operation::Add, 1).ok());

    EXPECT_TRUE(edit.Commit().Empty());
    EXPECT_FALSE(g.game.IsModified());
}

} // namespace
