// In-process benchmarks of the core's steps (Google Benchmark), to find
// where the time of a whole-process run goes: reading, parsing, building
// the model, writing. The inputs are made once into the temporary folder
// (orbek-bench-inputs) and reused.
#include "BenchInputs.h"
#include "CGame.h"
#include "FileIO.h"
#include "GameEdit.h"
#include "GameFileLayout.h"
#include "TeamEdit.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <new>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace fs = std::filesystem;

namespace {

fs::path InputPath(std::size_t index)
{
    static const fs::path folder = fs::temp_directory_path() / "orbek-bench-inputs";
    fs::create_directories(folder);
    return benchinputs::Write(benchinputs::All().at(index), folder);
}

// Loads the input untimed; a file that does not load ends the benchmark.
bool LoadOrSkip(CGame& game, const fs::path& path, benchmark::State& state)
{
    if (game.LoadGameFile(path.string()))
        return true;
    state.SkipWithError("the input does not load");
    return false;
}

void SetLabel(benchmark::State& state, const fs::path& path)
{
    state.SetLabel(path.filename().string());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fs::file_size(path)));
}

// The least a private copy of the file can cost: memory of the file's
// size (page-aligned, not zeroed), filled by one read and freed again. The
// load below does this and builds the model; scripts/bench.sh checks the
// ratio of the two.
void ReadIntoOneBuffer(benchmark::State& state)
{
    const auto path = InputPath(static_cast<std::size_t>(state.range(0)));
    const auto size = static_cast<std::size_t>(fs::file_size(path));
    constexpr std::align_val_t kPage{4096};
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.string().c_str(), "rb");
        auto* buffer = static_cast<std::uint8_t*>(::operator new[](size, kPage));
        const bool whole = file && std::fread(buffer, 1, size, file) == size;
        if (file)
            std::fclose(file);
        benchmark::DoNotOptimize(buffer);
        ::operator delete[](buffer, kPage);
        if (!whole) {
            state.SkipWithError("the input cannot be read");
            return;
        }
    }
    SetLabel(state, path);
}

void Parse(benchmark::State& state)
{
    const auto path = InputPath(static_cast<std::size_t>(state.range(0)));
    std::vector<std::uint8_t> data;
    FileIO::ReadWholeFile(path.string(), data);
    for (auto _ : state) {
        GameFileLayout layout;
        benchmark::DoNotOptimize(GameFileFormat::Parse(data, layout));
    }
    SetLabel(state, path);
}

// A whole load into a game that is then dropped, as one orbek-cli command
// does it.
void Load(benchmark::State& state)
{
    const auto path = InputPath(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        CGame game;
        benchmark::DoNotOptimize(game.LoadGameFile(path.string()));
    }
    SetLabel(state, path);
}

// Save As of a freshly loaded game, optionally with every team renamed
// (which makes the writer rewrite the names throughout the rest of the
// file). Only the save is timed.
void Save(benchmark::State& state, bool renameTeams)
{
    const auto path = InputPath(static_cast<std::size_t>(state.range(0)));
    const auto out = fs::temp_directory_path() / "orbek-bench-save.db";
    for (auto _ : state) {
        state.PauseTiming();
        CGame game;
        if (!LoadOrSkip(game, path, state))
            return;
        if (renameTeams) {
            for (const auto id : game.LoadedTeamOrder()) {
                auto names = TeamEdit::GetNames(*game.Team(id));
                names.name += " Renamed";
                TeamEdit::SetNames(game, id, names);
            }
        }
        state.ResumeTiming();
        if (!game.SaveGameFile(out.string())) {
            state.SkipWithError("the save failed");
            return;
        }
    }
    fs::remove(out);
    SetLabel(state, path);
}

void SaveUnchanged(benchmark::State& state) { Save(state, false); }
void SaveWithRenamedTeams(benchmark::State& state) { Save(state, true); }

// One edit that changes every player's contract, its undo and its redo, on
// the largest file. Only the step named is timed; the counters compare the
// undo record's memory with the bytes of the player records it touched.
enum class EditStep { Edit, Undo, Redo };

GameUndoRecord EditEveryPlayer(CGame& game)
{
    GameEdit edit(game);
    for (const auto id : game.LoadedPlayerOrder()) {
        CPlayer& player = *edit.Player(id);
        player.SetU32(PlayerLayout::nContract, (player.U32(PlayerLayout::nContract) + 1) % 100);
    }
    edit.MarkChangedModified();
    return edit.Commit("Contracts");
}

void EveryPlayer(benchmark::State& state, EditStep step)
{
    const auto path = InputPath(1);
    GameUndoRecord record;
    for (auto _ : state) {
        state.PauseTiming();
        CGame game;
        if (!LoadOrSkip(game, path, state))
            return;
        if (step != EditStep::Edit)
            record = EditEveryPlayer(game);
        if (step == EditStep::Redo)
            record.Undo(game);
        state.ResumeTiming();
        switch (step) {
        case EditStep::Edit: record = EditEveryPlayer(game); break;
        case EditStep::Undo: record.Undo(game); break;
        case EditStep::Redo: record.Redo(game); break;
        }
        state.PauseTiming(); // the game's release is not part of the step
        record = {};
        game.FreeGameData();
        state.ResumeTiming();
    }
    CGame game;
    game.LoadGameFile(path.string());
    record = EditEveryPlayer(game);
    state.counters["players"] = static_cast<double>(record.Players().size());
    state.counters["record_bytes"] = static_cast<double>(record.MemoryBytes());
    state.counters["touched_record_bytes"] = static_cast<double>(record.Players().size() * PlayerLayout::kSize);
    state.SetLabel(path.filename().string());
}

void EditAllPlayers(benchmark::State& state) { EveryPlayer(state, EditStep::Edit); }
void UndoAllPlayers(benchmark::State& state) { EveryPlayer(state, EditStep::Undo); }
void RedoAllPlayers(benchmark::State& state) { EveryPlayer(state, EditStep::Redo); }

} // namespace

// 0 = demo game, 1 = 65,535 players, 2 = 10,000 team names in the rest.
BENCHMARK(ReadIntoOneBuffer)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(Parse)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(Load)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveUnchanged)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveWithRenamedTeams)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(EditAllPlayers)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(UndoAllPlayers)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(RedoAllPlayers)->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char** argv)
{
#ifdef __GLIBC__
    // A file-sized buffer is fresh memory in a new process. glibc would
    // otherwise raise its threshold for mapping large blocks after the first
    // one is freed and hand later ones back warm, so that some steps run on
    // reused memory and others not, depending on what ran before.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
