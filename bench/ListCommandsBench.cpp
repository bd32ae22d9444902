#include "CpuTime.h"
#include "HeadlessProgram.h"
#include "ui/ListCommands.h"
#include "ui/qt/PlayListMainWindow.h"

#include <QCoreApplication>
#include <QDialog>
#include <QListView>
#include <QPushButton>
#include <QUndoStack>

#include <benchmark/benchmark.h>

namespace orvanta {
namespace {

using bench::cpuSecondsOf;
using testing::HeadlessProgram;

QString titleNumber(qint16 i)
{
    return QStringLiteral("Station %1").arg(i);
}

void fillWithTitles(ListBox& list, qint16 count)
{
    for (qint16 i = 0; i < count; ++i)
        list.AddItem(titleNumber(i));
}

// Seconds per title: the time of one iteration divided by the titles it handles.
benchmark::Counter perTitle(qint16 titles)
{
    return benchmark::Counter(titles, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The window as the user has it: shown, with its pending layout and paint done.
class ShownWindow {
public:
    ShownWindow()
    {
        m_window.show();
        settle();
    }
    PlayListMainWindow& operator*() { return m_window; }
    PlayListMainWindow* operator->() { return &m_window; }

    // What the event loop does after a click: the deferred layout and the repaint
    // belong to the command's cost.
    static void settle() { bench::settle(); }

private:
    PlayListMainWindow m_window;
};

// One ">>" and the "<<" that brings every title back.
void BM_MoveAllThereAndBack_Headless(benchmark::State& state)
{
    const auto titles = static_cast<qint16>(state.range(0));
    HeadlessProgram window;
    fillWithTitles(window.lst_Import, titles);
    for (auto _ : state) {
        btn_AllAdd_Click(window.parts);
        btn_AllRem_Click(window.parts);
    }
    state.counters["per_title"] = perTitle(titles);
}

void BM_MoveAllThereAndBack_Qt(benchmark::State& state)
{
    const auto titles = static_cast<qint16>(state.range(0));
    ShownWindow window;
    fillWithTitles(window->parts().lst_Import, titles);
    ShownWindow::settle();
    for (auto _ : state) {
        window->controls().btn_AllAdd->click();
        ShownWindow::settle();
        window->controls().btn_AllRem->click();
        ShownWindow::settle();
    }
    state.counters["per_title"] = perTitle(titles);
}

// Deleting the middle item of a full import list, one station at a time; the deleted
// station and its title are put back outside the timing so every delete meets a full list.
void BM_DeleteFromFullList_Headless(benchmark::State& state)
{
    Module1::reset();
    HeadlessProgram window;
    fillWithTitles(window.lst_Import, ListBox::MaxItems);
    for (qint16 i = 0; i < ListBox::MaxItems; ++i)
        Module1::Playlists().Add(1, titleNumber(i), titleNumber(i), -1, titleNumber(i));
    Module1::setListFocus(Module1::ImportListFocus);
    constexpr qint16 middle = ListBox::MaxItems / 2;
    for (auto _ : state) {
        const QString title = window.lst_Import.List(middle);
        window.lst_Import.Select(middle);
        btn_DelI_Click(window.parts);
        state.PauseTiming();
        window.lst_Import.AddItem(title);
        Module1::Playlists().Add(1, title, title, -1, title);
        state.ResumeTiming();
    }
    Module1::reset();
}

// Each single command on the real window with both lists nearly full (32,766 stations in
// each, so that a title can still move either way), the event loop run after it: its CPU
// time in seconds per command, in the counters add, rem, del and edit_ok.
void BM_SingleCommandsBothListsFull_Qt(benchmark::State& state)
{
    constexpr qint16 inEach = ListBox::MaxItems - 1;
    constexpr qint16 middle = inEach / 2;
    Module1::reset();
    ShownWindow window;
    MainWindowParts& parts = window->parts();
    const MainWindowControls& controls = window->controls();
    for (int i = 0; i < 2 * inEach; ++i) {
        const QString title = QStringLiteral("Station %1").arg(i);
        Module1::Playlists().Add(1, title, title, -1, title);
        (i < inEach ? parts.lst_Import : parts.lst_Output).AddItem(title);
    }
    ShownWindow::settle();
    const auto select = [](QListView* list, int row) { list->setCurrentIndex(list->model()->index(row, 0)); };
    auto* dialog = window->findChild<QDialog*>(QStringLiteral("frm_Edit"));
    enum Step { Add, Rem, Del, EditOk, StepCount };
    double seconds[StepCount] = {};
    for (auto _ : state) {
        select(controls.lst_Import, middle);
        seconds[Add] += cpuSecondsOf([&] { controls.btn_Add->click(); });
        select(controls.lst_Output, inEach);
        seconds[Rem] += cpuSecondsOf([&] { controls.btn_Rem->click(); });
        select(controls.lst_Import, middle);
        Module1::setListFocus(Module1::ImportListFocus);
        const QString deleted = parts.lst_Import.List(middle);
        seconds[Del] += cpuSecondsOf([&] { controls.btn_DelI->click(); });
        parts.lst_Import.AddItem(deleted);
        Module1::Playlists().Add(1, deleted, deleted, -1, deleted);
        select(controls.lst_Import, middle);
        emit controls.lst_Import->doubleClicked(controls.lst_Import->currentIndex());
        ShownWindow::settle();
        seconds[EditOk] += cpuSecondsOf([&] { dialog->findChild<QPushButton*>(QStringLiteral("btn_OK"))->click(); });
    }
    Module1::reset();
    const double runs = static_cast<double>(state.iterations());
    const char* names[StepCount] = {"add", "rem", "del", "edit_ok"};
    for (int step = 0; step < StepCount; ++step)
        state.counters[names[step]] = benchmark::Counter(seconds[step] / runs);
}

// ">>" and "<<" of a full list, a reorder across a full lst_Output beside a full lst_Import,
// and the undo of each, on the real window with the event loop run after each: CPU seconds
// per command in the counters add_all, undo_add_all, rem_all, undo_rem_all, reorder and
// undo_reorder.
void BM_UndoFullLists_Qt(benchmark::State& state)
{
    constexpr qint16 full = ListBox::MaxItems;
    Module1::reset();
    ShownWindow window;
    MainWindowParts& parts = window->parts();
    const MainWindowControls& controls = window->controls();
    QUndoStack& stack = window->undoStack();
    fillWithTitles(parts.lst_Import, full);
    ShownWindow::settle();
    enum Step { AddAll, UndoAddAll, RemAll, UndoRemAll, Reorder, UndoReorder, StepCount };
    double seconds[StepCount] = {};
    for (auto _ : state) {
        seconds[AddAll] += cpuSecondsOf([&] { controls.btn_AllAdd->click(); });
        seconds[UndoAddAll] += cpuSecondsOf([&] { stack.undo(); });
        stack.redo();
        seconds[RemAll] += cpuSecondsOf([&] { controls.btn_AllRem->click(); });
        seconds[UndoRemAll] += cpuSecondsOf([&] { stack.undo(); });
        // Both lists full: the import list takes other titles while the output list is full.
        parts.lst_Import.AddItems(QStringList(full, QStringLiteral("Other station")));
        parts.lst_Output.Select(0);
        ShownWindow::settle();
        seconds[Reorder] += cpuSecondsOf([&] { moveOutputStation(parts, full - 1); });
        seconds[UndoReorder] += cpuSecondsOf([&] { stack.undo(); });
        parts.lst_Import.RemoveItems(0, full);
        stack.undo();
        stack.clear();
        ShownWindow::settle();
    }
    Module1::reset();
    const double runs = static_cast<double>(state.iterations());
    const char* names[StepCount] = {"add_all", "undo_add_all", "rem_all", "undo_rem_all", "reorder", "undo_reorder"};
    for (int step = 0; step < StepCount; ++step)
        state.counters[names[step]] = benchmark::Counter(seconds[step] / runs);
}

constexpr int SmallList = 1000;
constexpr int MediumList = 8000;
constexpr int FullList = ListBox::MaxItems;

BENCHMARK(BM_MoveAllThereAndBack_Headless)
    ->Arg(SmallList)
    ->Arg(MediumList)
    ->Arg(FullList)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveAllThereAndBack_Qt)->Arg(SmallList)->Arg(MediumList)->Arg(FullList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteFromFullList_Headless)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SingleCommandsBothListsFull_Qt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoFullLists_Qt)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvanta
