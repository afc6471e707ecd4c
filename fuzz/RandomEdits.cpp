#include "RandomEdits.h"

#include "GameEdit.h"
#include "RecordLayout.h"
#include "TeamEdit.h"

#include <algorithm>

namespace {

using testgame::Rng;

bool OneIn(Rng& rng, int n)
{
    return rng.Between(1, n) == 1;
}

std::string RandomName(Rng& rng)
{
    int length = 0;
    switch (rng.Between(0, 3)) {
    case 0: length = rng.Between(0, 12); break;
    case 1: length = rng.Between(13, 127); break;
    default: length = rng.Between(128, 255); break;
    }
    std::string name(static_cast<std::size_t>(length), ' ');
    const bool anyByte = OneIn(rng, 2);
    for (auto& c : name)
        c = static_cast<char>(anyByte ? rng.Between(0, 255) : rng.Between('a', 'z'));
    return name;
}

std::string RenameRandomPlayer(GameEdit& edit, Rng& rng)
{
    const auto id = rng.Pick(edit.Game().LoadedPlayerOrder());
    CPlayer& player = *edit.Player(id);
    std::string* fields[3] = {&player.m_strGivenNames, &player.m_strFamilyName, &player.m_strInitials};
    const int field = rng.Between(0, 2);
    *fields[field] = RandomName(rng);
    edit.MarkPlayerModified(id);
    return "player " + std::to_string(id) + " field " + std::to_string(field) + " gets a name of "
        + std::to_string(fields[field]->size()) + " bytes";
}

std::string MoveRandomPlayer(GameEdit& edit, Rng& rng)
{
    const CGame& game = edit.Game();
    const auto id = rng.Pick(game.LoadedPlayerOrder());
    const std::uint16_t from = game.Player(id)->Team();
    const std::uint16_t to = game.LoadedTeamOrder().empty() || OneIn(rng, 4) ? kNoTeam : rng.Pick(game.LoadedTeamOrder());
    const auto status = edit.MovePlayer(id, from, to);
    return "move player " + std::to_string(id) + " from " + std::to_string(from) + " to " + std::to_string(to)
        + (status ? "" : " refused: " + status.message());
}

std::string RenameRandomTeam(GameEdit& edit, const std::vector<std::uint16_t>& headerIds, Rng& rng)
{
    const CGame& game = edit.Game();
    std::vector<std::uint16_t> named;
    for (const auto id : game.LoadedTeamOrder())
        if (std::find(headerIds.begin(), headerIds.end(), id) != headerIds.end())
            named.push_back(id);
    if (named.empty())
        return "no team to rename";
    const auto id = rng.Pick(named);
    auto names = TeamEdit::GetNames(*game.Team(id));
    names.name = RandomName(rng);
    if (OneIn(rng, 3))
        names.shortName = RandomName(rng);
    if (OneIn(rng, 3))
        names.abbrev = RandomName(rng);
    const auto status = TeamEdit::SetNames(edit, id, names);
    edit.MarkTeamModified(id);
    return "rename team " + std::to_string(id) + " to a name of " + std::to_string(names.name.size()) + " bytes"
        + (status ? "" : " refused: " + status.message());
}

std::string ChangeRandomRecordByte(GameEdit& edit, Rng& rng)
{
    const CGame& game = edit.Game();
    if (!game.LoadedTeamOrder().empty() && OneIn(rng, 3)) {
        const auto id = rng.Pick(game.LoadedTeamOrder());
        const auto offset = static_cast<std::size_t>(rng.Between(0, static_cast<int>(TeamLayout::kSize) - 1));
        edit.Team(id)->m_teamRecord[offset] = rng.Byte();
        return "team " + std::to_string(id) + " record byte " + std::to_string(offset);
    }
    // Every byte but the team id (moves own it) and the continuation tag
    // (the file's chain of records, never edited).
    const auto id = rng.Pick(game.LoadedPlayerOrder());
    auto offset = static_cast<std::size_t>(rng.Between(0, static_cast<int>(PlayerLayout::wNextTag) - 3));
    if (offset >= PlayerLayout::wTeam)
        offset += 2;
    edit.Player(id)->SetByte(offset, rng.Byte());
    edit.MarkPlayerModified(id);
    return "player " + std::to_string(id) + " record byte " + std::to_string(offset);
}

} // namespace

std::vector<RandomEdit> ApplyRandomEdits(CGame& game, const std::vector<std::uint16_t>& headerIds, Rng& rng)
{
    std::vector<RandomEdit> done;
    if (game.LoadedPlayerOrder().empty())
        return done;
    for (int count = rng.Between(1, 8); count > 0; --count) {
        GameEdit edit(game);
        std::string what;
        switch (rng.Between(0, 3)) {
        case 0: what = RenameRandomPlayer(edit, rng); break;
        case 1: what = MoveRandomPlayer(edit, rng); break;
        case 2: what = RenameRandomTeam(edit, headerIds, rng); break;
        default: what = ChangeRandomRecordByte(edit, rng); break;
        }
        done.push_back({what, edit.Commit(what)});
    }
    return done;
}
