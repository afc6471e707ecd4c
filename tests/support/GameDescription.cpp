#include "GameDescription.h"

#include <algorithm>
#include <stdexcept>

namespace testgame {

void HeaderDescription::AddTeam(std::uint16_t id, std::string full, std::string shortName, std::string abbrev)
{
    ids.push_back(id);
    names[0].push_back(std::move(full));
    names[1].push_back(std::move(shortName));
    names[2].push_back(std::move(abbrev));
}

void GameDescription::HidePlayerMarker(std::size_t distance)
{
    if (distance < 1 || distance > 7)
        throw std::invalid_argument("a C hides the marker only 1 to 7 bytes before it");
    if (beforePlayerMarker.size() < distance)
        beforePlayerMarker.resize(distance, 0);
    beforePlayerMarker[beforePlayerMarker.size() - distance] = 'C';
}

PlayerDescription* GameDescription::FindPlayer(std::uint16_t id)
{
    const auto found = std::find_if(players.begin(), players.end(), [id](const auto& p) { return p.id == id; });
    return found == players.end() ? nullptr : &*found;
}

TeamRecordDescription* GameDescription::FindTeam(std::uint16_t id)
{
    const auto teams = TeamRecords();
    const auto found = std::find_if(teams.begin(), teams.end(), [id](const auto* t) { return t->id == id; });
    return found == teams.end() ? nullptr : *found;
}

std::vector<TeamRecordDescription*> GameDescription::TeamRecords()
{
    std::vector<TeamRecordDescription*> teams;
    for (auto& entry : teamEntries) {
        if (auto* team = std::get_if<TeamRecordDescription>(&entry))
            teams.push_back(team);
    }
    return teams;
}

} // namespace testgame
