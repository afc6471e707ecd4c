#include "CTeam.h"

#include "ByteOrder.h"

#include <algorithm>

std::int32_t CTeam::GetI32(std::size_t offset) const
{
    return static_cast<std::int32_t>(ByteOrder::GetU32(m_teamRecord.data() + offset));
}

void CTeam::SetI32(std::size_t offset, std::int32_t value)
{
    ByteOrder::PutU32(m_teamRecord.data() + offset, static_cast<std::uint32_t>(value));
}

bool CTeam::HasInSquad(std::uint32_t playerId) const
{
    const auto end = m_squad.begin() + m_wPlayerCount;
    return std::find(m_squad.begin(), end, playerId) != end;
}

bool CTeam::HasInFirstXI(std::uint32_t playerId) const
{
    return std::find(m_firstXI.begin(), m_firstXI.end(), playerId) != m_firstXI.end();
}

bool CTeam::SameContent(const CTeam& other) const
{
    return m_wId == other.m_wId && m_wPlayerCount == other.m_wPlayerCount && m_strName == other.m_strName
        && m_strShortName == other.m_strShortName && m_strAbbrev == other.m_strAbbrev && m_firstXI == other.m_firstXI
        && m_xiSpare == other.m_xiSpare && m_squad == other.m_squad && m_teamRecord == other.m_teamRecord;
}
