// The two view-factor kernels, the case classification, and a whole
// decomposition call as a surface evaluation makes it: classify, look up the
// operation, evaluate.
#include <benchmark/benchmark.h>

#include "engine/kernels.h"

namespace {

using namespace virano;

void Kernel_ParallellaFallet(benchmark::State& state) {
  float h = 1.25f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(h);
    benchmark::DoNotOptimize(ParallellaFallet(h, 2.0f, 1.0f));
  }
}
BENCHMARK(Kernel_ParallellaFallet);

void Kernel_VinkelRataFallet(benchmark::State& state) {
  float h = 2.0f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(h);
    benchmark::DoNotOptimize(VinkelRataFallet(h, 1.25f, 1.0f));
  }
}
BENCHMARK(Kernel_VinkelRataFallet);

void Classify_CheckFallTyp(benchmark::State& state) {
  float x = 2.0f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(CheckFallTyp(0.0f, 4.0f, 0.0f, 2.5f, x, 1.25f));
  }
}
BENCHMARK(Classify_CheckFallTyp);

// A sub-surface seen from a point below and to its left (case 8: four terms),
// and the strip of a side wall (case 17: two terms).
void Decomposition_Parallel(benchmark::State& state) {
  float x = -0.5f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    const int fallTyp = CheckFallTyp(0.5f, 1.7f, 0.9f, 2.1f, x, 0.3f);
    benchmark::DoNotOptimize(ParallelOperation(fallTyp)(0.5f, 1.7f, 0.9f, 2.1f, x, 0.3f, 1.0f));
  }
}
BENCHMARK(Decomposition_Parallel);

void Decomposition_Perpendicular(benchmark::State& state) {
  float s = 4.0f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(s);
    const int fallTyp = CheckFallTyp(s, 5.0f, 0.0f, 2.5f, s, 1.25f);
    benchmark::DoNotOptimize(
        PerpendicularOperation(fallTyp, false)(s, 5.0f, 0.0f, 2.5f, s, 1.25f, 2.0f));
  }
}
BENCHMARK(Decomposition_Perpendicular);

}  // namespace

BENCHMARK_MAIN();
