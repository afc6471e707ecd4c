#include "PlayerKeys.h"

#include "Cp1252.h"
#include "RecordLayout.h"

#include <cstdio>
#include <functional>
#include <map>
#include <set>

namespace {

using Getter = std::function<KeyValue(const CPlayer&)>;

KeyValue Number(std::int64_t value)
{
    return value;
}

KeyValue Text(const std::string& gameText)
{
    return Cp1252::ToUtf8(gameText);
}

// The batting-preference choices by name, first choice first.
KeyValue Choice(std::uint8_t byte, const char* first, const char* second)
{
    return std::string(PreferenceChoice(byte) == 0 ? first : second);
}

struct KeyTable
{
    std::vector<std::string> order;
    std::map<std::string, Getter> getters;

    void Add(const std::string& key, Getter getter)
    {
        order.push_back(key);
        getters.emplace(key, std::move(getter));
    }
};

const KeyTable& Table()
{
    static const KeyTable table = [] {
        using namespace PlayerLayout;
        KeyTable t;
        t.Add("id", [](const CPlayer& p) { return Number(p.m_nId); });
        t.Add("given_names", [](const CPlayer& p) { return Text(p.m_strGivenNames); });
        t.Add("family_name", [](const CPlayer& p) { return Text(p.m_strFamilyName); });
        t.Add("initials", [](const CPlayer& p) { return Text(p.m_strInitials); });
        t.Add("display_name", [](const CPlayer& p) { return Text(p.GetDisplayName()); });
        t.Add("team", [](const CPlayer& p) { return Number(p.Team()); });
        t.Add("origin", [](const CPlayer& p) { return Number(p.Origin()); });
        t.Add("birth", [](const CPlayer& p) -> KeyValue {
            if (!p.m_dtBirth.valid)
                return std::monostate{};
            return PlayerKeys::DateText(p.m_dtBirth);
        });
        t.Add("birth_code", [](const CPlayer& p) { return Number(p.U32(nBirthCode)); });
        t.Add("salary", [](const CPlayer& p) { return Number(p.m_nSalary); });
        t.Add("salary_code", [](const CPlayer& p) { return Number(p.U32(nSalaryCode)); });
        t.Add("contract", [](const CPlayer& p) { return Number(static_cast<std::int32_t>(p.U32(nContract))); });
        t.Add("type", [](const CPlayer& p) { return Number(p.Type()); });
        t.Add("type_abbrev", [](const CPlayer& p) { return KeyValue(p.GetTypeAbbrev()); });
        t.Add("image_index", [](const CPlayer& p) { return Number(p.GetImageIndex()); });
        t.Add("keeper", [](const CPlayer& p) { return Number(p.Keeper()); });
        t.Add("part_time_keeper", [](const CPlayer& p) { return Number(p.PartTimeKeeper()); });
        t.Add("bowl_style", [](const CPlayer& p) { return Number(p.BowlStyle()); });
        t.Add("bowl_arm", [](const CPlayer& p) { return Number(p.BowlArm()); });
        t.Add("bats_right", [](const CPlayer& p) { return Number(p.BatsRight()); });
        t.Add("vs_pace", [](const CPlayer& p) { return Choice(p.Byte(bVsPace), "fast", "spin"); });
        t.Add("vs_pace_byte", [](const CPlayer& p) { return Number(p.Byte(bVsPace)); });
        t.Add("footwork", [](const CPlayer& p) { return Choice(p.Byte(bFootwork), "back", "front"); });
        t.Add("footwork_byte", [](const CPlayer& p) { return Number(p.Byte(bFootwork)); });
        t.Add("side", [](const CPlayer& p) { return Choice(p.Byte(bSide), "leg", "off"); });
        t.Add("side_byte", [](const CPlayer& p) { return Number(p.Byte(bSide)); });
        for (const Competition competition : PlayerStats::kCompetitions) {
            for (const Stat stat : PlayerKeys::StatOrder()) {
                t.Add(PlayerKeys::StatKeyName(competition, stat),
                    [competition, stat](const CPlayer& p) { return Number(p.GetStat(competition, stat)); });
            }
        }
        return t;
    }();
    return table;
}

const std::set<std::string>& WritableKeys()
{
    static const std::set<std::string> keys = [] {
        std::set<std::string> k{"given_names", "family_name", "team", "origin", "birth", "salary", "contract",
            "type", "keeper", "part_time_keeper", "bowl_style", "bowl_arm", "bats_right", "vs_pace", "footwork",
            "side", "preset", "abilities_from"};
        for (const Competition competition : PlayerStats::kCompetitions)
            for (const Stat stat : PlayerKeys::StatOrder())
                k.insert(PlayerKeys::StatKeyName(competition, stat));
        return k;
    }();
    return keys;
}

} // namespace

namespace PlayerKeys {

const std::vector<Stat>& StatOrder()
{
    static const std::vector<Stat> order = {Stat::Debut, Stat::Matches, Stat::Innings, Stat::NotOuts, Stat::Runs,
        Stat::HighScore, Stat::Hundreds, Stat::Fifties, Stat::Balls, Stat::RunsConceded, Stat::Wickets,
        Stat::BestBowling1, Stat::BestBowling2, Stat::FiveWkts, Stat::TenWkts, Stat::Catches, Stat::Stumpings};
    return order;
}

std::string StatKeyName(Competition competition, Stat stat)
{
    return std::string("stats.") + PlayerStats::CompetitionKey(competition) + "." + PlayerStats::StatKey(stat);
}

const std::vector<std::string>& ReadableKeys()
{
    return Table().order;
}

bool IsReadable(const std::string& key)
{
    return Table().getters.count(key) != 0;
}

bool IsWritable(const std::string& key)
{
    return WritableKeys().count(key) != 0;
}

bool IsWriteOnly(const std::string& key)
{
    return key == "preset" || key == "abilities_from";
}

KeyValue Get(const CPlayer& player, const std::string& key)
{
    const auto& getters = Table().getters;
    const auto found = getters.find(key);
    return found == getters.end() ? KeyValue{} : found->second(player);
}

std::string ToText(const KeyValue& value)
{
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return std::to_string(*number);
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    return {};
}

std::string IdAndName(const CPlayer& player)
{
    const std::string name = player.GetDisplayName();
    const std::string id = std::to_string(player.m_nId);
    return name.empty() ? id : id + " (" + Cp1252::ToUtf8(name) + ")";
}

std::string DateText(const CDate& date)
{
    if (!date.valid)
        return {};
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
    return buffer;
}

} // namespace PlayerKeys
