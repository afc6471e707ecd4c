#include "GameFileWriter.h"

#include "ByteOrder.h"
#include "CGame.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kMaxString = 255;

class Emitter
{
public:
    Emitter(std::span<const std::uint8_t> source, ByteSink& out) : m_source(source), m_out(out) {}

    GameStatus Copy(std::size_t from, std::size_t to)
    {
        if (to <= from)
            return {};
        return m_out.Write(m_source.data() + from, to - from);
    }

    GameStatus U16(std::uint16_t value)
    {
        std::uint8_t bytes[2];
        ByteOrder::PutU16(bytes, value);
        return m_out.Write(bytes, 2);
    }

    GameStatus String(const std::string& text)
    {
        const auto length = static_cast<std::uint8_t>(text.size());
        if (auto status = m_out.Write(&length, 1); !status)
            return status;
        return m_out.Write(text.data(), text.size());
    }

    GameStatus Raw(const void* data, std::size_t size) { return m_out.Write(data, size); }

    std::string SourceText(const StringSpan& span) const
    {
        return std::string(reinterpret_cast<const char*>(m_source.data() + span.offset + 1), span.length);
    }

    bool SourceHolds(const StringSpan& span, const std::string& text) const
    {
        return span.length == text.size() && std::memcmp(m_source.data() + span.offset + 1, text.data(), text.size()) == 0;
    }

    const std::uint8_t* SourceAt(std::size_t offset) const { return m_source.data() + offset; }

private:
    std::span<const std::uint8_t> m_source;
    ByteSink& m_out;
};

#define ORBEK_TRY(expr)                  \
    do {                                 \
        if (auto status_ = (expr); !status_) \
            return status_;              \
    } while (false)

// Old and new full name of every team whose name is written differently
// from what the file held, grouped by the old name's length so the scan of
// the rest of the file looks only at candidates that can match.
struct Renames
{
    struct Entry
    {
        std::string oldName;
        std::string newName;
    };
    std::array<std::vector<Entry>, kMaxString + 1> byLength;
    bool any = false;

    void Add(std::string oldName, std::string newName)
    {
        // An empty old name would match every zero byte of the file.
        if (oldName.empty())
            return;
        auto& bucket = byLength[oldName.size()];
        for (const auto& entry : bucket)
            if (entry.oldName == oldName)
                return; // the first team listed with that name wins
        bucket.push_back({std::move(oldName), std::move(newName)});
        any = true;
    }
};

GameStatus WriteHeader(const CGame& game, const HeaderLayout& header, Emitter& out, Renames& renames)
{
    ORBEK_TRY(out.Copy(0, 2 + 2 * header.ids.size()));
    for (int list = 0; list < 3; ++list) {
        const auto& names = game.NameList(static_cast<std::size_t>(list));
        const auto& spans = header.names[list];
        ORBEK_TRY(out.U16(static_cast<std::uint16_t>(spans.size())));
        for (std::size_t i = 0; i < spans.size(); ++i) {
            const std::uint16_t id = header.ids[i];
            const std::string& name = id < names.size() ? names[id] : std::string();
            if (list == 0) {
                std::string oldName = out.SourceText(spans[i]);
                if (oldName != name)
                    renames.Add(std::move(oldName), name);
            }
            ORBEK_TRY(out.String(name));
        }
    }
    return {};
}

// A player whose record is still the source's own bytes and whose names are
// as the source has them is copied along with his unchanged neighbours in
// one stretch, so an untouched file is written in a few large blocks.
bool AsInSource(const CPlayer& player, const PlayerEntryLayout& entry, const Emitter& out)
{
    return player.RecordData() == out.SourceAt(entry.RecordOffset()) && out.SourceHolds(entry.Given(), player.m_strGivenNames)
        && out.SourceHolds(entry.Family(), player.m_strFamilyName) && out.SourceHolds(entry.Initials(), player.m_strInitials);
}

GameStatus WritePlayers(const CGame& game, const GameFileLayout& layout, Emitter& out)
{
    std::size_t stretchStart = 0, stretchEnd = 0;
    for (const auto& entry : layout.players) {
        const CPlayer& player = *game.Player(entry.id);
        if (AsInSource(player, entry, out)) {
            if (stretchEnd != entry.offset) {
                ORBEK_TRY(out.Copy(stretchStart, stretchEnd));
                stretchStart = entry.offset;
            }
            stretchEnd = entry.End();
            continue;
        }
        ORBEK_TRY(out.Copy(stretchStart, stretchEnd));
        stretchStart = stretchEnd = 0;
        ORBEK_TRY(out.U16(entry.id));
        ORBEK_TRY(out.String(player.m_strGivenNames));
        ORBEK_TRY(out.String(player.m_strFamilyName));
        ORBEK_TRY(out.String(player.m_strInitials));
        ORBEK_TRY(out.Raw(player.RecordData(), PlayerLayout::kSize));
    }
    return out.Copy(stretchStart, stretchEnd);
}

GameStatus WriteTeamRecord(const CTeam& team, const TeamEntryLayout& entry, Emitter& out)
{
    ORBEK_TRY(out.Copy(entry.offset, entry.squadCountOffset)); // tag and id
    ORBEK_TRY(out.U16(team.m_wPlayerCount));
    for (std::size_t i = 0; i < team.m_wPlayerCount; ++i)
        ORBEK_TRY(out.U16(static_cast<std::uint16_t>(team.m_squad[i])));
    // The First XI keeps the count the file has; the ids come from the model.
    const auto count = static_cast<std::uint16_t>(entry.firstXI.size());
    ORBEK_TRY(out.U16(count));
    for (std::size_t i = 0; i < count; ++i)
        ORBEK_TRY(out.U16(static_cast<std::uint16_t>(team.m_firstXI[i])));
    ORBEK_TRY(out.Copy(entry.opaqueOffset, entry.recordOffset));
    ORBEK_TRY(out.Raw(team.m_teamRecord.data(), team.m_teamRecord.size()));
    return out.Copy(entry.recordOffset + TeamLayout::kSize, entry.end); // end word
}

// The rest of the file, with every string of an old team name replaced in
// one pass; the search goes on after each replaced string.
GameStatus WriteRest(std::span<const std::uint8_t> source, std::size_t start, const Renames& renames, Emitter& out)
{
    if (!renames.any)
        return out.Copy(start, source.size());
    const std::uint8_t* data = source.data();
    const std::size_t size = source.size();
    std::size_t pending = start;
    std::size_t pos = start;
    while (pos < size) {
        const auto& bucket = renames.byLength[data[pos]];
        const Renames::Entry* match = nullptr;
        if (!bucket.empty() && pos + 1 + data[pos] <= size) {
            for (const auto& entry : bucket) {
                if (std::memcmp(data + pos + 1, entry.oldName.data(), entry.oldName.size()) == 0) {
                    match = &entry;
                    break;
                }
            }
        }
        if (!match) {
            ++pos;
            continue;
        }
        ORBEK_TRY(out.Copy(pending, pos));
        ORBEK_TRY(out.String(match->newName));
        pos += 1 + match->oldName.size();
        pending = pos;
    }
    return out.Copy(pending, size);
}

// The game finds its players by scanning for "CrBowler" from the start,
// and a "C" consumes the seven bytes after it. A team name holding that
// text, or a "C" just before the marker, would hide the players from the
// game and from the editor, so the new header followed by the bytes up to
// the marker must still lead the scan to the marker.
GameStatus CheckHeaderKeepsPlayerMarker(const CGame& game, std::span<const std::uint8_t> source, const GameFileLayout& layout)
{
    struct MemorySink : ByteSink
    {
        std::vector<std::uint8_t> bytes;
        GameStatus Write(const void* data, std::size_t size) override
        {
            const auto* first = static_cast<const std::uint8_t*>(data);
            bytes.insert(bytes.end(), first, first + size);
            return {};
        }
    } header;
    Emitter out(source, header);
    Renames ignored;
    ORBEK_TRY(WriteHeader(game, layout.header, out, ignored));
    const std::size_t markerAt = header.bytes.size() + (layout.playerMarker - layout.header.end);
    header.bytes.insert(header.bytes.end(), source.begin() + static_cast<std::ptrdiff_t>(layout.header.end),
                        source.begin() + static_cast<std::ptrdiff_t>(layout.playerMarker + 8));
    if (GameFileFormat::ScanPlayerMarker(header.bytes) != markerAt)
        return GameStatus::Failure("The team names cannot be stored: a name holding \"CrBowler\", or a \"C\" at the "
                                   "end of the last names, would hide the list of players from the game. Nothing was written.");
    return {};
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

} // namespace

namespace GameFileWriter {

GameStatus CheckSource(const CGame& game, const GameFileLayout& source)
{
    static const char* const kChanged = "The file has changed on disk since it was loaded";
    if (source.players.size() != game.LoadedPlayerOrder().size())
        return GameStatus::Failure(std::string(kChanged) + ": it holds " + std::to_string(source.players.size())
            + " players instead of " + std::to_string(game.LoadedPlayerOrder().size()) + ". Nothing was written.");
    for (std::size_t i = 0; i < source.players.size(); ++i) {
        if (source.players[i].id != game.LoadedPlayerOrder()[i] || !game.Player(source.players[i].id))
            return GameStatus::Failure(std::string(kChanged) + ": its players are not the ones loaded. Nothing was written.");
    }
    std::size_t teams = 0;
    for (const auto& entry : source.teamEntries) {
        if (!entry.isTeam)
            continue;
        if (teams >= game.LoadedTeamOrder().size() || entry.id != game.LoadedTeamOrder()[teams] || !game.Team(entry.id))
            return GameStatus::Failure(std::string(kChanged) + ": its teams are not the ones loaded. Nothing was written.");
        ++teams;
    }
    if (teams != game.LoadedTeamOrder().size())
        return GameStatus::Failure(std::string(kChanged) + ": its teams are not the ones loaded. Nothing was written.");

    // What the file's strings can hold.
    for (const auto& entry : source.players) {
        const CPlayer& player = *game.Player(entry.id);
        for (const std::string* text : {&player.m_strGivenNames, &player.m_strFamilyName, &player.m_strInitials}) {
            if (text->size() > kMaxString)
                return GameStatus::Failure("The names of player " + std::to_string(entry.id)
                    + " are longer than the game can store (255 characters).");
        }
    }
    for (std::size_t list = 0; list < 3; ++list) {
        for (const auto& name : game.NameList(list)) {
            if (name.size() > kMaxString)
                return GameStatus::Failure("The team name " + Quoted(name.substr(0, 40))
                    + "... is longer than the game can store (255 characters).");
        }
    }
    return {};
}

GameStatus Write(const CGame& game, std::span<const std::uint8_t> source, const GameFileLayout& layout, ByteSink& sink)
{
    Emitter out(source, sink);
    Renames renames;
    if (layout.header.valid) {
        ORBEK_TRY(CheckHeaderKeepsPlayerMarker(game, source, layout));
        ORBEK_TRY(WriteHeader(game, layout.header, out, renames));
        ORBEK_TRY(out.Copy(layout.header.end, layout.playersStart));
    } else {
        ORBEK_TRY(out.Copy(0, layout.playersStart)); // no header the editor can read: kept as it is
    }
    ORBEK_TRY(WritePlayers(game, layout, out));
    if (!layout.teamMarker)
        return out.Copy(layout.playersEnd, source.size());
    ORBEK_TRY(out.Copy(layout.playersEnd, *layout.teamMarker + 6));
    for (const auto& entry : layout.teamEntries) {
        if (entry.isTeam)
            ORBEK_TRY(WriteTeamRecord(*game.Team(entry.id), entry, out));
        else
            ORBEK_TRY(out.Copy(entry.offset, entry.end));
    }
    // With fewer than 18 team records the rest begins with a team record cut
    // short; a renamed string could make it whole (and wrong) for the next
    // load, so that rest is kept as it stands.
    const auto teamRecords = std::count_if(layout.teamEntries.begin(), layout.teamEntries.end(),
                                           [](const TeamEntryLayout& entry) { return entry.isTeam; });
    if (teamRecords < kGameTeamCount)
        return out.Copy(layout.teamEntriesEnd, source.size());
    return WriteRest(source, layout.teamEntriesEnd, renames, out);
}

} // namespace GameFileWriter
