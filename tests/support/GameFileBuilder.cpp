#include "GameFileBuilder.h"

#include "LittleEndian.h"

#include <fstream>
#include <stdexcept>

namespace testgame {
namespace {

class ByteSink
{
public:
    explicit ByteSink(std::vector<std::uint8_t>& out) : m_out(out) {}

    std::size_t Offset() const { return m_out.size(); }
    void U16(std::uint16_t v) { le::Append(m_out, v); }
    void Count(std::size_t n)
    {
        if (n > 0xFFFF)
            throw std::length_error("a list count must fit in 16 bits");
        U16(static_cast<std::uint16_t>(n));
    }
    template <typename Bytes>
    void Raw(const Bytes& bytes)
    {
        for (auto b : bytes)
            m_out.push_back(static_cast<std::uint8_t>(b));
    }
    void Text(const char* text)
    {
        while (*text)
            m_out.push_back(static_cast<std::uint8_t>(*text++));
    }
    void String(const std::string& bytes)
    {
        if (bytes.size() > 255)
            throw std::length_error("a game string holds at most 255 bytes");
        m_out.push_back(static_cast<std::uint8_t>(bytes.size()));
        Raw(bytes);
    }

private:
    std::vector<std::uint8_t>& m_out;
};

void WriteHeader(const HeaderDescription& header, ByteSink& out, BuiltGame& built)
{
    out.Count(header.ids.size());
    for (auto id : header.ids)
        out.U16(id);
    for (std::size_t list = 0; list < 3; ++list) {
        out.Count(header.names[list].size());
        for (const auto& name : header.names[list])
            out.String(name);
    }
    built.headerEnd = out.Offset();
}

void WritePlayers(const std::vector<PlayerDescription>& players, ByteSink& out, BuiltGame& built)
{
    for (std::size_t i = 0; i < players.size(); ++i) {
        const auto& player = players[i];
        out.U16(player.id);
        out.String(player.givenNames);
        out.String(player.familyName);
        out.String(player.initials);
        BuiltEntry at{out.Offset()};
        auto record = player.record;
        const bool last = i + 1 == players.size();
        le::Put(record, layout::kNextTag, player.nextTag.value_or(last ? std::uint16_t{0} : layout::kMorePlayers));
        out.Raw(record);
        at.end = out.Offset();
        built.players.push_back(at);
    }
}

BuiltEntry WriteTeamRecord(const TeamRecordDescription& team, ByteSink& out)
{
    out.U16(layout::kTeamTag);
    out.U16(team.id);
    out.Count(team.squad.size());
    for (auto id : team.squad)
        out.U16(id);
    out.Count(team.firstXI.size());
    for (auto id : team.firstXI)
        out.U16(id);
    out.Raw(team.opaque);
    out.Count(team.itemList1.size());
    for (const auto& item : team.itemList1)
        out.Raw(item);
    out.Count(team.itemList2.size());
    for (const auto& item : team.itemList2)
        out.Raw(item);
    out.Count(team.stringList1.size());
    for (const auto& s : team.stringList1)
        out.String(s);
    out.Count(team.stringList2.size());
    for (const auto& s : team.stringList2)
        out.String(s);
    BuiltEntry at{out.Offset()};
    out.Raw(team.record);
    out.U16(team.endWord);
    at.end = out.Offset();
    return at;
}

BuiltEntry WriteOtherEntry(const OtherEntryDescription& entry, std::uint16_t lastEndWord, ByteSink& out)
{
    if (entry.tag == layout::kTeamTag)
        throw std::invalid_argument("an entry with tag 1 is a team record");
    out.U16(entry.tag);
    for (auto word : entry.words)
        out.U16(word);
    BuiltEntry at{out.Offset()};
    if (entry.writeTerminator)
        out.U16(entry.terminator.value_or(lastEndWord));
    at.end = out.Offset();
    return at;
}

} // namespace

BuiltGame Build(const GameDescription& game)
{
    BuiltGame built;
    ByteSink out(built.bytes);
    WriteHeader(game.header, out, built);

    out.Raw(game.beforePlayerMarker);
    built.playerMarker = out.Offset();
    if (game.writePlayerMarker) {
        out.Text(layout::kPlayerMarker);
        out.Raw(game.playerMarkerTail);
    }
    built.playersStart = out.Offset();
    WritePlayers(game.players, out, built);
    built.playersEnd = out.Offset();

    out.Raw(game.beforeTeamMarker);
    built.teamMarker = out.Offset();
    if (game.writeTeamMarker)
        out.Text(layout::kTeamMarker);

    std::uint16_t lastEndWord = 0; // before any team record
    for (const auto& entry : game.teamEntries) {
        if (const auto* team = std::get_if<TeamRecordDescription>(&entry)) {
            built.teamEntries.push_back(WriteTeamRecord(*team, out));
            lastEndWord = team->endWord;
        } else {
            built.teamEntries.push_back(WriteOtherEntry(std::get<OtherEntryDescription>(entry), lastEndWord, out));
        }
    }

    built.restStart = out.Offset();
    for (const auto& item : game.rest) {
        if (item.isString)
            out.String(item.bytes);
        else
            out.Raw(item.bytes);
    }
    return built;
}

void WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read " + path.string());
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

BuiltGame WriteGame(const GameDescription& game, const std::filesystem::path& path)
{
    BuiltGame built = Build(game);
    WriteFileBytes(path, built.bytes);
    return built;
}

} // namespace testgame
