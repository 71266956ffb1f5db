#pragma once

#include <QString>

#include <functional>

namespace vorkast::bench {

// One measured line: our time, the time of the same work done directly, peak memory.
struct Result {
    double oursMs = 0;
    double rawMs = 0;
    long peakMb = 0;  // the process's peak when our part ended; 0: the peak at the end
};

// The process's peak resident memory so far, in MB.
long peakMegabytes();

// A measure runs in a process of its own (so its peak memory is its own) over the
// databases that `generate` made in `dir`.
using MeasureFn = std::function<Result(const QString &dir)>;
using GenerateFn = std::function<void(const QString &dir)>;

// Registers a measure; use from a static object in the measure's own source file.
struct Register {
    Register(const char *name, MeasureFn measure);
};

// Registers a generator step run by "vorkast-bench generate DIR", in name order.
struct RegisterGenerator {
    RegisterGenerator(const char *name, GenerateFn generate);
};

// Milliseconds taken by `work`, the best of `repeats` runs.
double bestOf(int repeats, const std::function<void()> &work);

} // namespace vorkast::bench
