#include "GameFileLayout.h"

#include "ByteOrder.h"
#include "FileIO.h"
#include "RecordLayout.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

// Reads the items of a game file front to back; every read checks that the
// bytes are there, so no input can take the parser past the end.
class Cursor
{
public:
    explicit Cursor(std::span<const std::uint8_t> data, std::size_t pos = 0) : m_data(data), m_pos(pos) {}

    std::size_t pos() const { return m_pos; }
    std::size_t left() const { return m_pos <= m_data.size() ? m_data.size() - m_pos : 0; }

    bool U16(std::uint16_t& value)
    {
        if (left() < 2)
            return false;
        value = ByteOrder::GetU16(m_data.data() + m_pos);
        m_pos += 2;
        return true;
    }

    bool Skip(std::size_t count)
    {
        if (left() < count)
            return false;
        m_pos += count;
        return true;
    }

    bool String(StringSpan& span)
    {
        if (left() < 1)
            return false;
        span.offset = m_pos;
        span.length = m_data[m_pos];
        return Skip(1 + span.length);
    }

    // A u16 count followed by that many strings.
    bool StringList()
    {
        std::uint16_t count = 0;
        if (!U16(count))
            return false;
        StringSpan span;
        for (std::uint16_t i = 0; i < count; ++i)
            if (!String(span))
                return false;
        return true;
    }

    bool IdList(std::vector<std::uint16_t>& ids, std::uint16_t count)
    {
        if (left() < 2u * count)
            return false;
        ids.resize(count);
        for (auto& id : ids)
            U16(id);
        return true;
    }

private:
    std::span<const std::uint8_t> m_data;
    std::size_t m_pos;
};

bool ParseHeader(std::span<const std::uint8_t> data, HeaderLayout& header, std::string& problem)
{
    Cursor in(data);
    std::uint16_t count = 0;
    if (!in.U16(count) || !in.IdList(header.ids, count)) {
        problem = "the list of team ids at the start of the file is cut short";
        return false;
    }
    static const char* const kListNames[3] = {"team names", "short team names", "team abbreviations"};
    for (int list = 0; list < 3; ++list) {
        std::uint16_t names = 0;
        if (!in.U16(names)) {
            problem = std::string("the list of ") + kListNames[list] + " is cut short";
            return false;
        }
        if (names > header.ids.size()) {
            problem = std::string("the list of ") + kListNames[list] + " holds " + std::to_string(names)
                + " names for " + std::to_string(header.ids.size()) + " team ids";
            return false;
        }
        header.names[list].resize(names);
        for (auto& span : header.names[list]) {
            if (!in.String(span)) {
                problem = std::string("the list of ") + kListNames[list] + " is cut short";
                return false;
            }
        }
    }
    header.end = in.pos();
    header.valid = true;
    return true;
}

// Reads player records from `start` while the continuation tag says so.
// False when the file ends inside a record.
bool ParsePlayers(std::span<const std::uint8_t> data, std::size_t start, GameFileLayout& layout,
    const GameFileFormat::PlayerVisitor& onPlayer)
{
    constexpr std::size_t kSmallestEntry = 2 + 3 + PlayerLayout::kSize;
    layout.players.reserve(std::min<std::size_t>((data.size() - start) / kSmallestEntry + 1, 65536));
    Cursor in(data, start);
    while (true) {
        PlayerEntryLayout entry;
        entry.offset = in.pos();
        StringSpan names[3];
        if (!in.U16(entry.id) || !in.String(names[0]) || !in.String(names[1]) || !in.String(names[2]))
            return false;
        for (int i = 0; i < 3; ++i)
            entry.lengths[i] = static_cast<std::uint8_t>(names[i].length);
        if (!in.Skip(PlayerLayout::kSize))
            return false;
        layout.players.push_back(entry);
        if (onPlayer)
            onPlayer(entry);
        const auto tag = ByteOrder::GetU16(data.data() + entry.RecordOffset() + PlayerLayout::wNextTag);
        if (tag != PlayerLayout::kNextTagMore)
            break;
    }
    layout.playersEnd = in.pos();
    return true;
}

// Reads one team record whose tag has already been read. False when the
// file ends inside it (the record is then not taken).
bool ParseTeamRecord(Cursor& in, TeamEntryLayout& entry)
{
    std::uint16_t count = 0;
    if (!in.U16(entry.id))
        return false;
    entry.squadCountOffset = in.pos();
    if (!in.U16(count) || !in.IdList(entry.squad, count))
        return false;
    entry.xiCountOffset = in.pos();
    if (!in.U16(count) || !in.IdList(entry.firstXI, count))
        return false;
    entry.opaqueOffset = in.pos();
    if (!in.Skip(32))
        return false;
    for (int list = 0; list < 2; ++list) {
        if (!in.U16(count) || !in.Skip(4u * count))
            return false;
    }
    if (!in.StringList() || !in.StringList())
        return false;
    entry.recordOffset = in.pos();
    if (!in.Skip(TeamLayout::kSize) || !in.U16(entry.endWord))
        return false;
    entry.end = in.pos();
    return true;
}

void ParseTeamEntries(std::span<const std::uint8_t> data, std::size_t start, GameFileLayout& layout)
{
    Cursor in(data, start);
    std::uint16_t endWord = GameFileFormat::kInitialEndWord;
    int teamRecords = 0;
    layout.teamEntriesEnd = start;
    while (teamRecords < kGameTeamCount) {
        TeamEntryLayout entry;
        entry.offset = in.pos();
        std::uint16_t tag = 0;
        if (!in.U16(tag))
            break;
        if (tag == 1) {
            entry.isTeam = true;
            if (!ParseTeamRecord(in, entry))
                break; // cut short: what follows stays opaque
            endWord = entry.endWord;
            ++teamRecords;
        } else {
            std::uint16_t word = 0;
            while (in.U16(word) && word != endWord) {
            }
            entry.end = in.pos();
        }
        layout.teamEntries.push_back(std::move(entry));
        layout.teamEntriesEnd = in.pos();
    }
}

// The limits of the model and the rules that keep ids unique.
GameStatus CheckLimits(const GameFileLayout& layout)
{
    std::vector<bool> playerIds(std::size_t{1} << 16);
    for (const auto& player : layout.players) {
        if (playerIds[player.id])
            return GameStatus::Failure("Two player records have the same id " + std::to_string(player.id) + ".");
        playerIds[player.id] = true;
    }
    std::unordered_set<std::uint16_t> teamIds;
    for (const auto& entry : layout.teamEntries) {
        if (!entry.isTeam)
            continue;
        const std::string team = "Team " + std::to_string(entry.id);
        if (entry.id == kNoTeam)
            return GameStatus::Failure("A team record has the id 65535, which means \"no team\".");
        if (!teamIds.insert(entry.id).second)
            return GameStatus::Failure("Two team records have the same id " + std::to_string(entry.id) + ".");
        if (entry.squad.size() > TeamLayout::kMaxSquad)
            return GameStatus::Failure(team + " lists " + std::to_string(entry.squad.size())
                + " players in its squad; at most 256 are possible.");
        if (entry.firstXI.size() > TeamLayout::kFirstXI)
            return GameStatus::Failure(team + " lists " + std::to_string(entry.firstXI.size())
                + " players in its First XI; at most 11 are possible.");
        for (const auto id : entry.squad) {
            if (!playerIds[id])
                return GameStatus::Failure(team + " lists player " + std::to_string(id)
                    + " in its squad, but the file has no record of that player.");
        }
    }
    return {};
}

} // namespace

std::size_t PlayerEntryLayout::End() const
{
    return RecordOffset() + PlayerLayout::kSize;
}

namespace GameFileFormat {

std::optional<std::size_t> ScanPlayerMarker(std::span<const std::uint8_t> data)
{
    static constexpr char kTail[] = "rBowler";
    const std::size_t size = data.size();
    std::size_t pos = 0;
    while (pos < size) {
        const auto* found = static_cast<const std::uint8_t*>(std::memchr(data.data() + pos, 'C', size - pos));
        if (!found)
            return std::nullopt;
        pos = static_cast<std::size_t>(found - data.data()) + 1;
        const std::size_t compared = std::min<std::size_t>(7, size - pos);
        if (compared == 7 && std::memcmp(data.data() + pos, kTail, 7) == 0)
            return pos - 1;
        pos += compared;
    }
    return std::nullopt;
}

std::optional<std::size_t> FindText(std::span<const std::uint8_t> data, std::string_view text, std::size_t start)
{
    if (start > data.size())
        return std::nullopt;
    const std::string_view hay(reinterpret_cast<const char*>(data.data()), data.size());
    const auto found = hay.find(text, start);
    if (found == std::string_view::npos)
        return std::nullopt;
    return found;
}

GameStatus Parse(std::span<const std::uint8_t> data, GameFileLayout& layout, const PlayerVisitor& onPlayer)
{
    layout = GameFileLayout{};
    const auto marker = ScanPlayerMarker(data);
    if (!marker)
        return GameStatus::Failure(GameMessages::kErrorReadingDatabase);
    layout.playerMarker = *marker;
    layout.playersStart = *marker + 8 + kPlayerMarkerTail;
    if (layout.playersStart > data.size() || !ParsePlayers(data, layout.playersStart, layout, onPlayer))
        return GameStatus::Failure(GameMessages::kErrorReadingDatabase);

    layout.teamMarker = FindText(data, "CrTeam", layout.playersEnd);
    // The header is read whenever it is whole, so a file without team records
    // still shows (and writes back) its own names. Without team records a
    // broken header is kept as opaque bytes; with them it is needed.
    std::string problem;
    const bool headerRead = ParseHeader(data, layout.header, problem);
    if (headerRead && layout.header.end > layout.playerMarker) {
        layout.header.valid = false;
        problem = "the team names at the start of the file run into the player list";
    }
    if (!layout.header.valid) {
        layout.header = HeaderLayout{};
        if (layout.teamMarker)
            return GameStatus::Failure(problem + ".");
    }
    if (layout.teamMarker)
        ParseTeamEntries(data, *layout.teamMarker + 6, layout);
    return CheckLimits(layout);
}

} // namespace GameFileFormat

long long FindMarker(const std::string& path, std::string_view text, long long startOffset)
{
    std::vector<std::uint8_t> data;
    if (startOffset < 0 || !FileIO::ReadWholeFile(path, data))
        return -1;
    const auto found = GameFileFormat::FindText(data, text, static_cast<std::size_t>(startOffset));
    return found ? static_cast<long long>(*found) : -1;
}
