#pragma once

#include "CGame.h"
#include "GameError.h"

#include <optional>
#include <string>
#include <vector>

// The --team and --type options of players: which players a list shows.
class PlayerFilter
{
public:
    // team: a team id of the game or "none" (players without a team).
    // type: a type abbreviation as CPlayer::GetTypeAbbrev gives it, in any
    // case; a batting hand alone ("RHB") takes in the openers ("RHB o").
    // Refuses an unknown value with a message naming the accepted ones.
    GameStatus Set(const CGame& game, const std::optional<std::string>& team, const std::optional<std::string>& type);

    bool Accepts(const CPlayer& player) const;

    // Every abbreviation GetTypeAbbrev gives, bowlers first, and the same
    // as a list for messages ("OS, SLA, ...").
    static const std::vector<std::string>& TypeAbbrevs();
    static std::string TypeList();

private:
    std::optional<std::uint16_t> m_team;
    std::optional<std::string> m_type;
};
