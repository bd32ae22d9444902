#pragma once

// How the window benchmarks time a step: the CPU time of this thread, the event loop run
// after the step included.

#include <QCoreApplication>

#include <ctime>

namespace orvanta::bench {

// What the event loop does after a click. An item view lays its rows out from a zero
// timer and that layout posts the repaint, which only the second pass paints; the third
// is a margin.
inline void settle()
{
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents();
}

// CPU time of this thread: the work itself, less sensitive than the wall clock to the
// other programs sharing the machine. Everything the window does runs on this thread.
inline double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// One step, and the event loop after it, in CPU seconds.
template <typename Action>
double cpuSecondsOf(Action&& action)
{
    const double start = threadCpuSeconds();
    action();
    settle();
    return threadCpuSeconds() - start;
}

} // namespace orvanta::bench
