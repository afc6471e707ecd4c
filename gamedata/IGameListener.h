#pragma once

#include <cstdint>
#include <string>

// What the game model tells a view of the teams and players (the editor's
// team tree). Every call is a request to show the model's new state; the
// model works the same with no listener attached.
class IGameListener
{
public:
    virtual ~IGameListener() = default;

    // The whole model changed (a load, a restore): rebuild from the tables.
    virtual void RebuildTree() = 0;
    // Bring the player's node into view.
    virtual void RevealPlayer(int playerId) = 0;
    // The player's label is now `label` (game text, "*" already appended).
    virtual void SetPlayerLabel(std::uint32_t playerId, const std::string& label) = 0;
    // The player left oldTeam for newTeam (kNoTeam = no team).
    virtual void MovePlayerNode(std::uint32_t playerId, std::uint16_t oldTeam, std::uint16_t newTeam, bool bSelect) = 0;
    // Make the player's node the selected one.
    virtual void SelectPlayerNode(std::uint32_t playerId) = 0;
    // Modified flags were cleared (a save): relabel every player.
    virtual void RefreshAllLabels() = 0;
};
