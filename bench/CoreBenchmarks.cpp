// In-process benchmarks of the core's steps (Google Benchmark), to find
// where the time of a whole-process run goes: reading, parsing, building
// the model, writing. The inputs are made once into the temporary folder
// (orbek-bench-inputs) and reused.
#include "BenchInputs.h"
#include "CGame.h"
#include "FileIO.h"
#include "GameFileLayout.h"
#include "TeamEdit.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

fs::path InputPath(std::size_t index)
{
    static const fs::path folder = fs::temp_directory_path() / "orbek-bench-inputs";
    fs::create_directories(folder);
    return benchinputs::Write(benchinputs::All().at(index), folder);
}

void SetLabel(benchmark::State& state, const fs::path& path)
{
    state.SetLabel(path.filename().string());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fs::file_size(path)));
}

void ReadWholeFile(benchmark::State& state)
{
    const auto path = InputPath(static_cast<std::size_t>(state.range(0)));
    std::vector<std::uint8_t> data;
    for (auto _ : state)
        benchmark::DoNotOptimize(FileIO::ReadWholeFile(path.string(), data));
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

// The editor reads a private copy; orbek-cli maps the file.
void Load(benchmark::State& state, FileBytes::Access access)
{
    const auto path = InputPath(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        CGame game;
        game.SetSourceAccess(access);
        benchmark::DoNotOptimize(game.LoadGameFile(path.string()));
    }
    SetLabel(state, path);
}

void LoadRead(benchmark::State& state) { Load(state, FileBytes::Access::Read); }
void LoadMapped(benchmark::State& state) { Load(state, FileBytes::Access::Map); }

// Save As of a freshly loaded game (as orbek-cli loads it), optionally with
// every team renamed (which makes the writer rewrite the names throughout
// the rest of the file). Only the save is timed.
void Save(benchmark::State& state, bool renameTeams)
{
    const auto path = InputPath(static_cast<std::size_t>(state.range(0)));
    const auto out = fs::temp_directory_path() / "orbek-bench-save.db";
    for (auto _ : state) {
        state.PauseTiming();
        CGame game;
        game.SetSourceAccess(FileBytes::Access::Map);
        if (!game.LoadGameFile(path.string())) {
            state.SkipWithError("the input does not load");
            return;
        }
        if (renameTeams) {
            for (const auto id : game.m_loadedTeamOrder) {
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

} // namespace

// 0 = demo game, 1 = 65,535 players, 2 = 10,000 team names in the rest.
BENCHMARK(ReadWholeFile)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(Parse)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadRead)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadMapped)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveUnchanged)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveWithRenamedTeams)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
