// set: a player edited as the player form commits him. Expected files are
// built from the description changed as the editor would change it.
#include "AbilityPresets.h"
#include "CliTestSupport.h"
#include "FieldCodes.h"

#include <tuple>

namespace {

namespace layout = tg::layout;

// A batsman without a team whose record holds values the form rewrites.
struct SetFixture : ::testing::Test
{
    SetFixture()
    {
        id = FirstFreePlayer(game);
        auto& p = *game.FindPlayer(id);
        p.SetNames("John Andrew", "Smith");
        p.SetBirth(1971, 3, 4).SetSalary(12000).SetContract(2).SetOrigin(2);
        p.SetType(1).SetKeeper(0).SetPartTimeKeeper(0).SetBowlStyle(2).SetBowlArm(1).SetBatsRight(1);
        p.SetVsPace(0x3F).SetFootwork(0x40).SetSide(0x55);
    }
    CliRun Set(const GameFile& file, std::vector<std::string> assignments, const std::string& who = {})
    {
        assignments.insert(assignments.begin(), {"set", file.Path(), who.empty() ? std::to_string(id) : who});
        return RunLib(assignments);
    }

    tg::GameDescription game = StandardGame();
    std::uint16_t id = 0;
};

TEST_F(SetFixture, NamesSalaryDateAndChoicesAreStoredAsTheFormStoresThem)
{
    GameFile file(game);
    const CliRun run = Set(file, {"given_names=john andrew", "family_name=smyth", "salary=40000", "birth=1996-02-29",
                                     "footwork=front", "vs_pace=fast", "contract=7", "bowl_style=5", "keeper=1",
                                     "part_time_keeper=1"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto expected = game;
    auto& p = *expected.FindPlayer(id);
    p.givenNames = "john andrew";
    p.familyName = "smyth";
    p.initials = "JAs"; // given initials upper-cased, the family letter as typed
    p.SetSalary(40000).SetBirth(1996, 2, 29).SetContract(7).SetBowlStyle(5).SetKeeper(1).SetPartTimeKeeper(1);
    p.SetFootwork(0xC0); // changed choice: 0xC0
    // vs_pace stays 0x3F: "fast" is the choice it already shows; side 0x55 is untouched.
    EXPECT_EQ(file.Bytes(), tg::Build(expected).bytes);
    EXPECT_TRUE(Contains(run.out, "player " + std::to_string(id) + " (Smith JA) family_name: \"Smith\" -> \"smyth\"")) << run.out;
}

// The image of the type given in the same command (else the record's), the form's fields over it.
TEST_F(SetFixture, LevelPresetFollowsTheTypeGivenInTheSameCommandAndKeepsTheFormsFields)
{
    using AbilityPresets::Level;
    const std::tuple<std::vector<std::string>, const AbilityPresets::AbilityImage*, std::uint32_t> cases[] = {
        {{"preset=excellent", "type=3"}, &AbilityPresets::LevelImage(Level::Excellent, 3), 3},
        {{"preset=excellent"}, &AbilityPresets::LevelImage(Level::Excellent, 1), 1},
        {{"preset=super"}, &AbilityPresets::SuperImage(), 1}};
    for (const auto& [assignments, image, type] : cases) {
        GameFile file(game);
        ASSERT_EQ(Set(file, assignments).exitCode, 0);
        auto expected = game;
        auto& p = *expected.FindPlayer(id);
        std::copy(image->begin(), image->end(), p.record.begin() + layout::kAbilityStart);
        p.SetType(type).SetKeeper(0).SetPartTimeKeeper(0).SetBowlStyle(2).SetBowlArm(1).SetBatsRight(1);
        p.SetVsPace(0x3F).SetFootwork(0x40).SetSide(0x55);
        EXPECT_EQ(file.Bytes(), tg::Build(expected).bytes) << assignments.front();
    }
}

TEST_F(SetFixture, AbilitiesFromCopiesTheWholeAbilityAreaOnly)
{
    std::uint16_t source = 0;
    for (const auto& p : game.players)
        if (p.id != id && p.U16(layout::kTeam) == layout::kNoTeam)
            source = p.id;
    auto& s = *game.FindPlayer(source);
    s.SetType(3).SetBowlStyle(4).SetBowlArm(0).SetKeeper(1).SetPartTimeKeeper(0).SetSide(0x55).SetVsPace(0xBF);
    GameFile file(game);
    ASSERT_EQ(Set(file, {"abilities_from=" + std::to_string(source)}).exitCode, 0);
    auto expected = game;
    std::copy(s.record.begin() + layout::kAbilityStart, s.record.begin() + layout::kAbilityEnd,
        expected.FindPlayer(id)->record.begin() + layout::kAbilityStart);
    EXPECT_EQ(file.Bytes(), tg::Build(expected).bytes);
}

TEST_F(SetFixture, ValuesTheFileCannotHoldAndBadUsageAreRefusedAndNothingIsWritten)
{
    GameFile file(game);
    const auto before = file.Bytes();
    // The game's calendar and ranges are the core's (tests/core); here the tool's parsing of them.
    const std::vector<std::string> refused = {"birth=2000-02-29", "birth=10000-01-01", "birth=31/12/1999",
        "salary=98304", "salary=-1", "type=4", "bowl_style=6", "keeper=2", "bats_right=yes", "bowl_arm=-1",
        "part_time_keeper=3", "team=19", "team=0", "origin=40", "vs_pace=medium", "given_names=\xE4\xB8\xAD",
        "family_name=" + std::string(256, 'a'), "stats.test_match.runs=2147483648", "preset=brilliant",
        "abilities_from=9999", "contract=-1"};
    for (const auto& assignment : refused) {
        const CliRun run = Set(file, {"salary=500", assignment});
        EXPECT_EQ(run.exitCode, 1) << assignment;
        EXPECT_TRUE(Contains(run.err, assignment.substr(0, assignment.find('=')))) << assignment << ": " << run.err;
        EXPECT_EQ(file.Bytes(), before) << assignment;
    }
    // Malformed assignments and unknown or read-only keys are usage errors.
    for (const std::string bad : {"salary", "=5", "wage=5", "initials=JS", "display_name=x", "stats.first_class.sixes=1"}) {
        const CliRun run = RunExe({"set", file.Path(), std::to_string(id), bad});
        EXPECT_EQ(run.exitCode, 2) << bad << ": " << run.err;
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_EQ(RunExe({"set", file.Path(), std::to_string(id)}).exitCode, 2);
    EXPECT_EQ(RunExe({"set", file.Path(), "abc", "salary=5"}).exitCode, 2);
    EXPECT_EQ(file.Bytes(), before);
}

TEST_F(SetFixture, OutputOptionWritesTheCopyAndLeavesTheSourceUntouched)
{
    GameFile file(game);
    const auto before = file.Bytes();
    const CliRun run = RunExe({"set", file.Path(), std::to_string(id), "salary=777", "-o", file.Sibling("OUT.CAP")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(file.Bytes(), before);
    auto expected = game;
    expected.FindPlayer(id)->SetSalary(777);
    EXPECT_EQ(tg::ReadFileBytes(file.Sibling("OUT.CAP")), tg::Build(expected).bytes);

    const std::string refusedOut = file.Sibling("REFUSED.CAP");
    EXPECT_EQ(RunExe({"set", file.Path(), std::to_string(id), "salary=100000", "-o", refusedOut}).exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(refusedOut)) << "a refused edit writes nothing";
    EXPECT_EQ(file.Bytes(), before);
}

} // namespace
