#pragma once

#include "IGameListener.h"

#include <algorithm>
#include <string>
#include <vector>

// Writes down every request the model makes of its view, one line each.
class RecordingListener : public IGameListener
{
public:
    std::vector<std::string> calls;

    void RebuildTree() override { calls.push_back("RebuildTree"); }
    void RevealPlayer(int playerId) override { calls.push_back("RevealPlayer " + std::to_string(playerId)); }
    void SetPlayerLabel(std::uint32_t playerId, const std::string& label) override
    {
        calls.push_back("SetPlayerLabel " + std::to_string(playerId) + " " + label);
    }
    void MovePlayerNode(std::uint32_t playerId, std::uint16_t oldTeam, std::uint16_t newTeam, bool bSelect) override
    {
        calls.push_back("MovePlayerNode " + std::to_string(playerId) + " " + std::to_string(oldTeam) + " "
                        + std::to_string(newTeam) + (bSelect ? " select" : " keep"));
    }
    void SelectPlayerNode(std::uint32_t playerId) override { calls.push_back("SelectPlayerNode " + std::to_string(playerId)); }
    void RefreshAllLabels() override { calls.push_back("RefreshAllLabels"); }

    // Position of the call, -1 when it was not made.
    int IndexOf(const std::string& call) const
    {
        const auto it = std::find(calls.begin(), calls.end(), call);
        return it == calls.end() ? -1 : static_cast<int>(it - calls.begin());
    }
    bool Has(const std::string& call) const { return IndexOf(call) >= 0; }
};
