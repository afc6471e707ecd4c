// Fuzz target: load, edit, undo and redo, save, load again. The input is an
// 8-byte edit seed followed by the bytes of a game file. When the file
// loads, a few random edits are made, then undone and redone at random; the
// model must be the one after the edits still applied (with all undone, an
// unmodified game that saves as the unedited game does). The game is saved
// to another file, which must load again into exactly the model that was
// saved; the loaded file itself must not change.
#include "CGame.h"
#include "GameFileLayout.h"
#include "ModelSnapshot.h"
#include "RandomEdits.h"
#include "ScratchFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

constexpr std::size_t kSeedBytes = 8;
constexpr const char* kRefusedTeamNames = "The team names cannot be stored";

[[noreturn]] void Broken(const std::string& what, const std::vector<std::string>& edits)
{
    std::fprintf(stderr, "round-trip fuzzer: %s\nedits made:\n", what.c_str());
    for (const auto& edit : edits)
        std::fprintf(stderr, "  %s\n", edit.c_str());
    std::abort();
}

std::vector<std::uint8_t> FileContents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kSeedBytes)
        return 0;
    std::uint64_t seed = 0;
    std::memcpy(&seed, data, kSeedBytes);
    const std::span<const std::uint8_t> file(data + kSeedBytes, size - kSeedBytes);

    static const std::string source = fuzzfiles::ScratchPath("roundtrip-in.db");
    static const std::string target = fuzzfiles::ScratchPath("roundtrip-out.db");
    fuzzfiles::WriteBytes(source, file);
    std::remove(target.c_str());

    CGame game;
    if (!game.LoadGameFile(source))
        return 0;
    GameFileLayout layout;
    if (!GameFileFormat::Parse(file, layout))
        Broken("a file that loads does not parse", {});
    const std::array<std::size_t, 3> listLengths
        = {layout.header.names[0].size(), layout.header.names[1].size(), layout.header.names[2].size()};

    testgame::Rng rng(seed);
    std::vector<std::string> edits;
    std::vector<GameUndoRecord> steps;
    for (auto& edit : ApplyRandomEdits(game, layout.header.ids, rng)) {
        edits.push_back(edit.what);
        if (!edit.record.Empty())
            steps.push_back(std::move(edit.record));
    }
    // The expected model after each number of applied steps, taken while undoing them all.
    auto expectedNow = [&] { return ExpectedAfterReload(game, layout.header.ids, listLengths); };
    std::vector<ModelSnapshot> after(steps.size() + 1);
    after.back() = expectedNow();
    for (std::size_t applied = steps.size(); applied > 0; --applied) {
        if (!steps[applied - 1].Undo(game))
            Broken("an undo was refused", edits);
        after[applied - 1] = expectedNow();
    }
    if (game.IsModified())
        Broken("undoing every edit left the game modified", edits);
    std::size_t applied = 0;
    for (int moves = steps.empty() ? 0 : rng.Between(0, 12); moves > 0; --moves) {
        const bool redo = applied < steps.size() && (applied == 0 || rng.Between(0, 2) > 0);
        const bool ok = redo ? steps[applied++].Redo(game) : steps[--applied].Undo(game);
        if (!ok)
            Broken("an undo or redo was refused", edits);
        if (const std::string difference = FirstDifference(after[applied], expectedNow()); !difference.empty())
            Broken("after " + std::to_string(applied) + " redone edits the model differs: " + difference, edits);
    }
    edits.push_back(std::to_string(applied) + " of " + std::to_string(steps.size()) + " edits applied at the save");
    const ModelSnapshot& expected = after[applied];

    const GameStatus saved = game.SaveGameFile(target);
    if (FileContents(source) != std::vector<std::uint8_t>(file.begin(), file.end()))
        Broken("saving to another file changed the loaded file", edits);
    if (!saved) {
        // The one refusal random edits may earn: team names that would hide
        // the player marker from the game's scan.
        if (!saved.message().starts_with(kRefusedTeamNames))
            Broken("the save failed: " + saved.message(), edits);
        if (std::ifstream(target).good())
            Broken("a refused save created its target", edits);
        return 0;
    }

    if (applied == 0) {
        static const std::string pristineTarget = fuzzfiles::ScratchPath("roundtrip-pristine.db");
        CGame pristine;
        if (!pristine.LoadGameFile(source) || !pristine.SaveGameFile(pristineTarget))
            Broken("the unedited game does not save as the undone one did", edits);
        if (FileContents(pristineTarget) != FileContents(target))
            Broken("undoing every edit saves other bytes than the unedited game", edits);
    }

    CGame reread;
    if (const GameStatus status = reread.LoadGameFile(target); !status)
        Broken("the saved file does not load: " + status.message(), edits);
    if (const std::string difference = FirstDifference(expected, TakeSnapshot(reread)); !difference.empty())
        Broken("the saved file reads back differently: " + difference, edits);
    return 0;
}
