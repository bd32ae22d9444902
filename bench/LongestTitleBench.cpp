#include "CpuTime.h"
#include "HeadlessProgram.h"
#include "pls/PlaylistReader.h"
#include "ui/qt/PlayListMainWindow.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace orvanta {
namespace {

using bench::cpuSecondsOf;

// The longest title a station may have, in a station among ordinary ones, through every
// command the user can give it on the real window: each counter is one step's time in
// seconds, the window repainted after it.
void BM_LongestTitle(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString longest(MaxValueLength, u'W');
    const QString path = testing::writeFile(
        folder.filePath("long.pls"), testing::generatedPlaylist(20) + testing::stationBlock("http://long/", longest));
    testing::ScriptedChooser chooser;
    enum Step { Import, Select, Add, RemoveAll, Edit, Ok, StepCount };
    double seconds[StepCount] = {};
    bool held = true;
    for (auto _ : state) {
        Module1::reset();
        chooser.answers = {path};
        PlayListMainWindow window(chooser);
        window.show();
        cpuSecondsOf([] {});
        const MainWindowControls& controls = window.controls();
        ListBox& lst_Import = window.parts().lst_Import;
        auto* dialog = window.findChild<QDialog*>(QStringLiteral("frm_Edit"));
        auto* view = window.findChild<QAbstractItemView*>(QStringLiteral("lst_Import"));
        const auto selectLast = [&] { view->setCurrentIndex(view->model()->index(lst_Import.ListCount() - 1, 0)); };
        seconds[Import] += cpuSecondsOf([&] { controls.btn_Import->click(); });
        seconds[Select] += cpuSecondsOf(selectLast);
        seconds[Add] += cpuSecondsOf([&] { controls.btn_Add->click(); });
        seconds[RemoveAll] += cpuSecondsOf([&] { controls.btn_AllRem->click(); });
        selectLast();
        seconds[Edit] += cpuSecondsOf([&] { emit view->doubleClicked(view->currentIndex()); });
        seconds[Ok] += cpuSecondsOf([&] { dialog->findChild<QPushButton*>(QStringLiteral("btn_OK"))->click(); });
        held = held && lst_Import.ListCount() == 21 && lst_Import.List(20) == longest;
    }
    Module1::reset();
    if (!held)
        state.SkipWithError("the long title did not go round");
    const double runs = static_cast<double>(state.iterations());
    const char* names[StepCount] = {"import", "select", "add", "rem_all", "edit", "ok"};
    for (int step = 0; step < StepCount; ++step)
        state.counters[names[step]] = benchmark::Counter(seconds[step] / runs);
}

BENCHMARK(BM_LongestTitle)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvanta
