// The player field table walked row by row: each writable field takes the
// values at the ends of its range (or each of its words), stores them through
// the form's commit and reads them back; just outside, it refuses, naming
// the key and the value.
#include "CoreTestHelpers.h"
#include "PlayerFields.h"

namespace {

struct Probe
{
    std::vector<std::string> accepted, refused;
};

std::string Plus(std::int64_t number, std::int64_t step)
{
    return std::to_string(number + step);
}

Probe ProbeOf(const PlayerField& field, const CGame& game)
{
    switch (field.kind) {
    case FieldKind::Text:
        return {{"", std::string(static_cast<std::size_t>(field.max), 'x')},
            {std::string(static_cast<std::size_t>(field.max) + 1, 'x')}};
    case FieldKind::Date:
        return {{"0100-01-01", "9999-12-31"}, {"0099-12-31", "2000-02-29"}};
    case FieldKind::Choice:
        return {field.choices, {field.choices.back() + "x"}};
    case FieldKind::Number: break;
    }
    Probe probe{{Plus(field.min, 0), Plus(field.max, 0)}, {Plus(field.min, -1), Plus(field.max, 1)}};
    switch (field.ref) {
    case FieldRef::Team: probe.accepted = {"none", std::to_string(game.TeamCount() - 1)}; break;
    case FieldRef::TeamName: probe.accepted = {"none", std::to_string(game.NameList(0).size() - 1)}; break;
    case FieldRef::Player: probe.accepted = {std::to_string(game.PlayerCount() - 1)}; break;
    case FieldRef::None: break;
    }
    return probe;
}

TEST(PlayerFields, EveryWritableFieldStoresItsRangeEndsAndRefusesJustBeyondThem)
{
    GameOnDisk disk(SmallGame());
    CGame game;
    ASSERT_TRUE(Loads(game, disk.path));
    CPlayer base = *game.Player(static_cast<std::uint32_t>(game.PlayerCount() - 1));
    base.SetU32(PlayerLayout::nKeeper, 1); // part-time keeping is stored for keepers only

    for (const PlayerField& field : PlayerFields::All()) {
        if (!field.Writable())
            continue;
        const Probe probe = ProbeOf(field, game);
        for (const std::string& text : probe.accepted) {
            SCOPED_TRACE(field.key + "=" + text);
            FieldValue value;
            ASSERT_TRUE(PlayerFields::Parse(game, field, text, value));
            if (!field.Readable())
                continue;
            CPlayer player = base;
            PlayerFormValues values = PlayerForm::Fill(player, game.NameList(0).size()), shown = values;
            PlayerFieldTarget target{game, player, values, shown};
            PlayerFields::Set(target, field, value);
            ASSERT_TRUE(PlayerForm::Store(player, values, shown));
            EXPECT_EQ(PlayerFields::ToText(PlayerFields::Get(player, field)), PlayerFields::ToText(value));
        }
        for (const std::string& text : probe.refused) {
            FieldValue value;
            const GameStatus status = PlayerFields::Parse(game, field, text, value);
            EXPECT_FALSE(status) << field.key << "=" << text;
            EXPECT_TRUE(Contains(status.message(), "\"" + text + "\" for " + field.key)) << status.message();
        }
    }
}

} // namespace
