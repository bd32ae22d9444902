#include "HeadlessProgram.h"
#include "ui/ImportCommand.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace orvanta {
namespace {

// The whole command into empty lists: loading, decoding, line mode, and per station the
// title check, the collection's Add and the list's AddItem.
void BM_ImportExportedPlaylist(benchmark::State& state)
{
    const auto stations = static_cast<int>(state.range(0));
    QTemporaryDir folder;
    const QString path =
        testing::writeFile(folder.filePath(QStringLiteral("Stations.pls")), testing::generatedPlaylist(stations));
    bool allImported = !path.isNull();

    for (auto _ : state) {
        state.PauseTiming();
        Module1::reset();
        auto program = std::make_unique<testing::HeadlessProgram>();
        program->chooser.answers = {path};
        state.ResumeTiming();

        btn_Import_Click(program->parts);

        state.PauseTiming();
        allImported = allImported && program->lst_Import.ListCount() == stations && program->messages.shown.isEmpty();
        program.reset();
        Module1::reset();
        state.ResumeTiming();
    }

    if (!allImported)
        state.SkipWithError("the import did not take every station");
    // Seconds per station: the time of one import divided by its stations.
    state.counters["per_station"] =
        benchmark::Counter(stations, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_ImportExportedPlaylist)->Arg(1000)->Arg(8000)->Arg(ListBox::MaxItems)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvanta
