// Cost of dispatching an event through a three-level state hierarchy,
// next to a hand-written switch as the floor.
#include <benchmark/benchmark.h>

#include "kernel/hsm.h"

namespace {

constexpr Signal SIG_HANDLED_AT_TOP_LEVEL = 60;
constexpr Signal SIG_HANDLED_AT_LEAF = 61;
int counter = 0;

StateResult Outer(Hsm*, const Event* e) {
  if (e->sig == SIG_HANDLED_AT_TOP_LEVEL) {
    ++counter;
    return nullptr;
  }
  return &HSM_Top;
}

StateResult Middle(Hsm*, const Event*) { return &Outer; }

StateResult Leaf(Hsm*, const Event* e) {
  if (e->sig == SIG_HANDLED_AT_LEAF) {
    ++counter;
    return nullptr;
  }
  return &Middle;
}

void BM_DispatchHandledByLeaf(benchmark::State& state) {
  Hsm machine{&Leaf, &Leaf};
  const Event e{SIG_HANDLED_AT_LEAF, 0};
  for (auto _ : state) HSM_Dispatch(&machine, &e);
  benchmark::DoNotOptimize(counter);
}
BENCHMARK(BM_DispatchHandledByLeaf);

void BM_DispatchThroughThreeLevels(benchmark::State& state) {
  Hsm machine{&Leaf, &Leaf};
  const Event e{SIG_HANDLED_AT_TOP_LEVEL, 0};
  for (auto _ : state) HSM_Dispatch(&machine, &e);
  benchmark::DoNotOptimize(counter);
}
BENCHMARK(BM_DispatchThroughThreeLevels);

[[gnu::noinline]] void handWrittenSwitch(int level, Signal sig) {
  switch (level) {
    case 2:
      if (sig == SIG_HANDLED_AT_LEAF) {
        ++counter;
        return;
      }
      [[fallthrough]];
    case 1:
      [[fallthrough]];
    case 0:
      if (sig == SIG_HANDLED_AT_TOP_LEVEL) ++counter;
      return;
    default:
      return;
  }
}

void BM_HandWrittenSwitchFloor(benchmark::State& state) {
  Signal sig = SIG_HANDLED_AT_TOP_LEVEL;
  for (auto _ : state) {
    benchmark::DoNotOptimize(sig);
    handWrittenSwitch(2, sig);
  }
  benchmark::DoNotOptimize(counter);
}
BENCHMARK(BM_HandWrittenSwitchFloor);

}  // namespace

BENCHMARK_MAIN();
