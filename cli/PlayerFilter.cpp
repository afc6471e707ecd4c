#include "PlayerFilter.h"

#include "PlayerFields.h"
#include "RecordDiff.h"
#include "RecordLayout.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

} // namespace

const std::vector<std::string>& PlayerFilter::TypeAbbrevs()
{
    // Asked of GetTypeAbbrev for every type, bowling style, arm and hand, so
    // the list follows its table.
    static const std::vector<std::string> abbrevs = [] {
        std::vector<std::string> found;
        CPlayer probe;
        const auto count = [](const char* key) { return PlayerFields::Count(PlayerFields::Field(key)); };
        for (std::uint32_t type = count("type"); type-- > 0;)
            for (std::uint32_t style = 0; style < count("bowl_style"); ++style)
                for (std::uint32_t arm = count("bowl_arm"); arm-- > 0;)
                    for (std::uint32_t right = count("bats_right"); right-- > 0;) {
                        probe.SetU32(PlayerLayout::nType, type);
                        probe.SetU32(PlayerLayout::nBowlStyle, style);
                        probe.SetU32(PlayerLayout::nBowlArm, arm);
                        probe.SetU32(PlayerLayout::nBatsRight, right);
                        const std::string abbrev = probe.GetTypeAbbrev();
                        if (std::find(found.begin(), found.end(), abbrev) == found.end())
                            found.push_back(abbrev);
                    }
        return found;
    }();
    return abbrevs;
}

std::string PlayerFilter::TypeList()
{
    std::string list;
    for (const auto& abbrev : TypeAbbrevs())
        list += (list.empty() ? "" : ", ") + abbrev;
    return list;
}

GameStatus PlayerFilter::Set(const CGame& game, const std::optional<std::string>& team,
    const std::optional<std::string>& type)
{
    if (team) {
        std::vector<std::size_t> ids;
        for (const CTeam* record : game.Teams())
            ids.push_back(record->m_wId);
        const auto id = std::find_if(ids.begin(), ids.end(), [&](std::size_t each) { return std::to_string(each) == *team; });
        if (*team == "none")
            m_team = kNoTeam;
        else if (id != ids.end())
            m_team = static_cast<std::uint16_t>(*id);
        else
            return GameStatus::Failure("--team \"" + *team + "\" is not a team of the file: give a team id ("
                + RecordDiff::OffsetRanges(ids) + ") or none");
    }
    if (type) {
        const auto& abbrevs = TypeAbbrevs();
        const auto found = std::find_if(abbrevs.begin(), abbrevs.end(),
            [&](const std::string& abbrev) { return Upper(abbrev) == Upper(*type); });
        if (found == abbrevs.end())
            return GameStatus::Failure("--type \"" + *type + "\" is not a player type: give one of " + TypeList());
        m_type = *found;
    }
    return {};
}

bool PlayerFilter::Accepts(const CPlayer& player) const
{
    if (m_team && player.Team() != *m_team)
        return false;
    if (m_type) {
        const std::string abbrev = player.GetTypeAbbrev();
        return abbrev == *m_type || abbrev == *m_type + CPlayer::kOpenerSuffix;
    }
    return true;
}
