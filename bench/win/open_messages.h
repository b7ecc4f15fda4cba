// Counting the messages a thread's windows receive while something opens: where the time goes.
#pragma once

#include <windows.h>

#include <benchmark/benchmark.h>

namespace bench_support {

struct OpenMessages {
    double Paints = 0, FramePaints = 0, Erases = 0, Moves = 0, FrameCalcs = 0;
};

// While it lives, counts the calling thread's paints (as taken from the queue), frame paints,
// erases, moves and frame calculations into `Counted`.
class OpenMessageCounter {
public:
    OpenMessageCounter();
    ~OpenMessageCounter();
    OpenMessageCounter(const OpenMessageCounter&) = delete;
    OpenMessageCounter& operator=(const OpenMessageCounter&) = delete;
    static OpenMessages Counted;
    // The counts as the benchmark's counters, per iteration.
    static void Report(benchmark::State& state);

private:
    HHOOK sent_ = nullptr;
    HHOOK posted_ = nullptr;
};

}  // namespace bench_support
