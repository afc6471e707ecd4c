#include "PlayerEdit.h"

#include "Cp1252.h"
#include "PlayerForm.h"
#include "PlayerKeys.h"
#include "RecordLayout.h"
#include "Salary.h"
#include "ValueText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>

using ValueText::ParseInteger;
using ValueText::Refuse;

namespace {

constexpr std::size_t kMaxGameString = 255;

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A whole number in [min, max]; the message says the range.
GameStatus ParseRange(const std::string& key, const std::string& value, long long min, long long max, long long& out)
{
    const auto number = ParseInteger(value);
    if (!number || *number < min || *number > max)
        return Refuse(key, value, "must be a whole number from " + std::to_string(min) + " to " + std::to_string(max));
    out = *number;
    return {};
}

GameStatus ParseFlag(const std::string& key, const std::string& value, int& out)
{
    if (value != "0" && value != "1")
        return Refuse(key, value, "must be 0 or 1");
    out = value == "1" ? 1 : 0;
    return {};
}

// One of two words for the first and second choice of a radio pair.
GameStatus ParseChoice(const std::string& key, const std::string& value, const char* first, const char* second, int& out)
{
    const std::string word = Lower(value);
    if (word != first && word != second)
        return Refuse(key, value, std::string("must be ") + first + " or " + second);
    out = word == first ? 0 : 1;
    return {};
}

GameStatus ParseGameText(const std::string& key, const std::string& value, std::string& out)
{
    std::string why;
    auto bytes = Cp1252::FromUtf8(value, &why);
    if (!bytes)
        return Refuse(key, value, "Windows-1252 cannot encode it" + (why.empty() ? std::string() : " (" + why + ")"));
    if (bytes->size() > kMaxGameString)
        return Refuse(key, value, "the game stores at most 255 characters");
    out = std::move(*bytes);
    return {};
}

GameStatus ParseDate(const std::string& key, const std::string& value, CDate& out)
{
    int parts[3] = {0, 0, 0};
    std::size_t part = 0;
    std::size_t digits = 0;
    bool wellFormed = !value.empty();
    for (char c : value) {
        if (c == '-' && digits > 0 && part < 2) {
            ++part;
            digits = 0;
        } else if (std::isdigit(static_cast<unsigned char>(c)) && digits < (part == 0 ? 4u : 2u)) {
            parts[part] = parts[part] * 10 + (c - '0');
            ++digits;
        } else {
            wellFormed = false;
            break;
        }
    }
    if (!wellFormed || part != 2 || digits == 0)
        return Refuse(key, value, "a date is written YYYY-MM-DD");
    const auto date = GameDate::MakeDate(parts[0], parts[1], parts[2]);
    if (!date)
        return Refuse(key, value, "there is no such date in the game's calendar, or its year is outside 100..9999");
    out = *date;
    return {};
}

// "stats.first_class.runs" into its competition and statistic.
std::optional<std::pair<Competition, Stat>> FindStat(const std::string& key)
{
    for (const Competition competition : PlayerStats::kCompetitions) {
        for (const Stat stat : PlayerKeys::StatOrder()) {
            if (PlayerKeys::StatKeyName(competition, stat) == key)
                return std::make_pair(competition, stat);
        }
    }
    return std::nullopt;
}

} // namespace

bool PlayerEdit::Empty() const
{
    return !givenNames && !familyName && !team && !origin && !birth && !salary && !contract && !type && !keeper
        && !partTimeKeeper && !bowlStyle && !bowlArm && !batsRight && !vsPace && !footwork && !side && stats.empty()
        && !preset && !abilitiesFrom;
}

namespace PlayerEditing {

bool SplitAssignment(const std::string& assignment, std::string& key, std::string& value)
{
    const auto equals = assignment.find('=');
    if (equals == std::string::npos || equals == 0)
        return false;
    key = assignment.substr(0, equals);
    value = assignment.substr(equals + 1);
    return true;
}

GameStatus Parse(const CGame& game, const std::string& key, const std::string& value, PlayerEdit& edit,
    std::string* canonical)
{
    std::string canon;
    GameStatus status;
    long long number = 0;
    int choice = 0;

    if (key == "given_names" || key == "family_name") {
        std::string bytes;
        status = ParseGameText(key, value, bytes);
        if (status) {
            canon = Cp1252::ToUtf8(bytes);
            (key == "given_names" ? edit.givenNames : edit.familyName) = std::move(bytes);
        }
    } else if (key == "team") {
        if (Lower(value) == "none") {
            edit.team = kNoTeam;
        } else {
            const auto id = ParseInteger(value);
            if (!id || *id < 0 || *id >= kNoTeam || !game.Team(static_cast<std::uint32_t>(*id)))
                return Refuse(key, value, "the file has no team with this id (give a team id or none)");
            edit.team = static_cast<std::uint16_t>(*id);
        }
        canon = std::to_string(*edit.team);
    } else if (key == "origin") {
        if (Lower(value) == "none") {
            edit.origin = -1;
            canon = std::to_string(kNoTeam);
        } else {
            const auto index = ParseInteger(value);
            if (!index || *index < 0 || static_cast<unsigned long long>(*index) >= game.m_teamNames.size()
                || *index >= kNoTeam)
                return Refuse(key, value, "the file has no origin with this index (give an index of its team names or none)");
            edit.origin = static_cast<int>(*index);
            canon = std::to_string(*index);
        }
    } else if (key == "birth") {
        CDate date;
        status = ParseDate(key, value, date);
        if (status) {
            edit.birth = date;
            canon = PlayerKeys::DateText(date);
        }
    } else if (key == "salary") {
        if (!(status = ParseRange(key, value, 0, Salary::kMaxSalary, number)))
            return Refuse(key, value, "must be a whole number from 0 to 98303 (the game cannot store a larger salary)");
        edit.salary = number;
        canon = std::to_string(number);
    } else if (key == "contract") {
        status = ParseRange(key, value, 0, INT32_MAX, number);
        if (status) {
            edit.contract = number;
            canon = std::to_string(number);
        }
    } else if (key == "type" || key == "bowl_style") {
        status = ParseRange(key, value, 0, key == "type" ? 3 : 5, number);
        if (status) {
            (key == "type" ? edit.type : edit.bowlStyle) = static_cast<int>(number);
            canon = std::to_string(number);
        }
    } else if (key == "keeper" || key == "part_time_keeper" || key == "bowl_arm" || key == "bats_right") {
        status = ParseFlag(key, value, choice);
        if (status) {
            if (key == "keeper")
                edit.keeper = choice == 1;
            else
                (key == "part_time_keeper" ? edit.partTimeKeeper : key == "bowl_arm" ? edit.bowlArm : edit.batsRight) = choice;
            canon = std::to_string(choice);
        }
    } else if (key == "vs_pace" || key == "footwork" || key == "side") {
        const char* first = key == "vs_pace" ? "fast" : key == "footwork" ? "back" : "leg";
        const char* second = key == "vs_pace" ? "spin" : key == "footwork" ? "front" : "off";
        status = ParseChoice(key, value, first, second, choice);
        if (status) {
            (key == "vs_pace" ? edit.vsPace : key == "footwork" ? edit.footwork : edit.side) = choice;
            canon = choice == 0 ? first : second;
        }
    } else if (key == "preset") {
        static const std::pair<const char*, PlayerEdit::Preset> kPresets[] = {{"average", PlayerEdit::Preset::Average},
            {"good", PlayerEdit::Preset::Good}, {"excellent", PlayerEdit::Preset::Excellent},
            {"super", PlayerEdit::Preset::Super}};
        const std::string word = Lower(value);
        const auto* found = std::find_if(std::begin(kPresets), std::end(kPresets), [&](const auto& p) { return word == p.first; });
        if (found == std::end(kPresets))
            return Refuse(key, value, "must be average, good, excellent or super");
        edit.preset = found->second;
    } else if (key == "abilities_from") {
        const auto id = ParseInteger(value);
        if (!id || *id < 0 || *id > 0xFFFF || !game.Player(static_cast<std::uint32_t>(*id)))
            return Refuse(key, value, "the file has no player with this id");
        edit.abilitiesFrom = static_cast<std::uint32_t>(*id);
    } else if (const auto where = FindStat(key)) {
        status = ParseRange(key, value, INT32_MIN, INT32_MAX, number);
        if (status) {
            edit.stats[*where] = static_cast<std::int32_t>(number);
            canon = std::to_string(number);
        }
    } else if (PlayerKeys::IsReadable(key)) {
        return GameStatus::Failure("the key " + key + " is read-only");
    } else {
        return GameStatus::Failure("unknown player key \"" + key + "\"");
    }
    if (status && canonical)
        *canonical = canon;
    return status;
}

GameStatus Apply(CGame& game, std::uint32_t playerId, const PlayerEdit& edit)
{
    CPlayer* player = game.Player(playerId);
    if (!player)
        return GameStatus::Failure("the file has no player with the id " + std::to_string(playerId));

    // The form shows the player.
    PlayerFormValues values = PlayerForm::Fill(*player, game.m_teamNames.size());
    PlayerFormValues shown = values;

    // Copy From... replaces the ability area and refreshes the form from it.
    if (edit.abilitiesFrom) {
        const CPlayer* source = game.Player(*edit.abilitiesFrom);
        if (!source)
            return GameStatus::Failure("the file has no player with the id " + std::to_string(*edit.abilitiesFrom));
        if (source != player)
            AbilityPresets::CopyAbilities(*player, *source);
        PlayerForm::RefreshAbilities(*player, values, shown);
    }

    // The type radio is read before a level button picks its image.
    if (edit.type)
        values.type = *edit.type;
    if (edit.preset) {
        using Level = AbilityPresets::Level;
        switch (*edit.preset) {
        case PlayerEdit::Preset::Average: AbilityPresets::ApplyAbilities(*player, AbilityPresets::LevelImage(Level::Average, values.type)); break;
        case PlayerEdit::Preset::Good: AbilityPresets::ApplyAbilities(*player, AbilityPresets::LevelImage(Level::Good, values.type)); break;
        case PlayerEdit::Preset::Excellent: AbilityPresets::ApplyAbilities(*player, AbilityPresets::LevelImage(Level::Excellent, values.type)); break;
        case PlayerEdit::Preset::Super: AbilityPresets::ApplyAbilities(*player, AbilityPresets::SuperImage()); break;
        }
    }

    if (edit.givenNames) values.givenNames = *edit.givenNames;
    if (edit.familyName) values.familyName = *edit.familyName;
    if (edit.birth) values.birth = *edit.birth;
    if (edit.salary) values.salary = *edit.salary;
    if (edit.contract) values.contract = *edit.contract;
    if (edit.origin) values.origin = *edit.origin;
    if (edit.keeper) values.keeper = *edit.keeper;
    if (edit.partTimeKeeper) values.keeperTime = *edit.partTimeKeeper;
    if (edit.bowlStyle) values.bowlStyle = *edit.bowlStyle;
    if (edit.bowlArm) values.bowlArm = *edit.bowlArm;
    if (edit.batsRight) values.batHand = *edit.batsRight;
    if (edit.vsPace) values.vsPace = *edit.vsPace;
    if (edit.footwork) values.footwork = *edit.footwork;
    if (edit.side) values.side = *edit.side;

    // The team box moves the player at once; the commit then stores the
    // selected team as well.
    if (edit.team) {
        const std::uint16_t oldTeam = player->Team();
        if (*edit.team != oldTeam) {
            if (GameStatus moved = game.MovePlayer(playerId, oldTeam, *edit.team, false); !moved)
                return moved;
        }
        values.team = *edit.team == kNoTeam ? 0 : *edit.team;
    }

    if (GameStatus stored = PlayerForm::Store(*player, values, shown); !stored)
        return GameStatus::Failure("player " + std::to_string(playerId) + ": " + stored.message());

    for (const auto& [where, value] : edit.stats)
        player->SetStat(where.first, where.second, value);
    return {};
}

} // namespace PlayerEditing
