// The players table on the largest file the format allows (65,535
// players), offscreen: filling the table, re-filtering as the filter text
// changes, sorting by each column, and a batch salary change of every
// player with its undo while the tree and the table follow it.
#include "BenchInputs.h"
#include "document/CGameDocument.h"
#include "gamedata/PlayerBatch.h"
#include "playerstable/CPlayersPanel.h"
#include "playerstable/PlayersFilter.h"
#include "playerstable/PlayersTableColumns.h"
#include "tree/CTeamView.h"

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxFileInput = 1; // benchinputs::All(): max-65535.db

// The loaded game with the views that follow it, as the editor has them.
struct Editor
{
    CGameDocument document;
    std::unique_ptr<CTeamView> tree;
    std::unique_ptr<CPlayersPanel> panel;

    Editor()
    {
        static const fs::path folder = fs::temp_directory_path() / "orbek-bench-inputs";
        fs::create_directories(folder);
        const fs::path path = benchinputs::Write(benchinputs::All().at(kMaxFileInput), folder);
        if (!document.Load(QString::fromStdString(path.string())))
            return;
        tree = std::make_unique<CTeamView>(document, nullptr);
        tree->show();
        ShowPanel();
    }

    void ShowPanel()
    {
        panel = std::make_unique<CPlayersPanel>(document);
        panel->resize(1200, 400);
        panel->show();
        QApplication::processEvents();
    }

    PlayersFilter& Filter() const { return *qobject_cast<PlayersFilter*>(panel->Table()->model()); }
};

// Made on first use, and dropped before the application object goes.
std::unique_ptr<Editor> g_editor;

Editor& Shared()
{
    if (!g_editor)
        g_editor = std::make_unique<Editor>();
    return *g_editor;
}

bool LoadedOrSkip(benchmark::State& state)
{
    if (Shared().document.Game().IsLoaded())
        return true;
    state.SkipWithError("the input does not load");
    return false;
}

// A new panel over the loaded game until its table is shown.
void FillTable(benchmark::State& state)
{
    if (!LoadedOrSkip(state))
        return;
    for (auto _ : state)
        Shared().ShowPanel();
    state.counters["rows"] = Shared().panel->Table()->model()->rowCount();
}
BENCHMARK(FillTable)->Unit(benchmark::kMillisecond);

// One more letter of a name typed into "Filter:", then the next name.
void RefilterByText(benchmark::State& state)
{
    if (!LoadedOrSkip(state))
        return;
    const QString texts[] = {QStringLiteral("s"), QStringLiteral("sm"), QStringLiteral("smi"), QString()};
    std::size_t step = 0;
    PlayersFilterCriteria criteria;
    for (auto _ : state) {
        criteria.text = texts[step++ % std::size(texts)];
        Shared().Filter().SetCriteria(criteria);
        QApplication::processEvents();
    }
    Shared().Filter().SetCriteria({});
}
BENCHMARK(RefilterByText)->Unit(benchmark::kMillisecond);

// A click on the header of column `range(0)` after another column was sorted.
void SortByColumn(benchmark::State& state)
{
    if (!LoadedOrSkip(state))
        return;
    QTableView& table = *Shared().panel->Table();
    const int column = static_cast<int>(state.range(0));
    const int other = column == 0 ? 1 : 0;
    for (auto _ : state) {
        state.PauseTiming();
        table.sortByColumn(other, Qt::AscendingOrder);
        QApplication::processEvents();
        state.ResumeTiming();
        table.sortByColumn(column, Qt::AscendingOrder);
        QApplication::processEvents();
    }
    state.SetLabel(table.model()->headerData(column, Qt::Horizontal).toString().toStdString());
}
BENCHMARK(SortByColumn)->DenseRange(0, PlayersTableColumns::Count() - 1)->Unit(benchmark::kMillisecond);

std::vector<std::uint32_t> EveryPlayer()
{
    std::vector<std::uint32_t> ids;
    for (const CPlayer* player : Shared().document.Game().Players())
        ids.push_back(player->m_nId);
    return ids;
}

// Every salary at 10,000 first (kept as a step of its own), so that
// x 110 % fits every player of the generated file.
std::vector<std::uint32_t> EveryPlayerAtOneSalary()
{
    std::vector<std::uint32_t> ids = EveryPlayer();
    Shared().document.Edit(QStringLiteral("Set Salary"), [&ids](GameEdit& edit) {
        return PlayerBatch::SetField(edit, ids, "salary", PlayerBatch::Operation::Set, 10000);
    });
    QApplication::processEvents();
    return ids;
}

bool SalaryTimes110(benchmark::State& state, const std::vector<std::uint32_t>& ids)
{
    const GameStatus status = Shared().document.Edit(QStringLiteral("Set Salary"), [&ids](GameEdit& edit) {
        return PlayerBatch::SetField(edit, ids, "salary", PlayerBatch::Operation::MultiplyPercent, 110);
    });
    QApplication::processEvents();
    if (!status)
        state.SkipWithError(status.message().c_str());
    return static_cast<bool>(status);
}

// "Set Salary of 65535 players", x 110 %; each undone untimed.
void BatchSalaryEveryPlayer(benchmark::State& state)
{
    if (!LoadedOrSkip(state))
        return;
    const std::vector<std::uint32_t> ids = EveryPlayerAtOneSalary();
    for (auto _ : state) {
        if (!SalaryTimes110(state, ids))
            break;
        state.PauseTiming();
        Shared().document.History().undo();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BatchSalaryEveryPlayer)->Unit(benchmark::kMillisecond);

// The undo of that step, made untimed each time.
void UndoBatchSalary(benchmark::State& state)
{
    if (!LoadedOrSkip(state))
        return;
    const std::vector<std::uint32_t> ids = EveryPlayerAtOneSalary();
    for (auto _ : state) {
        state.PauseTiming();
        if (!SalaryTimes110(state, ids))
            break;
        state.ResumeTiming();
        Shared().document.History().undo();
        QApplication::processEvents();
    }
}
BENCHMARK(UndoBatchSalary)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_editor.reset();
    return 0;
}
