// main() of every benchmark program: runs the registered benchmarks quietly and prints the
// figure lines of Figures.h.

#include "Figures.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace zibbench {

namespace {

std::vector<Figure> &figures()
{
    static std::vector<Figure> all;
    return all;
}

struct Measure
{
    double realSeconds = 0; // per iteration
    std::map<std::string, double> counters;
};

class Collector : public benchmark::BenchmarkReporter
{
public:
    std::map<std::string, Measure> measures;

    bool ReportContext(const Context &) override { return true; }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.error_occurred) {
                std::fprintf(stderr, "%s: %s\n", run.benchmark_name().c_str(), run.error_message.c_str());
                continue;
            }
            std::fprintf(stderr, "run %s\n", run.benchmark_name().c_str());
            Measure m;
            const double iterations = run.iterations > 0 ? double(run.iterations) : 1.0;
            m.realSeconds = run.real_accumulated_time / iterations;
            for (const auto &c : run.counters)
                m.counters[c.first] = c.second.value;
            measures[run.benchmark_name()] = m;
        }
    }
};

double inUnit(double seconds, const std::string &unit)
{
    if (unit == "ns")
        return seconds * 1e9;
    if (unit == "us")
        return seconds * 1e6;
    if (unit == "ms")
        return seconds * 1e3;
    return seconds;
}

bool value(const Collector &c, const std::string &run, const std::string &counter,
           const std::string &unit, double *out)
{
    const auto it = c.measures.find(run);
    if (it == c.measures.end())
        return false;
    if (counter.empty()) {
        *out = inUnit(it->second.realSeconds, unit);
        return true;
    }
    const auto ct = it->second.counters.find(counter);
    if (ct == it->second.counters.end())
        return false;
    *out = ct->second;
    return true;
}

} // namespace

bool addFigure(const std::string &label, const std::string &run, const std::string &unit,
               const std::string &counter, const std::string &anchorLabel,
               const std::string &anchorRun, const std::string &anchorCounter)
{
    figures().push_back({label, run, unit, counter, anchorLabel, anchorRun, anchorCounter});
    return true;
}

} // namespace zibbench

int main(int argc, char **argv)
{
    using namespace zibbench;
    benchmark::Initialize(&argc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);

    int missing = 0;
    for (const Figure &f : figures()) {
        double ours = 0;
        if (!value(collector, f.run, f.counter, f.unit, &ours)) {
            std::fprintf(stderr, "no measure for %s (%s)\n", f.label.c_str(), f.run.c_str());
            ++missing;
            continue;
        }
        std::printf("%s: %.4g %s", f.label.c_str(), ours, f.unit.c_str());
        double anchor = 0;
        if (!f.anchorLabel.empty()) {
            if (value(collector, f.anchorRun, f.anchorCounter, f.unit, &anchor) && anchor > 0)
                std::printf("; %s: %.4g %s; ratio %.3f", f.anchorLabel.c_str(), anchor,
                            f.unit.c_str(), ours / anchor);
            else
                std::printf("; %s: unavailable", f.anchorLabel.c_str());
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    benchmark::Shutdown();
    return missing == 0 ? 0 : 1;
}
