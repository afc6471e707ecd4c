// diff A B: two game files compared player by player and team by team, one
// line per differing field, then the parts of the files that no record
// holds. Exit 0 when nothing differs, 1 otherwise.
#include "Commands.h"
#include "FileIO.h"
#include "GameFileLayout.h"
#include "GameSession.h"
#include "RecordDiff.h"
#include "RecordLayout.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>

namespace {

struct DiffOptions
{
    std::string fileA;
    std::string fileB;
};

// A loaded game with the bytes and layout of its file.
struct LoadedFile
{
    CGame game;
    std::vector<std::uint8_t> data;
    GameFileLayout layout;
};

bool LoadFile(const std::string& path, LoadedFile& file, CommandContext& ctx)
{
    if (!GameSession::Load(file.game, path, ctx))
        return false;
    GameStatus status = FileIO::ReadWholeFile(path, file.data);
    if (status)
        status = GameFileFormat::Parse(file.data, file.layout);
    if (!status) {
        ctx.Fail(GameSession::WithPath(path, status.message()));
        return false;
    }
    return true;
}

using Bytes = std::vector<std::uint8_t>;

Bytes Slice(const Bytes& data, std::size_t from, std::size_t to)
{
    from = std::min(from, data.size());
    to = std::clamp(to, from, data.size());
    return Bytes(data.begin() + static_cast<std::ptrdiff_t>(from), data.begin() + static_cast<std::ptrdiff_t>(to));
}

// The parts of a file that the player and team records do not hold, by name.
std::vector<std::pair<std::string, Bytes>> UnownedParts(const LoadedFile& file)
{
    const auto& data = file.data;
    const auto& layout = file.layout;
    std::vector<std::pair<std::string, Bytes>> parts;
    parts.emplace_back("the team ids and names at the start of the file", Slice(data, 0, layout.header.end));
    parts.emplace_back("the bytes before the player records", Slice(data, layout.header.end, layout.playersStart));
    const std::size_t teamStart = layout.teamMarker ? *layout.teamMarker + 6 : data.size();
    parts.emplace_back("the bytes between the player records and the team list", Slice(data, layout.playersEnd, teamStart));
    Bytes others, opaque;
    for (const auto& entry : layout.teamEntries) {
        if (!entry.isTeam) {
            const Bytes bytes = Slice(data, entry.offset, entry.end);
            others.insert(others.end(), bytes.begin(), bytes.end());
        } else {
            Bytes bytes = Slice(data, entry.opaqueOffset, entry.recordOffset);
            opaque.insert(opaque.end(), bytes.begin(), bytes.end());
            bytes = Slice(data, entry.recordOffset + TeamLayout::kSize, entry.end);
            opaque.insert(opaque.end(), bytes.begin(), bytes.end());
        }
    }
    parts.emplace_back("the entries of the team list that are not team records", std::move(others));
    parts.emplace_back("the parts of the team records the editor does not name", std::move(opaque));
    parts.emplace_back("the rest of the file after the team list",
        Slice(data, layout.teamMarker ? layout.teamEntriesEnd : data.size(), data.size()));
    return parts;
}

std::vector<std::string> Compare(const LoadedFile& a, const LoadedFile& b)
{
    std::vector<std::string> lines = RecordDiff::Games(a.game, b.game);
    const auto partsA = UnownedParts(a);
    const auto partsB = UnownedParts(b);
    for (std::size_t i = 0; i < partsA.size(); ++i) {
        if (partsA[i].second != partsB[i].second)
            lines.push_back("file: bytes differ in " + partsA[i].first);
    }
    return lines;
}

void RunDiff(const DiffOptions& options, CommandContext& ctx)
{
    auto a = std::make_unique<LoadedFile>();
    auto b = std::make_unique<LoadedFile>();
    if (!LoadFile(options.fileA, *a, ctx) || !LoadFile(options.fileB, *b, ctx))
        return;
    const auto lines = Compare(*a, *b);
    for (const auto& line : lines)
        ctx.out << line << "\n";
    if (!lines.empty())
        ctx.exitCode = ExitCode::kFailed;
}

} // namespace

void AddDiffCommand(CLI::App& app, CommandContext& ctx)
{
    auto options = std::make_shared<DiffOptions>();
    CLI::App* command = app.add_subcommand("diff",
        "Compare two game files player by player and team by team; exit 1 when they differ");
    command->add_option("A", options->fileA, "first game file")->required();
    command->add_option("B", options->fileB, "second game file")->required();
    command->callback([options, &ctx] { RunDiff(*options, ctx); });
}
