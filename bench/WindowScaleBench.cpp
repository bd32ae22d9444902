#include "CpuTime.h"
#include "HeadlessProgram.h"
#include "ui/ListBox.h"
#include "ui/ListCommands.h"
#include "ui/Module1.h"
#include "ui/qt/PlayListMainWindow.h"

#include <QCoreApplication>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QUndoStack>

#include <benchmark/benchmark.h>

#include <array>
#include <utility>

#include <malloc.h>
#include <sys/resource.h>

namespace orvanta {
namespace {

using bench::cpuSecondsOf;
using bench::settle;

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The floor: a QListWidget alone, shown at the size of lst_Import, taking the same titles
// in one addItems. Nothing can show N titles for less.
class FloorList {
public:
    explicit FloorList(QSize size)
    {
        m_list.setUniformItemSizes(true);
        m_list.resize(size);
        m_list.show();
        settle();
    }
    double cpuSecondsToHold(const QStringList& titles)
    {
        return cpuSecondsOf([&] { m_list.addItems(titles); });
    }

private:
    QListWidget m_list;
};

// The peak memory of the whole process so far.
benchmark::Counter peakMemory()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    // ru_maxrss is in KiB.
    return benchmark::Counter(static_cast<double>(usage.ru_maxrss) * 1024, benchmark::Counter::kDefaults,
                              benchmark::Counter::kIs1024);
}

enum Step { Import, AddAll, RemoveAll, AddAllAgain, Export, ExportFixed, Floor, StepCount };

// The road of a typical use on the real window, shown offscreen, for N stations: import
// a playlist, ">>", "<<", ">>" again, export. Each step's counter is its CPU time per
// station in seconds (printed with a prefix: u for micro, n for nano); the export's less
// its fixed cost (the dialog, opening, syncing and renaming the file), which an export of
// the empty list measures and export_fixed gives per export. import/floor relates the
// import to the floor of showing the same titles.
void BM_WindowRoad(benchmark::State& state)
{
    const auto stations = static_cast<int>(state.range(0));
    QTemporaryDir folder;
    const QString playlistPath = folder.filePath(QStringLiteral("Stations.pls"));
    const QString exportPath = folder.filePath(QStringLiteral("MyPlaylist.pls"));
    const QByteArray playlist = testing::generatedPlaylist(stations);
    if (testing::writeFile(playlistPath, playlist).isNull()) {
        state.SkipWithError("cannot write the playlist");
        return;
    }
    const QStringList titles = testing::generatedTitles(stations);
    testing::ScriptedChooser chooser;
    std::array<double, StepCount> seconds{};
    bool roadHeld = true;

    for (auto _ : state) {
        Module1::reset();
        // Every iteration starts the way a new program does. Without this, the blocks the
        // last iteration freed (some 10^5) would be sorted out by glibc at the first large
        // allocation, inside the import, or be reused warm by whichever step came first.
        malloc_trim(0);
        chooser.answers = {playlistPath, exportPath, exportPath};
        PlayListMainWindow window(chooser);
        window.show();
        settle();
        const MainWindowControls& controls = window.controls();
        ListBox& lst_Import = window.parts().lst_Import;
        ListBox& lst_Output = window.parts().lst_Output;
        const auto holds = [&](int inImport, int inOutput) {
            return lst_Import.ListCount() == inImport && lst_Output.ListCount() == inOutput;
        };
        // Measured beside the import, and kept until the iteration ends, so that neither
        // takes over memory the other has just let go.
        FloorList floor(controls.lst_Import->size());
        seconds[Floor] += floor.cpuSecondsToHold(titles);

        seconds[Import] += cpuSecondsOf([&] { controls.btn_Import->click(); });
        roadHeld = roadHeld && holds(stations, 0);
        seconds[AddAll] += cpuSecondsOf([&] { controls.btn_AllAdd->click(); });
        roadHeld = roadHeld && holds(0, stations);
        seconds[RemoveAll] += cpuSecondsOf([&] { controls.btn_AllRem->click(); });
        roadHeld = roadHeld && holds(stations, 0);
        seconds[AddAllAgain] += cpuSecondsOf([&] { controls.btn_AllAdd->click(); });
        roadHeld = roadHeld && holds(0, stations);
        seconds[Export] += cpuSecondsOf([&] { controls.btn_Export->click(); });
        // The stations went round in their order, so the export gives the playlist back.
        roadHeld = roadHeld && readFile(exportPath) == playlist;
        controls.btn_AllRem->click();
        settle();
        seconds[ExportFixed] += cpuSecondsOf([&] { controls.btn_Export->click(); });
    }
    Module1::reset();

    if (!roadHeld)
        state.SkipWithError("a step did not leave the lists or the file as expected");
    const double runs = static_cast<double>(state.iterations());
    const auto perStation = [&](Step step) { return benchmark::Counter(seconds[step] / runs / stations); };
    state.counters["import"] = perStation(Import);
    state.counters["add_all"] = perStation(AddAll);
    state.counters["rem_all"] = perStation(RemoveAll);
    state.counters["add_again"] = perStation(AddAllAgain);
    state.counters["export"] = benchmark::Counter((seconds[Export] - seconds[ExportFixed]) / runs / stations);
    state.counters["export_fixed"] = benchmark::Counter(seconds[ExportFixed] / runs);
    state.counters["floor"] = perStation(Floor);
    state.counters["import/floor"] = benchmark::Counter(seconds[Import] / seconds[Floor]);
}

// Both lists full: a first playlist of 32,767 stations moved to lst_Output, a second of
// 32,767 other stations in lst_Import: 65,534 stations held. With an argument of 48, 48
// rounds of ">>" and "<<" of all the first playlist's stations come before, and a reorder
// after: 100 steps on the undo stack in all. Its peak_rss counter is the peak of the whole
// process so far, so run each alone (or under /usr/bin/time -v) for the figure that belongs
// to it.
void BM_BothListsFull(benchmark::State& state)
{
    const auto rounds = static_cast<int>(state.range(0));
    constexpr int full = ListBox::MaxItems;
    QTemporaryDir folder;
    const QString firstPath = folder.filePath(QStringLiteral("First.pls"));
    const QString secondPath = folder.filePath(QStringLiteral("Second.pls"));
    if (testing::writeFile(firstPath, testing::generatedPlaylist(full)).isNull()
        || testing::writeFile(secondPath, testing::generatedPlaylist(full, full + 1)).isNull()) {
        state.SkipWithError("cannot write the playlists");
        return;
    }
    testing::ScriptedChooser chooser;
    bool bothFull = true;

    for (auto _ : state) {
        Module1::reset();
        chooser.answers = {firstPath, secondPath};
        PlayListMainWindow window(chooser);
        window.show();
        settle();
        const MainWindowControls& controls = window.controls();
        const auto click = [](QPushButton* button) {
            button->click();
            settle();
        };
        click(controls.btn_Import);
        for (int round = 0; round < rounds; ++round) {
            click(controls.btn_AllAdd);
            click(controls.btn_AllRem);
        }
        click(controls.btn_AllAdd);
        click(controls.btn_Import);
        if (rounds > 0) {
            window.parts().lst_Output.Select(0);
            moveOutputStation(window.parts(), full - 1);
            settle();
        }
        bothFull = bothFull && window.parts().lst_Import.ListCount() == full
                   && window.parts().lst_Output.ListCount() == full
                   && window.undoStack().count() == (rounds > 0 ? 2 * rounds + 4 : 3);
    }
    Module1::reset();
    if (!bothFull)
        state.SkipWithError("the lists are not both full");
    state.counters["peak_rss"] = peakMemory();
}

constexpr int SmallList = 1000;
constexpr int MediumList = 8000;
constexpr int FullList = ListBox::MaxItems;

BENCHMARK(BM_WindowRoad)->Arg(SmallList)->Arg(MediumList)->Arg(FullList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BothListsFull)->Arg(0)->Arg(48)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvanta
