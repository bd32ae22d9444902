#include "HeadlessProgram.h"
#include "ui/ListCommands.h"
#include "ui/qt/PlayListMainWindow.h"

#include <QCoreApplication>
#include <QListView>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace orvanta {
namespace {

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
    static void settle() { QCoreApplication::processEvents(); }

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
        window.lst_Import.select(middle);
        btn_DelI_Click(window.parts);
        state.PauseTiming();
        window.lst_Import.AddItem(title);
        Module1::Playlists().Add(1, title, title, -1, title);
        state.ResumeTiming();
    }
    Module1::reset();
}

void BM_DeleteFromFullList_Qt(benchmark::State& state)
{
    Module1::reset();
    ShownWindow window;
    ListBox& lst_Import = window->parts().lst_Import;
    fillWithTitles(lst_Import, ListBox::MaxItems);
    for (qint16 i = 0; i < ListBox::MaxItems; ++i)
        Module1::Playlists().Add(1, titleNumber(i), titleNumber(i), -1, titleNumber(i));
    Module1::setListFocus(Module1::ImportListFocus);
    ShownWindow::settle();
    constexpr qint16 middle = ListBox::MaxItems / 2;
    for (auto _ : state) {
        const QString title = lst_Import.List(middle);
        QListView* const list = window->controls().lst_Import;
        list->setCurrentIndex(list->model()->index(middle, 0));
        window->controls().btn_DelI->click();
        ShownWindow::settle();
        state.PauseTiming();
        lst_Import.AddItem(title);
        Module1::Playlists().Add(1, title, title, -1, title);
        ShownWindow::settle();
        state.ResumeTiming();
    }
    Module1::reset();
}

constexpr int SmallList = 1000;
constexpr int MediumList = 8000;
constexpr int FullList = ListBox::MaxItems;

BENCHMARK(BM_MoveAllThereAndBack_Headless)->Arg(SmallList)->Arg(MediumList)->Arg(FullList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveAllThereAndBack_Qt)->Arg(SmallList)->Arg(MediumList)->Arg(FullList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteFromFullList_Headless)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeleteFromFullList_Qt)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace orvanta
