#include "HeadlessProgram.h"
#include "ui/ImportCommand.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace orvanta {
namespace {

enum Format { CrLfPls, LfPls, M3u8, Xspf };
const char* const FileNames[] = {"Stations.pls", "Published.pls", "Stations.m3u8", "Stations.xspf"};

// The generated stations in each form: as the export writes them (CR LF), as radio sites
// publish them (LF, numbered keys, no length lines), as an .m3u8 and as an .xspf.
QByteArray playlist(Format format, int stations)
{
    if (format == CrLfPls)
        return testing::generatedPlaylist(stations);
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
        else if (format == M3u8)
            bytes += "#EXTINF:-1," + title + '\n' + file + '\n';
        else
            bytes += "    <track>\n      <location>" + file + "</location>\n      <title>" + title.replace("&", "&amp;")
                     + "</title>\n    </track>\n";
    }
    return bytes + (format == Xspf ? "  </trackList>\n</playlist>\n" : "");
}

// The whole command into empty lists: loading, decoding, reading, and per station the title
// check, the collection's Add and the list's AddItem. Arguments: stations, format.
void BM_ImportPlaylist(benchmark::State& state)
{
    const auto stations = static_cast<int>(state.range(0));
    const auto format = static_cast<Format>(state.range(1));
    QTemporaryDir folder;
    const QString path = testing::writeFile(folder.filePath(FileNames[format]), playlist(format, stations));
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
    state.SetLabel(FileNames[format]);
    // Seconds per station: the time of one import divided by its stations.
    state.counters["per_station"] =
        benchmark::Counter(stations, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_ImportPlaylist)
    ->ArgsProduct({{1000, 8000, ListBox::MaxItems}, {CrLfPls, LfPls, M3u8, Xspf}})
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvanta
