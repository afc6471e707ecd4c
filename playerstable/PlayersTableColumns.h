#pragma once

#include "gamedata/PlayerStats.h"

#include <QString>
#include <QStringList>

#include <string>
#include <variant>
#include <vector>

class CGame;
class CGameDocument;
class CPlayer;
struct PlayerField;

// The columns of the players table: the player fields it shows (read
// through the core's field table), the career averages worked out from
// them, each column's header, the text of a cell and how two players
// compare in a column. Nothing is copied from the game: every call reads
// the player's record.
namespace PlayersTableColumns {

enum class Show {
    Label,          // the tree's label: display name, "*" when changed
    Text,           // a text field as it is
    Number,         // a number field
    Date,           // day/month/year as the form shows it
    Team,           // the name of the team the field names
    Origin,         // the team name the origin field indexes
    Words,          // a stored number named by `words`
    Keeper,         // "Fulltime", "Parttime" or nothing
    BattingAverage, // runs / (innings - not outs)
    BowlingAverage, // runs conceded / wickets
};

struct Column
{
    QString title;
    QString toolTip;
    Show show = Show::Text;
    const PlayerField* field = nullptr; // the value shown (null for the averages)
    Competition competition = Competition::FirstClass; // of the averages
    QStringList words{};                               // Words: by stored value
};

const std::vector<Column>& All();
inline int Count() { return static_cast<int>(All().size()); }
// The column's index, -1 for none.
int IndexOf(Show show);

QString Text(const CGameDocument& document, const CPlayer& player, const Column& column);
bool AlignsRight(const Column& column);

// What a cell sorts by; ascending order is the order of keys: no value
// first, then numbers by size (dates as yyyymmdd, words by their stored
// number), then texts by their letters whatever their case.
using SortKey = std::variant<std::monostate, double, std::string>;
SortKey Key(const CGame& game, const CPlayer& player, const Column& column);

} // namespace PlayersTableColumns
