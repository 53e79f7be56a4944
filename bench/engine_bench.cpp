#include <benchmark/benchmark.h>

#include <string>

#include "engine.h"

namespace {

void BM_BuildOrderLineDefault(benchmark::State& state) {
  lumor::Engine engine;
  engine.LoadDefaults();
  for (auto _ : state) {
    engine.BuildOrderLine();
    benchmark::DoNotOptimize(engine.OrderLine.data());
  }
}
BENCHMARK(BM_BuildOrderLineDefault);

// A pasted length of many characters is read on every recomputation.
void BM_BuildOrderLineLongLength(benchmark::State& state) {
  lumor::Engine engine;
  engine.LoadDefaults();
  engine.SelectionState.CableLength =
      "1" + std::string(static_cast<std::size_t>(state.range(0)), ' ');
  for (auto _ : state) {
    engine.BuildOrderLine();
    benchmark::DoNotOptimize(engine.OrderLine.data());
  }
}
BENCHMARK(BM_BuildOrderLineLongLength)->Arg(100)->Arg(10000);

}  // namespace
