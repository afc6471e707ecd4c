#include "PlayerBatch.h"

#include "Cp1252.h"
#include "PlayerEdit.h"
#include "PlayerForm.h"
#include "RecordLayout.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <variant>

namespace {

// The players an action refuses, grouped by why, each group in the order met.
class Refusals
{
public:
    void Add(const CPlayer* player, std::uint32_t id, const std::string& reason)
    {
        ++m_count;
        Group* group = nullptr;
        for (Group& known : m_groups) {
            if (known.reason == reason)
                group = &known;
        }
        if (!group)
            group = &m_groups.emplace_back(Group{reason, {}, 0});
        if (group->names.size() < PlayerBatch::kNamedPlayers) {
            const std::string name = player ? Cp1252::ToUtf8(player->GetDisplayName()) : std::string();
            group->names.push_back(name.empty() ? "player " + std::to_string(id) : name);
        }
        ++group->count;
    }

    bool Empty() const { return m_count == 0; }

    // "Nothing was changed: 3 of 37 players <what>." and a line per reason:
    // "Smith J, Jones K and 1 more: <reason>".
    GameStatus Status(std::size_t playerCount, const std::string& what) const
    {
        std::string text = "Nothing was changed: " + std::to_string(m_count) + " of " + std::to_string(playerCount)
            + (playerCount == 1 ? " player " : " players ") + what + ".";
        for (const Group& group : m_groups) {
            text += "\n";
            for (std::size_t i = 0; i < group.names.size(); ++i)
                text += (i == 0 ? "" : ", ") + group.names[i];
            if (group.count > group.names.size())
                text += " and " + std::to_string(group.count - group.names.size()) + " more";
            text += ": " + group.reason;
        }
        return GameStatus::Failure(text);
    }

private:
    struct Group
    {
        std::string reason;
        std::vector<std::string> names; // the first kNamedPlayers
        std::size_t count = 0;
    };
    std::vector<Group> m_groups;
    std::size_t m_count = 0;
};

// The players named, each once, in the order given; a missing one is refused.
struct Selection
{
    std::vector<const CPlayer*> players;
    std::size_t named = 0; // distinct ids, missing ones included
};

Selection Select(const CGame& game, const std::vector<std::uint32_t>& ids, Refusals& refusals)
{
    Selection selection;
    selection.players.reserve(ids.size());
    std::vector<bool> seen(game.PlayerCount());
    std::vector<std::uint32_t> missing;
    for (const std::uint32_t id : ids) {
        if (id < seen.size() && seen[id])
            continue;
        if (const CPlayer* player = game.Player(id)) {
            seen[id] = true;
            selection.players.push_back(player);
        } else if (std::find(missing.begin(), missing.end(), id) == missing.end()) {
            missing.push_back(id);
            refusals.Add(nullptr, id, "the file has no player with this id");
        }
    }
    selection.named = selection.players.size() + missing.size();
    return selection;
}

// The value a player gets, checked against the field's range and what it
// names; the refusal's text is the same for every player refused alike.
GameStatus NewValue(const CGame& game, const PlayerField& field, const CPlayer& player,
    PlayerBatch::Operation operation, std::int32_t operand, FieldValue& value)
{
    std::string text = std::to_string(operand);
    if (field.kind == FieldKind::Choice) {
        if (operand >= 0 && static_cast<std::size_t>(operand) < field.choices.size())
            text = field.choices[static_cast<std::size_t>(operand)];
    } else {
        const FieldValue current = operation == PlayerBatch::Operation::Set ? FieldValue{}
                                                                             : PlayerFields::Get(player, field);
        const auto* number = std::get_if<std::int64_t>(&current);
        const std::int64_t result = PlayerBatch::Compute(operation, number ? *number : 0, operand);
        if (result < field.min || result > field.max) {
            return GameStatus::Failure(field.key + " must be a whole number from " + std::to_string(field.min) + " to "
                + std::to_string(field.max) + (field.note.empty() ? std::string() : " (" + field.note + ")"));
        }
        text = std::to_string(result);
    }
    return PlayerFields::Parse(game, field, text, value);
}

// Whether the form's commit takes the player with the value. What it
// refuses follows from the form's values alone, so a scratch record stands
// in for the player's own and the player stays untouched.
GameStatus FormAccepts(const CGame& game, const PlayerField& field, const CPlayer& player, const FieldValue& value,
    CPlayer& scratch)
{
    PlayerFormValues values = PlayerForm::Fill(player, game.NameList(0).size());
    PlayerFormValues shown = values;
    PlayerFieldTarget target{game, scratch, values, shown};
    PlayerFields::Set(target, field, value);
    return PlayerForm::Store(scratch, values, shown);
}

} // namespace

namespace PlayerBatch {

bool Counts(const PlayerField& field)
{
    return field.kind == FieldKind::Number && field.access == FieldAccess::ReadWrite && field.ref == FieldRef::None;
}

std::int64_t Compute(Operation operation, std::int64_t value, std::int32_t operand)
{
    switch (operation) {
    case Operation::Set: return operand;
    case Operation::Add: return value + operand;
    case Operation::Subtract: return value - operand;
    case Operation::MultiplyPercent: {
        // Field values and operands fit in 32 bits, so the product fits in 64.
        const std::int64_t product = value * operand;
        const std::int64_t rest = product % 100;
        return product / 100 + (std::llabs(rest) * 2 >= 100 ? (product < 0 ? -1 : 1) : 0);
    }
    }
    return value;
}

GameStatus SetField(GameEdit& edit, const std::vector<std::uint32_t>& playerIds, std::string_view key,
    Operation operation, std::int32_t operand)
{
    const CGame& game = edit.Game();
    const PlayerField* field = PlayerFields::Find(key);
    const bool settable = field && field->Writable() && field->ref != FieldRef::Team
        && (field->kind == FieldKind::Number || field->kind == FieldKind::Choice);
    if (!settable)
        return GameStatus::Failure("the key " + std::string(key) + " cannot be set for several players at once");
    if (operation != Operation::Set && !Counts(*field))
        return GameStatus::Failure("the key " + field->key + " can only be set, not counted with");

    Refusals refusals;
    const Selection selection = Select(game, playerIds, refusals);
    std::vector<FieldValue> values(selection.players.size());
    CPlayer scratch;
    for (std::size_t i = 0; i < selection.players.size(); ++i) {
        const CPlayer& player = *selection.players[i];
        GameStatus status = NewValue(game, *field, player, operation, operand, values[i]);
        if (status)
            status = FormAccepts(game, *field, player, values[i], scratch);
        if (!status)
            refusals.Add(&player, player.m_nId, status.message());
    }
    if (!refusals.Empty())
        return refusals.Status(selection.named, "cannot take the new value");

    for (std::size_t i = 0; i < selection.players.size(); ++i) {
        PlayerEdit change;
        change.values.emplace(field, std::move(values[i]));
        if (GameStatus applied = PlayerEditing::Apply(edit, selection.players[i]->m_nId, change); !applied)
            return applied; // checked above; the caller drops the edit
    }
    edit.MarkChangedModified();
    return {};
}

GameStatus ApplyPreset(GameEdit& edit, const std::vector<std::uint32_t>& playerIds, int preset)
{
    const CGame& game = edit.Game();
    const PlayerField& field = PlayerFields::Field("preset");
    if (preset < 0 || static_cast<std::size_t>(preset) >= field.choices.size())
        return GameStatus::Failure("there is no ability preset " + std::to_string(preset));
    Refusals refusals;
    const Selection selection = Select(game, playerIds, refusals);
    if (!refusals.Empty())
        return refusals.Status(selection.named, "cannot be changed");

    const FieldValue level = field.choices[static_cast<std::size_t>(preset)];
    for (const CPlayer* shownPlayer : selection.players) {
        // The form's values of the player decide the image, as his type radio does.
        CPlayer& player = *edit.Player(shownPlayer->m_nId);
        PlayerFormValues values = PlayerForm::Fill(player, game.NameList(0).size());
        PlayerFormValues shown = values;
        PlayerFieldTarget target{game, player, values, shown};
        PlayerFields::Set(target, field, level);
    }
    edit.MarkChangedModified();
    return {};
}

GameStatus MoveToTeam(GameEdit& edit, const std::vector<std::uint32_t>& playerIds, std::uint16_t teamId)
{
    const CGame& game = edit.Game();
    const CTeam* team = teamId != kNoTeam ? game.Team(teamId) : nullptr;
    if (!team)
        return GameStatus::Failure("There is no team with the id " + std::to_string(teamId) + ".");
    Refusals refusals;
    const Selection selection = Select(game, playerIds, refusals);
    if (!refusals.Empty())
        return refusals.Status(selection.named, "cannot be moved");

    std::vector<std::uint32_t> movers;
    for (const CPlayer* player : selection.players) {
        if (player->Team() != teamId && !team->HasInSquad(player->m_nId))
            movers.push_back(player->m_nId);
    }
    if (team->m_wPlayerCount + movers.size() > TeamLayout::kMaxSquad) {
        return GameStatus::Failure("Nothing was changed: the squad of " + Cp1252::ToUtf8(team->m_strName) + " holds "
            + std::to_string(team->m_wPlayerCount) + " players and cannot take " + std::to_string(movers.size())
            + " more; a team can hold at most " + std::to_string(TeamLayout::kMaxSquad) + " players.");
    }
    for (const std::uint32_t id : movers) {
        if (GameStatus moved = edit.MovePlayer(id, teamId); !moved)
            return moved; // checked above; the caller drops the edit
    }
    return {};
}

GameStatus TakeOut(GameEdit& edit, const std::vector<std::uint32_t>& playerIds)
{
    Refusals refusals;
    const Selection selection = Select(edit.Game(), playerIds, refusals);
    if (!refusals.Empty())
        return refusals.Status(selection.named, "cannot be taken out");
    for (const CPlayer* player : selection.players) {
        // Leaving a team for none cannot be refused.
        if (player->Team() != kNoTeam)
            (void)edit.MovePlayer(player->m_nId, kNoTeam);
    }
    return {};
}

} // namespace PlayerBatch
