#pragma once

#include "CTeam.h"

#include <optional>
#include <string>
#include <vector>

class CGame;

// What the opener of Team Properties keeps to undo a Cancel: a full copy of
// every team (at its own index; empty slots stay empty), the three team-name
// lists and the game's modified flag. Players' teams are given back by the
// dialog itself.
class CTeamsBackup
{
public:
    explicit CTeamsBackup(const CGame& game);

    // Puts every team and the name lists back.
    void Restore(CGame& game) const;
    // The game's modified flag when the copy was taken.
    std::uint32_t WasModified() const { return m_bModified; }

private:
    std::vector<std::optional<CTeam>> m_teams;
    std::vector<std::string> m_teamNames;
    std::vector<std::string> m_teamShortNames;
    std::vector<std::string> m_teamAbbrevs;
    std::uint32_t m_bModified = 0;
};
