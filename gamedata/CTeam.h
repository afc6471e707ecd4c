#pragma once

#include "RecordLayout.h"

#include <array>
#include <cstdint>
#include <string>

// One team record of the loaded game. The 282-byte game record is kept as
// read; squad and First XI are held as the editor edits them and written
// back in the file's own list layout.
class CTeam
{
public:
    using Record = std::array<std::uint8_t, TeamLayout::kSize>;

    std::uint16_t m_wId = 0;
    std::uint16_t m_wPlayerCount = 0;
    std::string m_strName;
    std::string m_strShortName;
    std::string m_strAbbrev;
    std::array<std::uint32_t, TeamLayout::kMaxSquad> m_squad{};
    std::array<std::uint32_t, TeamLayout::kFirstXI> m_firstXI{};
    std::array<std::uint32_t, TeamLayout::kXISpare> m_xiSpare{};
    Record m_teamRecord{};
    std::uint32_t m_bModified = 0;

    // The First XI count the file holds for this team (written back as is).
    std::uint16_t m_wFileXICount = TeamLayout::kFirstXI;

    std::int32_t GetI32(std::size_t offset) const;
    void SetI32(std::size_t offset, std::int32_t value);

    std::int32_t Captain() const { return GetI32(TeamLayout::nCaptain); }
    std::int32_t KeeperPos() const { return GetI32(TeamLayout::nKeeper); }
    std::int32_t OpenBowler1() const { return GetI32(TeamLayout::nOpenBowler1); }
    std::int32_t OpenBowler2() const { return GetI32(TeamLayout::nOpenBowler2); }
    std::int32_t Budget() const { return GetI32(TeamLayout::nBudget); }

    bool HasInSquad(std::uint32_t playerId) const;
    bool HasInFirstXI(std::uint32_t playerId) const;

    // Everything the team dialog compares: ids, names, lists, record.
    bool SameContent(const CTeam& other) const;
};
