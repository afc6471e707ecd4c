// Moving a player between squads, and what the observers are told about it.
#include "CoreTestHelpers.h"
#include "FieldCodes.h"
#include "GameEdit.h"

#include <algorithm>

namespace {

// Realistic squads of 15 to 30 with a First XI of eleven, loaded.
struct MoveGame
{
    explicit MoveGame(tg::GameDescription description = tg::MakeRealisticGame(31, 600))
        : desc(std::move(description)), file(desc)
    {
        EXPECT_TRUE(Loads(game, file.path));
    }
    GameStatus Move(std::uint32_t id, std::uint16_t from, std::uint16_t to)
    {
        return GameEdit::Within(game, [&](GameEdit& edit) { return edit.MovePlayer(id, from, to); });
    }
    tg::GameDescription desc;
    GameOnDisk file;
    CGame game;
};

bool InFirstXI(const tg::TeamRecordDescription& team, std::uint16_t id)
{
    return std::find(team.firstXI.begin(), team.firstXI.end(), id) != team.firstXI.end();
}

TEST(MovePlayer, TheSlotKeepsTheDepartedIdWhenTheWholeSquadIsInTheFirstXI)
{
    auto desc = tg::MakeRealisticGame(31, 600);
    auto* team = desc.TeamRecords()[2];
    for (auto id : team->squad) {
        if (!InFirstXI(*team, id))
            desc.FindPlayer(id)->SetTeam(tg::layout::kNoTeam);
    }
    team->squad = team->firstXI;
    MoveGame m(desc);
    const auto mover = team->firstXI[0];
    ASSERT_TRUE(m.Move(mover, team->id, kNoTeam).ok());
    EXPECT_EQ(m.game.Team(team->id)->m_wPlayerCount, 10);
    EXPECT_EQ(m.game.Team(team->id)->m_squad[10], 0u) << "the place left is cleared";
    EXPECT_EQ(m.game.Team(team->id)->m_firstXI[0], mover);
    EXPECT_EQ(m.game.Player(mover)->Team(), kNoTeam);
}

TEST(MovePlayer, IntoASquadOf256IsRefusedAndChangesNothing)
{
    auto desc = tg::MakeRealisticGame(41, 900);
    auto* full = desc.TeamRecords()[0];
    const auto free = FreePlayers(desc);
    ASSERT_GT(free.size(), 256 - full->squad.size()) << "not enough free players";
    for (std::size_t i = 0; full->squad.size() < 256; ++i) {
        full->squad.push_back(free[i]);
        desc.FindPlayer(free[i])->SetTeam(full->id);
    }
    MoveGame m(desc);
    const auto loner = FreePlayers(desc).at(0);
    const auto& other = *desc.TeamRecords()[1];
    const auto member = other.squad[0];

    const auto fromNoTeam = m.Move(loner, kNoTeam, full->id);
    EXPECT_FALSE(fromNoTeam.ok());
    EXPECT_FALSE(fromNoTeam.message().empty());
    EXPECT_FALSE(m.Move(member, other.id, full->id).ok());
    EXPECT_EQ(m.game.Player(loner)->Team(), kNoTeam);
    EXPECT_EQ(m.game.Player(member)->Team(), other.id);
    EXPECT_EQ(SquadOf(*m.game.Team(other.id)), other.squad);
    EXPECT_EQ(SquadOf(*m.game.Team(full->id)), full->squad);
    EXPECT_FALSE(m.game.IsModified());
    EXPECT_EQ(m.game.Player(loner)->m_bModified, 0u);
    EXPECT_EQ(m.game.Player(member)->m_bModified, 0u);

    // Leaving a full squad is allowed.
    EXPECT_TRUE(m.Move(full->squad[0], full->id, kNoTeam).ok());
    EXPECT_EQ(m.game.Team(full->id)->m_wPlayerCount, 255);
}

TEST(MoveObservers, AMoveHomeChangesNothingAMoveMarksAndTellsAndASaveClearsTheMarks)
{
    MoveGame m;
    std::vector<GameChange> heard;
    m.game.AddObserver([&heard](const GameChange& change) { heard.push_back(change); });
    const auto& from = *m.desc.TeamRecords()[0];
    const auto& to = *m.desc.TeamRecords()[1];
    const auto mover = from.squad[0];

    const CTeam before = *m.game.Team(from.id);
    EXPECT_TRUE(m.Move(mover, from.id, from.id).ok());
    EXPECT_TRUE(m.game.Team(from.id)->SameContent(before));
    EXPECT_FALSE(m.game.IsModified());
    EXPECT_EQ(m.game.Player(mover)->m_bModified, 0u);
    EXPECT_TRUE(heard.empty());

    ASSERT_TRUE(m.Move(mover, from.id, to.id).ok());
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].players, std::vector<std::uint32_t>{mover});
    EXPECT_EQ(heard[0].teams, (std::vector<std::uint16_t>{std::min(from.id, to.id), std::max(from.id, to.id)}));
    const auto label = m.game.PlayerLabel(*m.game.Player(mover));
    EXPECT_EQ(label.back(), '*');

    ASSERT_TRUE(Saves(m.game));
    EXPECT_TRUE(heard.back().saved);
    EXPECT_FALSE(m.game.IsModified());
    EXPECT_EQ(m.game.PlayerLabel(*m.game.Player(mover)), label.substr(0, label.size() - 1));
}

} // namespace
