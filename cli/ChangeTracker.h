#pragma once

#include "CGame.h"

#include <map>
#include <string>
#include <vector>

// Remembers players and teams before an edit so that the editing commands
// can tell what changed: the lines they print, the modified flags they set
// and whether anything needs writing at all.
class ChangeTracker
{
public:
    // Takes a copy of every team (a move changes two squads).
    explicit ChangeTracker(const CGame& game);

    // Takes a copy of a player before he is edited; later calls for the
    // same player keep the first copy.
    void WatchPlayer(const CGame& game, std::uint32_t playerId);

    // The differing fields of the watched players (in id order), then of
    // the teams; marks the changed records and the game modified.
    std::vector<std::string> Collect(CGame& game) const;

    // "2 players changed, 5 fields": the watched players that differ and
    // the lines Collect gives, the teams' lines included.
    std::string Summary(const CGame& game) const;

private:
    struct RecordChanges
    {
        CPlayer* player = nullptr; // one of the two is set
        CTeam* team = nullptr;
        std::vector<std::string> lines;
        bool changed = false; // also true for team bytes that show as no line
    };
    std::vector<RecordChanges> Differences(const CGame& game) const;

    std::map<std::uint32_t, CPlayer> m_players;
    std::map<std::uint32_t, CTeam> m_teams;
};
