#pragma once

#include "IGameListener.h"

#include <string>
#include <vector>

// Writes down every request the model makes of its view, one line each,
// so a test can check what the tree would have been told.
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

    bool Has(const std::string& call) const
    {
        for (const auto& c : calls) {
            if (c == call)
                return true;
        }
        return false;
    }
    int IndexOf(const std::string& call) const
    {
        for (std::size_t i = 0; i < calls.size(); ++i) {
            if (calls[i] == call)
                return static_cast<int>(i);
        }
        return -1;
    }
};
