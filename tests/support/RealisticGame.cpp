#include "RealisticGame.h"

#include "FieldCodes.h"
#include "NameGenerator.h"
#include "PlayerCareer.h"

#include <algorithm>
#include <stdexcept>

namespace testgame {
namespace {

// Opaque filler that never holds a "C", so it cannot hide or fake a marker.
std::vector<std::uint8_t> OpaqueBytes(Rng& rng, int count)
{
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
    for (auto& b : bytes) {
        b = rng.Byte();
        if (b == 'C')
            b = 0;
    }
    return bytes;
}

std::string OpaqueString(Rng& rng, int count)
{
    const auto bytes = OpaqueBytes(rng, count);
    return std::string(bytes.begin(), bytes.end());
}

void AddHeader(GameDescription& game, int teamCount)
{
    const auto& teams = InventedTeams();
    for (int i = 0; i < teamCount; ++i) {
        const auto& team = teams[static_cast<std::size_t>(i) % teams.size()];
        game.header.AddTeam(static_cast<std::uint16_t>(i + 1), team.fullName, team.shortName, team.abbreviation);
    }
}

std::vector<std::vector<std::uint16_t>> DrawSquads(Rng& rng, int playerCount, const RealisticOptions& options)
{
    std::vector<std::uint16_t> pool;
    for (int id = 1; id <= playerCount; ++id)
        pool.push_back(static_cast<std::uint16_t>(id));
    for (std::size_t i = pool.size(); i > 1; --i)
        std::swap(pool[i - 1], pool[static_cast<std::size_t>(rng.Between(0, static_cast<int>(i) - 1))]);

    // Keep some players without a team, however small the game.
    std::size_t free = pool.size() - pool.size() / 8;
    std::vector<std::vector<std::uint16_t>> squads(static_cast<std::size_t>(options.teamCount));
    std::size_t next = 0;
    for (auto& squad : squads) {
        const auto size = std::min(static_cast<std::size_t>(rng.Between(options.minSquad, options.maxSquad)), free);
        squad.assign(pool.begin() + static_cast<std::ptrdiff_t>(next), pool.begin() + static_cast<std::ptrdiff_t>(next + size));
        next += size;
        free -= size;
    }
    return squads;
}

// Batting order of a First XI: openers, batsmen, keeper, all-rounders,
// bowlers, then whoever is left.
std::vector<std::uint16_t> PickFirstXI(const std::vector<std::uint16_t>& squad, const GameDescription& game)
{
    auto typeOf = [&](std::uint16_t id) { return game.players[id - 1u].U32(layout::kType); };
    auto isKeeper = [&](std::uint16_t id) {
        const auto& p = game.players[id - 1u];
        return p.U32(layout::kKeeper) == 1 && p.U32(layout::kPartTimeKeeper) == 0;
    };
    std::vector<std::uint16_t> xi;
    auto take = [&](auto wanted, std::size_t count) {
        for (auto id : squad) {
            if (count == 0 || xi.size() == 11)
                break;
            if (wanted(id) && std::find(xi.begin(), xi.end(), id) == xi.end()) {
                xi.push_back(id);
                --count;
            }
        }
    };
    take([&](std::uint16_t id) { return typeOf(id) == 0 && !isKeeper(id); }, 2);
    take([&](std::uint16_t id) { return typeOf(id) == 1 && !isKeeper(id); }, 3);
    take(isKeeper, 1);
    take([&](std::uint16_t id) { return typeOf(id) == 2 && !isKeeper(id); }, 2);
    take([&](std::uint16_t id) { return typeOf(id) == 3; }, 4);
    take([](std::uint16_t) { return true; }, 11);
    return xi;
}

TeamRecordDescription MakeTeamRecord(Rng& rng, NameGenerator& names, std::uint16_t id,
                                     const std::vector<std::uint16_t>& squad, const GameDescription& game)
{
    TeamRecordDescription team;
    team.id = id;
    team.squad = squad;
    team.firstXI = PickFirstXI(squad, game);
    for (auto& b : team.opaque)
        b = rng.Byte();
    for (int i = rng.Between(0, 4); i > 0; --i)
        team.itemList1.push_back({rng.Byte(), rng.Byte(), 0, 0});
    for (int i = rng.Between(0, 3); i > 0; --i)
        team.itemList2.push_back({rng.Byte(), rng.Byte(), rng.Byte(), 0});
    for (int i = rng.Between(1, 3); i > 0; --i)
        team.stringList1.push_back(names.VenueName());
    for (int i = rng.Between(0, 2); i > 0; --i)
        team.stringList2.push_back(names.FamilyName() + " & Sons");
    for (auto& b : team.record)
        b = rng.Byte();

    const auto xiSize = static_cast<std::int32_t>(team.firstXI.size());
    std::int32_t keeperPos = 0;
    for (std::int32_t i = 0; i < xiSize; ++i) {
        const auto& p = game.players[team.firstXI[static_cast<std::size_t>(i)] - 1u];
        if (p.U32(layout::kKeeper) == 1)
            keeperPos = i;
    }
    team.SetCaptain(xiSize > 0 ? rng.Between(0, std::min(6, xiSize - 1)) : 0)
        .SetKeeper(keeperPos)
        .SetOpenBowler1(std::max(0, xiSize - 1))
        .SetOpenBowler2(std::max(0, xiSize - 2))
        .SetBudget(rng.Between(20, 5000) * 1000);
    team.endWord = 0x8002;
    return team;
}

OtherEntryDescription MakeOtherEntry(Rng& rng, std::uint16_t terminator)
{
    OtherEntryDescription entry;
    entry.tag = static_cast<std::uint16_t>(rng.Between(2, 9));
    for (int i = rng.Between(2, 24); i > 0; --i) {
        auto word = static_cast<std::uint16_t>(rng.Next());
        if (word == terminator)
            word ^= 0x0100;
        entry.words.push_back(word);
    }
    return entry;
}

void AddRest(GameDescription& game, Rng& rng, const RealisticOptions& options)
{
    const auto& names = game.header.fullNames();
    static const std::vector<std::string> kLonger = {" A", " Under-19s", " Women", " Academy", " President's XI"};
    for (int i = 0; i < options.restTeamNameStrings && !names.empty(); ++i) {
        game.AddRestBytes(OpaqueString(rng, rng.Between(2, 40)));
        const auto& name = rng.Pick(names);
        game.AddRestString(name);
        if (rng.Chance(33))
            game.AddRestString(rng.Chance(50) ? name + rng.Pick(kLonger) : "Greater " + name);
    }
    game.AddRestBytes(OpaqueString(rng, rng.Between(16, 256)));
}

} // namespace

GameDescription MakeRealisticGame(std::uint64_t seed, int playerCount, const RealisticOptions& options)
{
    if (playerCount < 0 || playerCount > 65535)
        throw std::invalid_argument("a game holds 0 to 65535 players");
    Rng rng(seed);
    NameGenerator names(rng);
    GameDescription game;
    AddHeader(game, options.teamCount);
    game.beforePlayerMarker = OpaqueBytes(rng, rng.Between(64, 512));
    for (auto& b : game.playerMarkerTail)
        b = rng.Byte();

    const auto squads = DrawSquads(rng, playerCount, options);
    std::vector<std::uint16_t> teamOf(static_cast<std::size_t>(playerCount) + 1, layout::kNoTeam);
    for (std::size_t t = 0; t < squads.size(); ++t) {
        for (auto id : squads[t])
            teamOf[id] = static_cast<std::uint16_t>(t + 1);
    }

    game.players.reserve(static_cast<std::size_t>(playerCount));
    std::vector<int> keepersInTeam(squads.size() + 1, 0);
    for (int id = 1; id <= playerCount; ++id) {
        const auto team = teamOf[static_cast<std::size_t>(id)];
        // The first member of each squad keeps wicket, so every side has one.
        const bool firstOfSquad = team != layout::kNoTeam && keepersInTeam[team]++ == 0;
        game.players.push_back(MakeCareer(rng, names, static_cast<std::uint16_t>(id), team,
                                          options.teamCount, firstOfSquad));
    }

    game.beforeTeamMarker = OpaqueBytes(rng, rng.Between(32, 400));
    if (options.otherEntryBeforeFirstTeam)
        game.teamEntries.push_back(MakeOtherEntry(rng, 0));
    int otherEntriesLeft = options.otherEntries;
    for (std::size_t t = 0; t < squads.size(); ++t) {
        auto team = MakeTeamRecord(rng, names, static_cast<std::uint16_t>(t + 1), squads[t], game);
        const auto endWord = team.endWord;
        game.teamEntries.push_back(std::move(team));
        const bool lastTeam = t + 1 == squads.size();
        if (otherEntriesLeft > 0 && !lastTeam && rng.Chance(40 + 100 * otherEntriesLeft / static_cast<int>(squads.size()))) {
            game.teamEntries.push_back(MakeOtherEntry(rng, endWord));
            --otherEntriesLeft;
        }
    }
    // With fewer than eighteen team records the reader would take a rest
    // for more team entries, so such a game ends after its teams.
    if (options.teamCount >= layout::kGameTeams)
        AddRest(game, rng, options);
    return game;
}

} // namespace testgame
