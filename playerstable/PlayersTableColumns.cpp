#include "PlayersTableColumns.h"

#include "document/CGameDocument.h"
#include "gamedata/CGame.h"
#include "gamedata/Cp1252.h"
#include "gamedata/PlayerFields.h"
#include "player/CDateEdit.h"
#include "player/FieldWords.h"
#include "player/StatsFigures.h"

#include <QCoreApplication>

#include <cctype>
#include <optional>
#include <string_view>

namespace PlayersTableColumns {

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("PlayersTable", text);
}

std::int64_t Number(const FieldValue& value)
{
    const auto* number = std::get_if<std::int64_t>(&value);
    return number ? *number : 0;
}

Column Field(const char* title, Show show, const char* key, QStringList words = {})
{
    return {Tr(title), {}, show, &PlayerFields::Field(key), Competition::FirstClass, std::move(words)};
}

// The figures of one competition: matches, runs, batting average, wickets,
// bowling average.
void AddCareer(std::vector<Column>& columns, Competition competition, const char* prefix)
{
    const QString name = QString::fromLatin1(PlayerStats::CompetitionName(competition));
    const auto figure = [&](const char* title, const char* what, Show show, std::optional<Stat> stat) {
        Column column{Tr(prefix) + QLatin1Char(' ') + Tr(title), name + QStringLiteral(": ") + Tr(what), show};
        column.competition = competition;
        if (stat)
            column.field = &PlayerFields::Field(PlayerFields::StatKeyName(competition, *stat));
        columns.push_back(std::move(column));
    };
    figure("M", "matches", Show::Number, Stat::Matches);
    figure("Runs", "runs", Show::Number, Stat::Runs);
    figure("Bat Avg", "batting average", Show::BattingAverage, std::nullopt);
    figure("Wkts", "wickets", Show::Number, Stat::Wickets);
    figure("Bowl Avg", "bowling average", Show::BowlingAverage, std::nullopt);
}

std::vector<Column> MakeColumns()
{
    const QStringList hands = {Tr("Left"), Tr("Right")};
    std::vector<Column> columns = {
        Field("Name", Show::Label, "display_name"),
        Field("Given Names", Show::Text, "given_names"),
        Field("Family Name", Show::Text, "family_name"),
        Field("Team", Show::Team, "team"),
        Field("Origin", Show::Origin, "origin"),
        Field("Born", Show::Date, "birth"),
        Field("Type", Show::Words, "type", FormWords("type")),
        Field("Keeper", Show::Keeper, "keeper"),
        Field("Bowling", Show::Words, "bowl_style", FormWords("bowl_style")),
        Field("Arm", Show::Words, "bowl_arm", hands),
        Field("Bats", Show::Words, "bats_right", hands),
        Field("Salary", Show::Number, "salary"),
        Field("Contract", Show::Number, "contract"),
    };
    AddCareer(columns, Competition::FirstClass, "FC");
    AddCareer(columns, Competition::TestMatch, "Test");
    return columns;
}

std::optional<double> Quotient(std::int64_t dividend, std::int64_t divisor)
{
    if (divisor == 0)
        return std::nullopt;
    return static_cast<double>(dividend) / static_cast<double>(divisor);
}

// The averages as the statistics dialog works them out (StatsFigures), as numbers.
std::optional<double> Average(const CPlayer& player, const Column& column)
{
    const Competition c = column.competition;
    if (column.show == Show::BattingAverage)
        return Quotient(player.GetStat(c, Stat::Runs),
            std::int64_t{player.GetStat(c, Stat::Innings)} - player.GetStat(c, Stat::NotOuts));
    return Quotient(player.GetStat(c, Stat::RunsConceded), player.GetStat(c, Stat::Wickets));
}

// 0 no keeper, 1 part-time, 2 full-time.
int KeeperRank(const CPlayer& player)
{
    return player.Keeper() == 0 ? 0 : player.PartTimeKeeper() != 0 ? 1 : 2;
}

// The name a team or origin field shows: only ids the form lists have one.
std::string_view TeamName(const CGame& game, const CPlayer& player, const Column& column)
{
    const auto id = static_cast<std::uint32_t>(Number(PlayerFields::Get(player, *column.field)));
    const bool named = column.show == Show::Team ? game.Team(id) != nullptr : id >= 1;
    return named ? std::string_view(game.TeamName(id)) : std::string_view();
}

// Game text (Windows-1252) or UTF-8 text in capitals, compared byte by byte.
std::string Folded(std::string_view text, char (*fold)(char))
{
    std::string folded(text);
    for (char& c : folded)
        c = fold(c);
    return folded;
}

char AsciiUpper(char c)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

} // namespace

const std::vector<Column>& All()
{
    static const std::vector<Column> columns = MakeColumns();
    return columns;
}

int IndexOf(Show show)
{
    for (std::size_t i = 0; i < All().size(); ++i)
        if (All()[i].show == show)
            return static_cast<int>(i);
    return -1;
}

QString Text(const CGameDocument& document, const CPlayer& player, const Column& column)
{
    switch (column.show) {
    case Show::Label: return document.PlayerLabel(player);
    case Show::Date: return FormatDate(player.m_dtBirth);
    case Show::Team:
    case Show::Origin: return CGameDocument::GameText(std::string(TeamName(document.Game(), player, column)));
    case Show::Keeper: {
        const int rank = KeeperRank(player);
        return rank == 0 ? QString() : rank == 1 ? Tr("Parttime") : Tr("Fulltime");
    }
    case Show::Words: {
        const std::int64_t value = Number(PlayerFields::Get(player, *column.field));
        return value >= 0 && value < column.words.size() ? column.words[value] : QString::number(value);
    }
    case Show::BattingAverage: {
        const Competition c = column.competition;
        return StatsFigures::BattingAverage(player.GetStat(c, Stat::Runs), player.GetStat(c, Stat::Innings),
            player.GetStat(c, Stat::NotOuts));
    }
    case Show::BowlingAverage:
        return StatsFigures::BowlingAverage(player.GetStat(column.competition, Stat::RunsConceded),
            player.GetStat(column.competition, Stat::Wickets));
    case Show::Text:
    case Show::Number: break;
    }
    return QString::fromStdString(PlayerFields::ToText(PlayerFields::Get(player, *column.field)));
}

bool AlignsRight(const Column& column)
{
    switch (column.show) {
    case Show::Number:
    case Show::BattingAverage:
    case Show::BowlingAverage: return true;
    default: return false;
    }
}

SortKey Key(const CGame& game, const CPlayer& player, const Column& column)
{
    switch (column.show) {
    case Show::Label: return Folded(player.GetDisplayName(), Cp1252::ToUpper);
    case Show::Team:
    case Show::Origin: return Folded(TeamName(game, player, column), Cp1252::ToUpper);
    case Show::Keeper: return static_cast<double>(KeeperRank(player));
    case Show::Date: {
        const CDate& date = player.m_dtBirth;
        return date.valid ? SortKey(date.year * 10000.0 + date.month * 100 + date.day) : SortKey();
    }
    case Show::BattingAverage:
    case Show::BowlingAverage: {
        const auto average = Average(player, column);
        return average ? SortKey(*average) : SortKey();
    }
    default: break;
    }
    const FieldValue value = PlayerFields::Get(player, *column.field);
    if (const auto* text = std::get_if<std::string>(&value))
        return Folded(*text, AsciiUpper);
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return static_cast<double>(*number);
    return {};
}

} // namespace PlayersTableColumns
