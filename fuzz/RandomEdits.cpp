#include "RandomEdits.h"

#include "RecordLayout.h"
#include "TeamEdit.h"

#include <algorithm>

namespace {

std::string RandomName(EditRng& rng)
{
    std::size_t length = 0;
    switch (rng.Between(0, 3)) {
    case 0: length = rng.Between(0, 12); break;
    case 1: length = rng.Between(13, 127); break;
    default: length = rng.Between(128, 255); break;
    }
    std::string name(length, ' ');
    const bool anyByte = rng.OneIn(2);
    for (auto& c : name)
        c = static_cast<char>(anyByte ? rng.Between(0, 255) : rng.Between('a', 'z'));
    return name;
}

template <typename T>
const T& Pick(const std::vector<T>& items, EditRng& rng)
{
    return items[rng.Between(0, items.size() - 1)];
}

std::string RenameRandomPlayer(CGame& game, EditRng& rng)
{
    const auto id = Pick(game.m_loadedPlayerOrder, rng);
    CPlayer& player = *game.Player(id);
    std::string* fields[3] = {&player.m_strGivenNames, &player.m_strFamilyName, &player.m_strInitials};
    const std::size_t field = rng.Between(0, 2);
    *fields[field] = RandomName(rng);
    game.MarkPlayerModified(id);
    return "player " + std::to_string(id) + " field " + std::to_string(field) + " gets a name of "
        + std::to_string(fields[field]->size()) + " bytes";
}

std::string MoveRandomPlayer(CGame& game, EditRng& rng)
{
    const auto id = Pick(game.m_loadedPlayerOrder, rng);
    const std::uint16_t from = game.Player(id)->Team();
    const std::uint16_t to = game.m_loadedTeamOrder.empty() || rng.OneIn(4) ? kNoTeam : Pick(game.m_loadedTeamOrder, rng);
    const auto status = game.MovePlayer(id, from, to, false);
    return "move player " + std::to_string(id) + " from " + std::to_string(from) + " to " + std::to_string(to)
        + (status ? "" : " refused: " + status.message());
}

std::string RenameRandomTeam(CGame& game, const std::vector<std::uint16_t>& headerIds, EditRng& rng)
{
    std::vector<std::uint16_t> named;
    for (const auto id : game.m_loadedTeamOrder)
        if (std::find(headerIds.begin(), headerIds.end(), id) != headerIds.end())
            named.push_back(id);
    if (named.empty())
        return "no team to rename";
    const auto id = Pick(named, rng);
    auto names = TeamEdit::GetNames(*game.Team(id));
    names.name = RandomName(rng);
    if (rng.OneIn(3))
        names.shortName = RandomName(rng);
    if (rng.OneIn(3))
        names.abbrev = RandomName(rng);
    const auto status = TeamEdit::SetNames(game, id, names);
    game.Team(id)->m_bModified = 1;
    game.m_bModified = 1;
    return "rename team " + std::to_string(id) + " to a name of " + std::to_string(names.name.size()) + " bytes"
        + (status ? "" : " refused: " + status.message());
}

std::string ChangeRandomRecordByte(CGame& game, EditRng& rng)
{
    if (!game.m_loadedTeamOrder.empty() && rng.OneIn(3)) {
        const auto id = Pick(game.m_loadedTeamOrder, rng);
        const auto offset = rng.Between(0, TeamLayout::kSize - 1);
        game.Team(id)->m_teamRecord[offset] = static_cast<std::uint8_t>(rng.Next());
        return "team " + std::to_string(id) + " record byte " + std::to_string(offset);
    }
    // Every byte but the team id (moves own it) and the continuation tag
    // (the file's chain of records, never edited).
    const auto id = Pick(game.m_loadedPlayerOrder, rng);
    std::size_t offset = rng.Between(0, PlayerLayout::wNextTag - 3);
    if (offset >= PlayerLayout::wTeam)
        offset += 2;
    game.Player(id)->SetByte(offset, static_cast<std::uint8_t>(rng.Next()));
    game.MarkPlayerModified(id);
    return "player " + std::to_string(id) + " record byte " + std::to_string(offset);
}

} // namespace

std::uint64_t EditRng::Next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::size_t EditRng::Between(std::size_t low, std::size_t high)
{
    return low + static_cast<std::size_t>(Next() % (high - low + 1));
}

std::vector<std::string> ApplyRandomEdits(CGame& game, const std::vector<std::uint16_t>& headerIds, EditRng& rng)
{
    std::vector<std::string> done;
    if (game.m_loadedPlayerOrder.empty())
        return done;
    for (std::size_t count = rng.Between(1, 8); count > 0; --count) {
        switch (rng.Between(0, 3)) {
        case 0: done.push_back(RenameRandomPlayer(game, rng)); break;
        case 1: done.push_back(MoveRandomPlayer(game, rng)); break;
        case 2: done.push_back(RenameRandomTeam(game, headerIds, rng)); break;
        default: done.push_back(ChangeRandomRecordByte(game, rng)); break;
        }
    }
    return done;
}
