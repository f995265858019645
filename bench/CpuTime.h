#ifndef BENCH_CPUTIME_H
#define BENCH_CPUTIME_H

// Timing of short operations on a machine that may be busy: each benchmark iteration times a
// batch on this thread's CPU clock (time spent descheduled does not count) and reports the time of
// one operation. Register such benchmarks with UseManualTime() and repetitions, and name the
// median in the figure (see median()).

#include <benchmark/benchmark.h>

#include <ctime>
#include <string>

namespace zibbench {

inline double threadSeconds()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

/// Runs operation() batch times per iteration and reports the CPU time of one.
template <class Operation>
void timeBatches(benchmark::State &state, int batch, Operation operation)
{
    for (auto _ : state) {
        const double start = threadSeconds();
        for (int i = 0; i < batch; ++i)
            operation();
        state.SetIterationTime((threadSeconds() - start) / batch);
    }
}

/// The run name of the median of a benchmark registered with MinTime(0.05), Repetitions(9),
/// UseManualTime() and ReportAggregatesOnly(true).
inline std::string median(const std::string &run)
{
    return run + "/min_time:0.050/repeats:9/manual_time_median";
}

} // namespace zibbench

#endif
