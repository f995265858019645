#ifndef BENCH_FIGURES_H
#define BENCH_FIGURES_H

// The figures a benchmark program prints, one line each:
//   <figure>: <ours> <unit>; <anchor>: <value> <unit>; ratio <ours/anchor>
// Example: ZIB_FIGURE("forward N=1024", "BM_Fft/1024", "us", "", "FFTW", "BM_Fftw/1024");
// A figure names the Google Benchmark run that measures it (by its full run name, for example
// "BM_Fft/1024") and, optionally, the run that measures its anchor in the same process.
// The value is the real time per iteration in the figure's unit, or a user counter when one is
// named.

#include <string>
#include <vector>

namespace zibbench {

struct Figure
{
    std::string label;
    std::string run;
    std::string unit;            // "ns", "us", "ms", "s", or the counter's own unit
    std::string counter;         // empty: real time per iteration
    std::string anchorLabel;     // empty: no anchor
    std::string anchorRun;
    std::string anchorCounter;
};

/// Registers a figure; returns true so it can initialise a static.
bool addFigure(const std::string &label, const std::string &run, const std::string &unit,
               const std::string &counter = {}, const std::string &anchorLabel = {},
               const std::string &anchorRun = {}, const std::string &anchorCounter = {});

} // namespace zibbench

#define ZIB_BENCH_CAT2(a, b) a##b
#define ZIB_BENCH_CAT(a, b) ZIB_BENCH_CAT2(a, b)
#define ZIB_FIGURE(...) \
    static const bool ZIB_BENCH_CAT(zibFigure_, __LINE__) = zibbench::addFigure(__VA_ARGS__)

#endif
