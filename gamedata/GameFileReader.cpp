#include "GameFileReader.h"

#include "ByteOrder.h"
#include "CGame.h"

#include <algorithm>

namespace {

std::string TextAt(std::span<const std::uint8_t> data, const StringSpan& span)
{
    const auto* first = reinterpret_cast<const char*>(data.data() + span.offset + 1);
    return std::string(first, span.length);
}

template <typename T>
void StoreAt(std::vector<T>& table, std::size_t index, T value)
{
    if (table.size() <= index)
        table.resize(index + 1);
    table[index] = std::move(value);
}

} // namespace

void GameFileReader::ReadPlayer(CGame& game, const std::shared_ptr<const FileBytes>& bytes, const PlayerEntryLayout& entry)
{
    const auto data = bytes->Span();
    auto player = std::make_unique<CPlayer>();
    player->m_nId = entry.id;
    player->m_strGivenNames = TextAt(data, entry.Given());
    player->m_strFamilyName = TextAt(data, entry.Family());
    player->m_strInitials = TextAt(data, entry.Initials());
    player->ShareRecord(std::shared_ptr<const std::uint8_t>(bytes, data.data() + entry.RecordOffset()));
    player->DecodeBirthAndSalary();
    StoreAt(game.m_players, entry.id, std::move(player));
    game.m_loadedPlayerOrder.push_back(entry.id);
}

void GameFileReader::ReadTeams(CGame& game, std::span<const std::uint8_t> data, const GameFileLayout& layout)
{
    std::vector<std::string>* lists[3] = {&game.m_teamNames, &game.m_teamShortNames, &game.m_teamAbbrevs};
    for (auto* list : lists)
        list->clear();
    for (int list = 0; list < 3; ++list) {
        const auto& names = layout.header.names[list];
        game.m_headerNameIds[static_cast<std::size_t>(list)].assign(layout.header.ids.begin(),
            layout.header.ids.begin() + static_cast<std::ptrdiff_t>(names.size()));
        for (std::size_t i = 0; i < names.size(); ++i)
            StoreAt(*lists[list], layout.header.ids[i], TextAt(data, names[i]));
    }

    for (const auto& entry : layout.teamEntries) {
        if (!entry.isTeam)
            continue;
        for (const auto id : entry.squad)
            game.WritablePlayer(id)->SetTeam(entry.id);

        auto team = std::make_unique<CTeam>();
        team->m_wId = entry.id;
        team->m_strName = game.TeamName(entry.id);
        team->m_strShortName = entry.id < game.m_teamShortNames.size() ? game.m_teamShortNames[entry.id] : std::string();
        team->m_strAbbrev = entry.id < game.m_teamAbbrevs.size() ? game.m_teamAbbrevs[entry.id] : std::string();
        team->m_wPlayerCount = static_cast<std::uint16_t>(entry.squad.size());
        std::copy(entry.squad.begin(), entry.squad.end(), team->m_squad.begin());
        std::copy(entry.firstXI.begin(), entry.firstXI.end(), team->m_firstXI.begin());
        team->m_wFileXICount = static_cast<std::uint16_t>(entry.firstXI.size());
        std::copy_n(data.data() + entry.recordOffset, TeamLayout::kSize, team->m_teamRecord.begin());
        StoreAt(game.m_teams, entry.id, std::move(team));
        game.m_loadedTeamOrder.push_back(entry.id);
    }
}
