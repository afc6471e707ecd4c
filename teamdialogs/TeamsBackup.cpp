#include "teamdialogs/TeamsBackup.h"

#include "CGame.h"

CTeamsBackup::CTeamsBackup(const CGame& game)
    : m_teamNames(game.m_teamNames)
    , m_teamShortNames(game.m_teamShortNames)
    , m_teamAbbrevs(game.m_teamAbbrevs)
    , m_bModified(game.m_bModified)
{
    m_teams.reserve(game.m_teams.size());
    for (const auto& team : game.m_teams)
        m_teams.push_back(team ? std::optional<CTeam>(*team) : std::nullopt);
}

void CTeamsBackup::Restore(CGame& game) const
{
    for (std::size_t i = 0; i < m_teams.size() && i < game.m_teams.size(); ++i) {
        if (m_teams[i] && game.m_teams[i])
            *game.m_teams[i] = *m_teams[i];
    }
    // The dialog writes short names and abbreviations into the lists at a
    // switch, and the full name at an OK answered No: all are undone.
    game.m_teamNames = m_teamNames;
    game.m_teamShortNames = m_teamShortNames;
    game.m_teamAbbrevs = m_teamAbbrevs;
}
