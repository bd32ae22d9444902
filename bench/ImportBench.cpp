#include "BenchSupport.h"
#include "ui/ImportCommand.h"
#include "ui/MemoryListBox.h"
#include "ui/Module1.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <utility>

namespace orvanta {
namespace {

// The whole command into empty lists: loading, decoding, line mode, and per station the
// title check, the collection's Add and the list's AddItem.
void BM_ImportExportedPlaylist(benchmark::State& state)
{
    const auto stations = static_cast<int>(state.range(0));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Stations.pls"));
    if (!bench::writeFile(path, bench::exportedPlaylist(stations))) {
        state.SkipWithError("cannot write the playlist");
        return;
    }
    bench::FixedPathChooser chooser(path);
    CommonDialog CommDL(chooser);
    bench::MessageFlag duplicate;
    bench::AlwaysEnabledWindow window;
    bool allImported = true;

    for (auto _ : state) {
        state.PauseTiming();
        Module1::reset();
        auto lst_Import = std::make_unique<MemoryListBox>();
        MemoryListBox lst_Output;
        MainWindowParts parts{*lst_Import, lst_Output, CommDL, duplicate, window, QLocale::c()};
        state.ResumeTiming();

        btn_Import_Click(parts);

        state.PauseTiming();
        allImported = allImported && lst_Import->ListCount() == stations;
        lst_Import.reset();
        Module1::reset();
        state.ResumeTiming();
    }

    if (duplicate.raised || !allImported)
        state.SkipWithError("the import did not take every station");
    // Seconds per station: the time of one import divided by its stations.
    state.counters["per_station"] =
        benchmark::Counter(stations, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_ImportExportedPlaylist)->Arg(1000)->Arg(8000)->Arg(ListBox::MaxItems)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvanta
