#include "teamdialogs/HirePlayers.h"

#include "CGame.h"
#include "GameEdit.h"

namespace HirePlayers {

std::vector<Candidate> Candidates(const CGame& game, int teamId)
{
    std::vector<Candidate> rows;
    for (const CPlayer* player : game.Players()) {
        if (player->Team() == teamId)
            continue;
        const std::uint16_t team = player->Team();
        const std::size_t nameIndex = team != kNoTeam ? team : player->Origin();
        rows.push_back({player->m_nId, player->GetDisplayName(), player->GetTypeAbbrev(),
            nameIndex == kNoTeam ? std::string() : game.TeamName(nameIndex), player->GetImageIndex()});
    }
    return rows;
}

std::string Hire(CGame& game, int teamId, const std::vector<std::uint32_t>& playerIds)
{
    const CTeam* team = game.Team(static_cast<std::uint32_t>(teamId));
    if (!team)
        return {};
    if (team->m_wPlayerCount + playerIds.size() > static_cast<std::size_t>(kMaxSquadForHire))
        return "Too many players (max. 40)";
    // Into the opener's edit (Team Properties), or an edit of its own.
    const GameStatus status = GameEdit::Within(game, [&](GameEdit& edit) {
        for (const std::uint32_t id : playerIds) {
            if (!game.Player(id))
                continue;
            if (GameStatus moved = edit.MovePlayer(id, static_cast<std::uint16_t>(teamId)); !moved)
                return moved;
        }
        return GameStatus();
    });
    return status.message();
}

} // namespace HirePlayers
