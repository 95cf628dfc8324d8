// The desk's core on its hot paths: what one timer tick, one arrival check and
// one section painter cost, with no toolkit behind them. The desk model has a
// listener as the desk window gives it, so every change is also reported.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <new>

#include "desk/pul.h"

// Every allocation of the benchmark program is counted, so that each benchmark
// reports how many its operation makes (the desk's hot paths make none).
namespace {
std::int64_t allocations = 0;
}  // namespace

// The replacements pair malloc with free themselves; the compiler cannot see that
// every pointer freed here came from the operator new below.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace zormia {
namespace {

// Reports the allocations made since `before` per iteration of `state`.
void reportAllocations(benchmark::State& state, std::int64_t before) {
    state.counters["allocs/op"] = benchmark::Counter(static_cast<double>(allocations - before),
                                                     benchmark::Counter::kAvgIterations);
}

struct BenchDesk {
    TimerService timers;
    Pul pul{timers, nullptr};
    std::int64_t changes = 0;
    BenchDesk() {
        pul.model().setListener([this](ElementId) { ++changes; });
    }
};

// One tick of Timer5 with two route programs on it: C to D and G to track 2. The
// counter runs through steps 1 to 17, the part both programs share before either
// ends, so the ticks paint sections red and back as a real run does.
void Timer5TickTwoPrograms(benchmark::State& state) {
    BenchDesk d;
    d.pul.pc = true;
    d.pul.pgc = true;
    d.pul.in.poz = true;  // the arrival supervision watches the route from G
    const std::int64_t before = allocations;
    for (auto _ : state) {
        if (d.pul.step5 >= 17) d.pul.step5 = 0;
        d.pul.Timer5Timer();
        benchmark::DoNotOptimize(d.pul.step5);
    }
    reportAllocations(state, before);
    if (!d.pul.pc || !d.pul.pgc) state.SkipWithError("a program ended");
    state.counters["changes/tick"] =
        benchmark::Counter(static_cast<double>(d.changes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(Timer5TickTwoPrograms);

// One pass of the arrival supervision, cycling a train through ITG and ITD.
void UpdateArrivalState(benchmark::State& state) {
    BenchDesk d;
    d.pul.in.poz = true;
    d.pul.ALed2.setOn(true);
    static constexpr struct {
        bool itg, itd;
    } kSections[] = {{true, false}, {true, true}, {false, true}, {false, false}};
    std::size_t i = 0;
    const std::int64_t before = allocations;
    for (auto _ : state) {
        d.pul.occITG = kSections[i].itg;
        d.pul.occITD = kSections[i].itd;
        if (++i == std::size(kSections)) {
            i = 0;
            d.pul.arrivalState = 0;
        }
        d.pul.UpdateArrivalState();
        benchmark::DoNotOptimize(d.pul.arrivalState);
    }
    reportAllocations(state, before);
}
BENCHMARK(UpdateArrivalState);

// One call of the painter of the longest section (ITH, six tiles), alternating
// red and yellow so that every call changes every tile.
void PaintSection(benchmark::State& state) {
    BenchDesk d;
    bool red = false;
    const std::int64_t before = allocations;
    for (auto _ : state) {
        red = !red;
        d.pul.PaintITH(red ? 'c' : 'z');
        benchmark::DoNotOptimize(d.pul.occITH);
    }
    reportAllocations(state, before);
}
BENCHMARK(PaintSection);

}  // namespace
}  // namespace zormia
