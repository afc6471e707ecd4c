#include "JsonOutput.h"

#include "PlayerKeys.h"
#include "TeamKeys.h"

namespace {

nlohmann::ordered_json ToJson(const KeyValue& value)
{
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return *number;
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    return nullptr;
}

} // namespace

namespace JsonOutput {

nlohmann::ordered_json Player(const CPlayer& player)
{
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    for (const auto& key : PlayerKeys::ReadableKeys()) {
        if (key.rfind("stats.", 0) == 0)
            continue;
        json[key] = ToJson(PlayerKeys::Get(player, key));
    }
    nlohmann::ordered_json stats = nlohmann::ordered_json::object();
    for (const Competition competition : PlayerStats::kCompetitions) {
        nlohmann::ordered_json figures = nlohmann::ordered_json::object();
        for (const Stat stat : PlayerFields::StatOrder())
            figures[PlayerStats::StatKey(stat)] = player.GetStat(competition, stat);
        stats[PlayerStats::CompetitionKey(competition)] = std::move(figures);
    }
    json["stats"] = std::move(stats);
    return json;
}

nlohmann::ordered_json Team(const CTeam& team)
{
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    for (const auto& key : TeamKeys::Keys()) {
        const TeamValue value = TeamKeys::Get(team, key);
        if (const auto* number = std::get_if<std::int64_t>(&value))
            json[key] = *number;
        else if (const auto* text = std::get_if<std::string>(&value))
            json[key] = *text;
        else
            json[key] = std::get<std::vector<std::uint32_t>>(value);
    }
    return json;
}

std::string Dump(const nlohmann::ordered_json& json)
{
    return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

} // namespace JsonOutput
