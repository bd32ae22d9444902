#include "HeadlessProgram.h"
#include "ui/ExportCommand.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <utility>

namespace orvanta {
namespace {

// The whole command as the user waits for it: dialog settings, one title lookup per
// station, the bytes, and the write, sync and rename of the file. The output list runs
// against insertion order, so a lookup that walked the collection would cost the most here.
void BM_ExportOutputList(benchmark::State& state)
{
    const auto stations = static_cast<qint16>(state.range(0));
    Module1::reset();
    QTemporaryDir folder;
    testing::HeadlessProgram program;
    for (qint16 i = 0; i < stations; ++i) {
        const QString file = QStringLiteral("http://station%1.example.org:8000/stream").arg(i);
        Module1::Playlists().Add(1, file, QStringLiteral("Station number %1 - Jazz & Blues").arg(i), -1, file);
    }
    for (qint16 i = stations - 1; i >= 0; --i)
        program.lst_Output.AddItem(QStringLiteral("Station number %1 - Jazz & Blues").arg(i));

    for (auto _ : state) {
        program.chooser.answers = {folder.filePath(QStringLiteral("MyPlaylist.pls"))};
        btn_Export_Click(program.parts);
    }

    if (!program.messages.shown.isEmpty())
        state.SkipWithError("the export failed");
    // Seconds per station: the wall time of one export divided by its stations.
    state.counters["per_station"] =
        benchmark::Counter(stations, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    Module1::reset();
}

BENCHMARK(BM_ExportOutputList)
    ->Arg(1000)
    ->Arg(8000)
    ->Arg(ListBox::MaxItems)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvanta
