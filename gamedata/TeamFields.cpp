#include "TeamFields.h"

#include "Cp1252.h"

namespace {

std::vector<std::uint32_t> Ids(const std::uint32_t* first, std::size_t count)
{
    return std::vector<std::uint32_t>(first, first + count);
}

} // namespace

namespace TeamFields {

const std::vector<std::string>& Keys()
{
    static const std::vector<std::string> keys = {"id", "name", "short_name", "abbrev", "budget", "player_count",
        "squad", "first_xi", "captain", "keeper", "open_bowler_1", "open_bowler_2"};
    return keys;
}

TeamValue Get(const CTeam& team, const std::string& key)
{
    if (key == "id") return std::int64_t{team.m_wId};
    if (key == "name") return Cp1252::ToUtf8(team.m_strName);
    if (key == "short_name") return Cp1252::ToUtf8(team.m_strShortName);
    if (key == "abbrev") return Cp1252::ToUtf8(team.m_strAbbrev);
    if (key == "budget") return std::int64_t{team.Budget()};
    if (key == "player_count") return std::int64_t{team.m_wPlayerCount};
    if (key == "squad") return Ids(team.m_squad.data(), team.m_wPlayerCount);
    if (key == "first_xi") return Ids(team.m_firstXI.data(), team.m_firstXI.size());
    if (key == "captain") return std::int64_t{team.Captain()};
    if (key == "keeper") return std::int64_t{team.KeeperPos()};
    if (key == "open_bowler_1") return std::int64_t{team.OpenBowler1()};
    if (key == "open_bowler_2") return std::int64_t{team.OpenBowler2()};
    return std::string();
}

std::string ToText(const TeamValue& value)
{
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return std::to_string(*number);
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    std::string list;
    for (const auto id : std::get<std::vector<std::uint32_t>>(value)) {
        if (!list.empty())
            list += ',';
        list += std::to_string(id);
    }
    return list;
}

} // namespace TeamFields
