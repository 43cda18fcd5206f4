#include <benchmark/benchmark.h>

#include "maze/Module1.h"

// A new maze of the requested size and line length, as a dragged size slider
// makes one per step.
static void BM_CreateMaze(benchmark::State& state) {
  const std::int64_t size = state.range(0);
  Module1::RANDOMISATION = state.range(1);
  Module1::LastDoorUsed = 3;
  for (auto _ : state) {
    Module1::CreateMaze(size, size, false);
    benchmark::DoNotOptimize(Module1::blnMaze(2, 2));
  }
}
BENCHMARK(BM_CreateMaze)->Args({150, 0})->Args({150, 25})->Args({18, 25})->Unit(benchmark::kMillisecond);
