#include "PlayerEdit.h"

#include "PlayerForm.h"

std::optional<std::uint16_t> PlayerEdit::Team() const
{
    const auto team = values.find(&PlayerFields::Field("team"));
    if (team == values.end())
        return std::nullopt;
    return static_cast<std::uint16_t>(std::get<std::int64_t>(team->second));
}

namespace PlayerEditing {

bool SplitAssignment(const std::string& assignment, std::string& key, std::string& value)
{
    const auto equals = assignment.find('=');
    if (equals == std::string::npos || equals == 0)
        return false;
    key = assignment.substr(0, equals);
    value = assignment.substr(equals + 1);
    return true;
}

GameStatus Parse(const CGame& game, const std::string& key, const std::string& value, PlayerEdit& edit,
    std::string* canonical)
{
    const PlayerField* field = PlayerFields::Find(key);
    if (!field)
        return GameStatus::Failure("unknown player key \"" + key + "\"");
    if (!field->Writable())
        return GameStatus::Failure("the key " + key + " is read-only");
    FieldValue parsed;
    if (GameStatus status = PlayerFields::Parse(game, *field, value, parsed); !status)
        return status;
    if (canonical)
        *canonical = field->Readable() ? PlayerFields::ToText(parsed) : std::string();
    edit.values[field] = std::move(parsed);
    return {};
}

GameStatus Apply(GameEdit& change, std::uint32_t playerId, const PlayerEdit& edit)
{
    const CGame& game = change.Game();
    CPlayer* player = change.Player(playerId);
    if (!player)
        return GameStatus::Failure("the file has no player with the id " + std::to_string(playerId));

    // The form shows the player; each value goes where the form (or the
    // statistics dialog, Copy From, a level button) puts it.
    PlayerFormValues values = PlayerForm::Fill(*player, game.NameList(0).size());
    PlayerFormValues shown = values;
    PlayerFieldTarget target{game, *player, values, shown};
    for (const auto& [field, value] : edit.values)
        PlayerFields::Set(target, *field, value);

    // The team box moves the player at once; the commit then stores the
    // selected team as well.
    if (const auto team = edit.Team(); team && *team != player->Team()) {
        if (GameStatus moved = change.MovePlayer(playerId, *team); !moved)
            return moved;
    }
    if (GameStatus stored = PlayerForm::Store(*player, values, shown); !stored)
        return GameStatus::Failure("player " + std::to_string(playerId) + ": " + stored.message());
    return {};
}

} // namespace PlayerEditing
