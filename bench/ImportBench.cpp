#include "HeadlessProgram.h"
#include "ui/ImportCommand.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace orvanta {
namespace {

enum Format { CrLfPls, LfPls, CrPls, M3u8, CrM3u, Xspf };
const char* const FileNames[] = {"Stations.pls",  "Published.pls", "Old Mac.pls",
                                 "Stations.m3u8", "Old Mac.m3u",   "Stations.xspf"};

// The generated stations in each form: as the export writes them (CR LF), as radio sites
// publish them (LF, numbered keys, no length lines), as an .m3u8 and as an .xspf; and the
// export and the .m3u8 with CR alone ending each line, as old Mac editors save.
QByteArray playlist(Format format, int stations)
{
    if (format == CrLfPls || format == CrPls) {
        const QByteArray bytes = testing::generatedPlaylist(stations);
        return format == CrPls ? QByteArray(bytes).replace("\r\n", "\r") : bytes;
    }
    const QStringList titles = testing::generatedTitles(stations);
    QByteArray bytes = "#EXTM3U\n";
    if (format == LfPls)
        bytes = "[playlist]\nNumberOfEntries=" + QByteArray::number(stations) + '\n';
    else if (format == Xspf)
        bytes = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                "<playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\">\n  <trackList>\n";
    for (int i = 0; i < stations; ++i) {
        const QByteArray file = QStringLiteral("http://stream-%1.example.org:8000/live").arg(i + 1).toUtf8();
        QByteArray title = titles[i].toUtf8();
        const QByteArray number = QByteArray::number(i + 1);
        if (format == LfPls)
            bytes += "File" + number + '=' + file + "\nTitle" + number + '=' + title + '\n';
        else if (format == M3u8 || format == CrM3u)
            bytes += "#EXTINF:-1," + title + '\n' + file + '\n';
        else
            bytes += "    <track>\n      <location>" + file + "</location>\n      <title>" + title.replace("&", "&amp;")
                     + "</title>\n    </track>\n";
    }
    if (format == CrM3u)
        bytes.replace('\n', '\r');
    return bytes + (format == Xspf ? "  </trackList>\n</playlist>\n" : "");
}

// The whole command into empty lists, from the file dialog to the message: loading,
// decoding, reading, and per station the title check, the collection's Add and the list's
// AddItem. Fails unless the import takes `stations` and says nothing, or takes none and says so.
void importRepeatedly(benchmark::State& state, const QString& path, int stations)
{
    bool asExpected = !path.isNull();
    for (auto _ : state) {
        state.PauseTiming();
        Module1::reset();
        auto program = std::make_unique<testing::HeadlessProgram>();
        program->chooser.answers = {path};
        state.ResumeTiming();

        btn_Import_Click(program->parts);

        state.PauseTiming();
        asExpected = asExpected && program->lst_Import.ListCount() == stations
                     && program->messages.shown.isEmpty() == (stations > 0);
        program.reset();
        Module1::reset();
        state.ResumeTiming();
    }
    if (!asExpected)
        state.SkipWithError("the import did not take what the file holds");
}

// Arguments: stations, format.
void BM_ImportPlaylist(benchmark::State& state)
{
    const auto stations = static_cast<int>(state.range(0));
    const auto format = static_cast<Format>(state.range(1));
    QTemporaryDir folder;
    importRepeatedly(state, testing::writeFile(folder.filePath(FileNames[format]), playlist(format, stations)),
                     stations);
    state.SetLabel(FileNames[format]);
    // Seconds per station: the time of one import divided by its stations.
    state.counters["per_station"] =
        benchmark::Counter(stations, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_ImportPlaylist)
    ->ArgsProduct({{1000, 8000, ListBox::MaxItems}, {CrLfPls, LfPls, CrPls, M3u8, CrM3u, Xspf}})
    ->Unit(benchmark::kMillisecond);

// The largest file read, 32 MiB, of nothing but line ends: CR alone (argument 1) or CR LF (0).
void BM_ImportLineEndsOnly(benchmark::State& state)
{
    const QByteArray lineEnd = state.range(0) ? "\r" : "\r\n";
    QTemporaryDir folder;
    importRepeatedly(
        state, testing::writeFile(folder.filePath("Blank.pls"), lineEnd.repeated(32 * 1024 * 1024 / lineEnd.size())),
        0);
    state.SetLabel(state.range(0) ? "CR" : "CR LF");
}

BENCHMARK(BM_ImportLineEndsOnly)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvanta
