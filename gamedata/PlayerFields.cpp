#include "PlayerFields.h"

#include "AbilityPresets.h"
#include "CGame.h"
#include "Cp1252.h"
#include "Salary.h"
#include "ValueText.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <map>
#include <stdexcept>

using ValueText::ParseInteger;
using ValueText::Refuse;

namespace {

using Access = FieldAccess;
using Kind = FieldKind;
using Role = FieldRole;
using Target = PlayerFieldTarget;

std::int64_t Number(const FieldValue& value)
{
    return std::get<std::int64_t>(value);
}

int Index(const FieldValue& value)
{
    return static_cast<int>(Number(value));
}

const std::string& Text(const FieldValue& value)
{
    return std::get<std::string>(value);
}

FieldValue GameText(const std::string& gameText)
{
    return Cp1252::ToUtf8(gameText);
}

// The game text of a value Parse accepted (so it encodes).
std::string ToGameText(const FieldValue& value)
{
    return Cp1252::FromUtf8(Text(value)).value_or(std::string());
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// "YYYY-MM-DD" with a date of the game's calendar, else nothing; malformed
// tells which of the two refusals applies.
std::optional<CDate> DateFromText(const std::string& text, bool& malformed)
{
    int parts[3] = {0, 0, 0};
    std::size_t part = 0;
    std::size_t digits = 0;
    malformed = text.empty();
    for (char c : text) {
        if (c == '-' && digits > 0 && part < 2) {
            ++part;
            digits = 0;
        } else if (std::isdigit(static_cast<unsigned char>(c)) && digits < (part == 0 ? 4u : 2u)) {
            parts[part] = parts[part] * 10 + (c - '0');
            ++digits;
        } else {
            malformed = true;
            break;
        }
    }
    malformed = malformed || part != 2 || digits == 0;
    return malformed ? std::nullopt : GameDate::MakeDate(parts[0], parts[1], parts[2]);
}

// "a, b or c".
std::string Alternatives(const std::vector<std::string>& words)
{
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i)
        text += (i == 0 ? "" : i + 1 == words.size() ? " or " : ", ") + words[i];
    return text;
}

constexpr std::int64_t kMaxTextBytes = 255; // game strings carry a length byte

std::vector<PlayerField> MakeTable()
{
    using namespace PlayerLayout;
    const auto u32 = [](std::size_t offset) { return FieldBytes{offset, 4, false}; };
    const std::vector<std::string> flag = {"0", "1"};
    std::vector<PlayerField> t = {
        {.key = "abilities_from", .access = Access::WriteOnly, .max = 0xFFFF, .ref = FieldRef::Player,
            .set = [](Target& to, const FieldValue& v) {
                const CPlayer* source = to.game.Player(static_cast<std::uint32_t>(Number(v)));
                if (source && source != &to.player)
                    AbilityPresets::CopyAbilities(to.player, *source);
                PlayerForm::RefreshAbilities(to.player, to.values, to.shown);
            }},
        {.key = "id", .role = Role::Shown, .column = 1, .get = [](const CPlayer& p) -> FieldValue { return p.m_nId; }},
        {.key = "given_names", .kind = Kind::Text, .access = Access::ReadWrite, .max = kMaxTextBytes,
            .get = [](const CPlayer& p) { return GameText(p.m_strGivenNames); },
            .set = [](Target& to, const FieldValue& v) { to.values.givenNames = ToGameText(v); }},
        {.key = "family_name", .kind = Kind::Text, .access = Access::ReadWrite, .max = kMaxTextBytes,
            .get = [](const CPlayer& p) { return GameText(p.m_strFamilyName); },
            .set = [](Target& to, const FieldValue& v) { to.values.familyName = ToGameText(v); }},
        {.key = "initials", .kind = Kind::Text, .get = [](const CPlayer& p) { return GameText(p.m_strInitials); }},
        {.key = "display_name", .kind = Kind::Text, .role = Role::Shown, .column = 2,
            .get = [](const CPlayer& p) { return GameText(p.GetDisplayName()); }},
        {.key = "team", .access = Access::ReadWrite, .max = kNoTeam - 1, .ref = FieldRef::Team,
            .bytes = {wTeam, 2}, .column = 3,
            .set = [](Target& to, const FieldValue& v) { to.values.team = Number(v) == kNoTeam ? 0 : Index(v); }},
        {.key = "origin", .access = Access::ReadWrite, .max = kNoTeam - 1, .ref = FieldRef::TeamName,
            .bytes = {wOrigin, 2}, .set = [](Target& to, const FieldValue& v) { to.values.origin = Index(v); }},
        {.key = "birth", .kind = Kind::Date, .access = Access::ReadWrite, .column = 5,
            .get = [](const CPlayer& p) -> FieldValue {
                return p.m_dtBirth.valid ? FieldValue(PlayerFields::DateText(p.m_dtBirth)) : FieldValue();
            },
            .set = [](Target& to, const FieldValue& v) {
                bool malformed = false;
                to.values.birth = DateFromText(Text(v), malformed).value_or(CDate{});
            }},
        {.key = "birth_code", .role = Role::Code, .bytes = u32(nBirthCode)},
        {.key = "salary", .access = Access::ReadWrite, .max = Salary::kMaxSalary,
            .note = "the game cannot store a larger salary", .column = 6,
            .get = [](const CPlayer& p) -> FieldValue { return p.m_nSalary; },
            .set = [](Target& to, const FieldValue& v) { to.values.salary = Number(v); }},
        {.key = "salary_code", .role = Role::Code, .bytes = u32(nSalaryCode)},
        {.key = "contract", .access = Access::ReadWrite, .max = INT32_MAX, .bytes = {nContract, 4, true},
            .column = 7, .set = [](Target& to, const FieldValue& v) { to.values.contract = Number(v); }},
        {.key = "type", .access = Access::ReadWrite, .max = 3, .bytes = u32(nType),
            .set = [](Target& to, const FieldValue& v) { to.values.type = Index(v); }},
        {.key = "type_abbrev", .kind = Kind::Text, .role = Role::Shown, .column = 4,
            .get = [](const CPlayer& p) -> FieldValue { return p.GetTypeAbbrev(); }},
        {.key = "image_index", .role = Role::Shown,
            .get = [](const CPlayer& p) -> FieldValue { return p.GetImageIndex(); }},
        {.key = "keeper", .kind = Kind::Choice, .access = Access::ReadWrite, .choices = flag, .bytes = u32(nKeeper),
            .set = [](Target& to, const FieldValue& v) { to.values.keeper = Index(v) == 1; }},
        {.key = "part_time_keeper", .kind = Kind::Choice, .access = Access::ReadWrite, .choices = flag,
            .bytes = u32(nPartTimeKeeper),
            .set = [](Target& to, const FieldValue& v) { to.values.keeperTime = Index(v); }},
        {.key = "bowl_style", .access = Access::ReadWrite, .max = 5, .bytes = u32(nBowlStyle),
            .set = [](Target& to, const FieldValue& v) { to.values.bowlStyle = Index(v); }},
        {.key = "bowl_arm", .kind = Kind::Choice, .access = Access::ReadWrite, .choices = flag, .bytes = u32(nBowlArm),
            .set = [](Target& to, const FieldValue& v) { to.values.bowlArm = Index(v); }},
        {.key = "bats_right", .kind = Kind::Choice, .access = Access::ReadWrite, .choices = flag,
            .bytes = u32(nBatsRight), .set = [](Target& to, const FieldValue& v) { to.values.batHand = Index(v); }},
        {.key = "vs_pace", .kind = Kind::Choice, .access = Access::ReadWrite, .choices = {"fast", "spin"},
            .set = [](Target& to, const FieldValue& v) { to.values.vsPace = Index(v); }},
        {.key = "vs_pace_byte", .role = Role::Code, .bytes = {bVsPace, 1}},
        {.key = "footwork", .kind = Kind::Choice, .access = Access::ReadWrite, .choices = {"back", "front"},
            .set = [](Target& to, const FieldValue& v) { to.values.footwork = Index(v); }},
        {.key = "footwork_byte", .role = Role::Code, .bytes = {bFootwork, 1}},
        {.key = "side", .kind = Kind::Choice, .access = Access::ReadWrite, .choices = {"leg", "off"},
            .set = [](Target& to, const FieldValue& v) { to.values.side = Index(v); }},
        {.key = "side_byte", .role = Role::Code, .bytes = {bSide, 1}},
    };
    for (const Competition competition : PlayerStats::kCompetitions) {
        for (const Stat stat : PlayerFields::StatOrder()) {
            t.push_back({.key = PlayerFields::StatKeyName(competition, stat), .access = Access::ReadWrite,
                .min = INT32_MIN, .max = INT32_MAX, .bytes = {PlayerStats::Offset(competition, stat), 4, true},
                .set = [competition, stat](Target& to, const FieldValue& v) {
                    to.player.SetStat(competition, stat, static_cast<std::int32_t>(Number(v)));
                }});
        }
    }
    t.push_back({.key = "preset", .kind = Kind::Choice, .access = Access::WriteOnly,
        .choices = {"average", "good", "excellent", "super"}, .set = [](Target& to, const FieldValue& v) {
            // A level's image is the form's type's, this edit's type included:
            // the type radio is read before a level button.
            using AbilityPresets::Level;
            const int level = Index(v);
            AbilityPresets::ApplyAbilities(to.player, level == 3 ? AbilityPresets::SuperImage()
                : AbilityPresets::LevelImage(static_cast<Level>(level), to.values.type));
        }});
    // A choice with a Code row below reads its words from that byte (the
    // batting preferences); the other choices read their number.
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
        if (t[i].kind == Kind::Choice && t[i + 1].role == Role::Code) {
            t[i].get = [words = t[i].choices, offset = t[i + 1].bytes.offset](const CPlayer& p) -> FieldValue {
                return words[static_cast<std::size_t>(PreferenceChoice(p.Byte(offset)))];
            };
        }
    }
    return t;
}

struct Table
{
    std::vector<PlayerField> fields = MakeTable();
    std::map<std::string, std::size_t, std::less<>> byKey;
    std::vector<std::string> readable;

    Table()
    {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            byKey.emplace(fields[i].key, i);
            if (fields[i].Readable())
                readable.push_back(fields[i].key);
        }
    }
};

const Table& TheTable()
{
    static const Table table;
    return table;
}

bool NamesSomething(const CGame& game, FieldRef ref, std::int64_t number)
{
    const auto id = static_cast<std::uint32_t>(number);
    switch (ref) {
    case FieldRef::Team: return game.Team(id) != nullptr;
    case FieldRef::TeamName: return id < game.NameList(0).size();
    case FieldRef::Player: return game.Player(id) != nullptr;
    case FieldRef::None: break;
    }
    return true;
}

std::string RefusalOf(const PlayerField& field)
{
    switch (field.ref) {
    case FieldRef::Team: return "the file has no team with this id (give a team id or none)";
    case FieldRef::TeamName: return "the file has no origin with this index (give an index of its team names or none)";
    case FieldRef::Player: return "the file has no player with this id";
    case FieldRef::None: break;
    }
    return "must be a whole number from " + std::to_string(field.min) + " to " + std::to_string(field.max)
        + (field.note.empty() ? std::string() : " (" + field.note + ")");
}

GameStatus ParseNumber(const CGame& game, const PlayerField& field, const std::string& text, FieldValue& value)
{
    const bool takesNone = field.ref == FieldRef::Team || field.ref == FieldRef::TeamName;
    if (takesNone && Lower(text) == "none") {
        value = std::int64_t{kNoTeam};
        return {};
    }
    const auto number = ParseInteger(text);
    if (!number || *number < field.min || *number > field.max || !NamesSomething(game, field.ref, *number))
        return Refuse(field.key, text, RefusalOf(field));
    value = *number;
    return {};
}

} // namespace

namespace PlayerFields {

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

const std::vector<PlayerField>& All()
{
    return TheTable().fields;
}

const PlayerField* Find(std::string_view key)
{
    const auto& table = TheTable();
    const auto found = table.byKey.find(key);
    return found == table.byKey.end() ? nullptr : &table.fields[found->second];
}

const PlayerField& Field(std::string_view key)
{
    if (const PlayerField* field = Find(key))
        return *field;
    throw std::logic_error("no player field " + std::string(key));
}

const std::vector<std::string>& ReadableKeys()
{
    return TheTable().readable;
}

FieldValue Get(const CPlayer& player, const PlayerField& field)
{
    if (field.get)
        return field.get(player);
    const FieldBytes& b = field.bytes;
    switch (b.size) {
    case 1: return std::int64_t{player.Byte(b.offset)};
    case 2: return std::int64_t{player.U16(b.offset)};
    case 4: {
        const std::uint32_t raw = player.U32(b.offset);
        return b.isSigned ? std::int64_t{static_cast<std::int32_t>(raw)} : std::int64_t{raw};
    }
    default: return {};
    }
}

FieldValue Get(const CPlayer& player, std::string_view key)
{
    const PlayerField* field = Find(key);
    return field && field->Readable() ? Get(player, *field) : FieldValue{};
}

GameStatus Parse(const CGame& game, const PlayerField& field, const std::string& text, FieldValue& value)
{
    switch (field.kind) {
    case FieldKind::Number: return ParseNumber(game, field, text, value);
    case FieldKind::Text: {
        std::string why;
        const auto bytes = Cp1252::FromUtf8(text, &why);
        if (!bytes)
            return Refuse(field.key, text, "Windows-1252 cannot encode it" + (why.empty() ? std::string() : " (" + why + ")"));
        if (static_cast<std::int64_t>(bytes->size()) > field.max)
            return Refuse(field.key, text, "the game stores at most " + std::to_string(field.max) + " characters");
        value = Cp1252::ToUtf8(*bytes);
        return {};
    }
    case FieldKind::Date: {
        bool malformed = false;
        const auto date = DateFromText(text, malformed);
        if (malformed)
            return Refuse(field.key, text, "a date is written YYYY-MM-DD");
        if (!date)
            return Refuse(field.key, text, "there is no such date in the game's calendar, or its year is outside "
                + std::to_string(GameDate::kMinYear) + ".." + std::to_string(GameDate::kMaxYear));
        value = DateText(*date);
        return {};
    }
    case FieldKind::Choice: {
        const auto found = std::find(field.choices.begin(), field.choices.end(), Lower(text));
        if (found == field.choices.end())
            return Refuse(field.key, text, "must be " + Alternatives(field.choices));
        value = *found;
        return {};
    }
    }
    return GameStatus::Failure("the key " + field.key + " cannot be set");
}

void Set(PlayerFieldTarget& target, const PlayerField& field, const FieldValue& value)
{
    if (field.kind != FieldKind::Choice)
        return field.set(target, value);
    const auto index = std::find(field.choices.begin(), field.choices.end(), Text(value)) - field.choices.begin();
    field.set(target, std::int64_t{index});
}

std::string ToText(const FieldValue& value)
{
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return std::to_string(*number);
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    return {};
}

std::string DateText(const CDate& date)
{
    if (!date.valid)
        return {};
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
    return buffer;
}

std::uint32_t Count(const PlayerField& field)
{
    if (field.kind == FieldKind::Choice)
        return static_cast<std::uint32_t>(field.choices.size());
    return static_cast<std::uint32_t>(field.max + 1);
}

} // namespace PlayerFields
