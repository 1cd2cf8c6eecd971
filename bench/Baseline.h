#pragma once
// Benchmarks that measure their subject against a natural baseline in the same run: the
// iterations time the subject (the benchmark's reported time) and, interleaved with it, the
// baseline, so both see the same load on the machine. The counters give the baseline's median
// and the ratio of the medians.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench {

template <typename Work>
double Seconds(Work&& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// For benchmarks registered with UseManualTime().
template <typename Subject, typename Baseline>
void MeasureAgainst(benchmark::State& state, Subject&& subject, Baseline&& baseline)
{
    std::vector<double> subjectTimes;
    std::vector<double> baselineTimes;
    double subjectTotal = 0;
    double baselineTotal = 0;
    for (auto _ : state) {
        subjectTimes.push_back(Seconds(subject));
        state.SetIterationTime(subjectTimes.back());
        subjectTotal += subjectTimes.back();
        // A baseline far slower than its subject runs only as often as keeps the two level.
        if (baselineTotal <= subjectTotal) {
            baselineTimes.push_back(Seconds(baseline));
            baselineTotal += baselineTimes.back();
        }
    }
    const double baselineMedian = Median(baselineTimes);
    state.counters["baseline_ms"] = baselineMedian * 1e3;
    state.counters["median_ms"] = Median(subjectTimes) * 1e3;
    state.counters["ratio"] = baselineMedian > 0 ? Median(subjectTimes) / baselineMedian : 0;
}

// For benchmarks without a baseline: the median of the iterations beside the mean.
template <typename Subject>
void Measure(benchmark::State& state, Subject&& subject)
{
    std::vector<double> times;
    for (auto _ : state) {
        times.push_back(Seconds(subject));
        state.SetIterationTime(times.back());
    }
    state.counters["median_ms"] = Median(times) * 1e3;
}

}  // namespace bench
