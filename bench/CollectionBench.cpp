#include "model/colPlaylist.h"

#include <QString>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>
#include <vector>

namespace orvanta {
namespace {

// Addresses and titles as the import reads them; each entry is keyed by its address.
struct Stations {
    std::vector<QString> files;
    std::vector<QString> titles;
};

Stations stationsOf(qsizetype count)
{
    Stations stations;
    for (qsizetype n = 1; n <= count; ++n) {
        stations.files.push_back(QStringLiteral("http://stream-%1.example.org:8000/live").arg(n));
        stations.titles.push_back(QStringLiteral("Station %1 - Jazz & Blues").arg(n));
    }
    return stations;
}

void addAll(colPlaylist& playlists, const Stations& stations)
{
    playlists.reserve(static_cast<qsizetype>(stations.files.size()));
    for (std::size_t i = 0; i < stations.files.size(); ++i)
        playlists.Add(1, stations.files[i], stations.titles[i], -1, stations.files[i]);
}

// Heap in use, large blocks (taken straight from the system) included.
std::size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Seconds per entry: the time of one iteration divided by the entries it handles.
benchmark::Counter perEntry(qsizetype entries)
{
    return benchmark::Counter(static_cast<double>(entries),
                              benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Adds into a reserved collection. bytes_per_entry is what the collection holds beyond
// the address and title strings, which it shares with the caller's.
void BM_CollectionAdd(benchmark::State& state)
{
    const qsizetype count = state.range(0);
    const Stations stations = stationsOf(count);
    std::size_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto playlists = std::make_unique<colPlaylist>();
        const std::size_t before = heapInUse();
        playlists->reserve(count);
        state.ResumeTiming();

        for (qsizetype i = 0; i < count; ++i)
            playlists->Add(1, stations.files[i], stations.titles[i], -1, stations.files[i]);

        state.PauseTiming();
        bytes = heapInUse() - before;
        playlists.reset();
        state.ResumeTiming();
    }
    state.counters["per_add"] = perEntry(count);
    state.counters["bytes_per_entry"] = benchmark::Counter(static_cast<double>(bytes) / static_cast<double>(count));
}

void BM_CollectionFind(benchmark::State& state)
{
    const qsizetype count = state.range(0);
    const Stations stations = stationsOf(count);
    colPlaylist playlists;
    addAll(playlists, stations);
    for (auto _ : state) {
        for (const QString& title : stations.titles)
            benchmark::DoNotOptimize(playlists.findPlaylist(title));
    }
    state.counters["per_find"] = perEntry(count);
}

// Every entry removed by its key, in insertion order, as the delete command removes a
// keyed station.
void BM_CollectionRemoveByKey(benchmark::State& state)
{
    const qsizetype count = state.range(0);
    const Stations stations = stationsOf(count);
    for (auto _ : state) {
        state.PauseTiming();
        auto playlists = std::make_unique<colPlaylist>();
        addAll(*playlists, stations);
        state.ResumeTiming();

        for (const QString& file : stations.files)
            playlists->Remove(file);

        state.PauseTiming();
        playlists.reset();
        state.ResumeTiming();
    }
    state.counters["per_remove"] = perEntry(count);
}

// Every entry removed by identity, in insertion order; the last holder lets go right
// after, as the edit dialog's OK does.
void BM_CollectionRemoveEntry(benchmark::State& state)
{
    const qsizetype count = state.range(0);
    const Stations stations = stationsOf(count);
    for (auto _ : state) {
        state.PauseTiming();
        auto playlists = std::make_unique<colPlaylist>();
        addAll(*playlists, stations);
        std::vector<PlaylistEntry> entries(playlists->begin(), playlists->end());
        state.ResumeTiming();

        for (PlaylistEntry& entry : entries) {
            playlists->RemoveEntry(entry);
            entry.reset();
        }

        state.PauseTiming();
        playlists.reset();
        state.ResumeTiming();
    }
    state.counters["per_remove"] = perEntry(count);
}

// 65,534 is both lists full: the memory figure that matters.
BENCHMARK(BM_CollectionAdd)->Arg(1000)->Arg(8000)->Arg(32767)->Arg(65534)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CollectionFind)->Arg(1000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CollectionRemoveByKey)->Arg(1000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CollectionRemoveEntry)->Arg(1000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace orvanta
