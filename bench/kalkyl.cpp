// The calculation of one fully loaded room in the detailed mode (ten points
// in front of every main surface, 19 sub-surfaces on every surface), timed
// against the kernel evaluations it makes: each iteration runs Kalkyl and
// then the same kernel calls alone, both on this thread's CPU clock.
#include <benchmark/benchmark.h>

#include "engine/calculation.h"
#include "loaded_room.h"

namespace {

using namespace virano;

void BM_KalkylLoadedRoomDetailed(benchmark::State& state) {
  virano::testing::TempDir dir("bench-kalkyl");
  const auto path = dir.path() / "fullt.rot";
  const auto room = bench::LoadedRoom(6, 8, 3);
  virano::testing::WriteProject(path, {&room.record()});
  ResultTable table;
  const auto calculate = [&] {
    table.SetUp(true);
    Kalkyl(path, 1, true, false, table);
  };
  const std::vector<KernelCall> calls = bench::KernelCallsOf(calculate);

  double kalkyl = 0, kernels = 0;
  for (auto _ : state) {
    table.SetUp(true);
    const double t0 = bench::ThreadSeconds();
    Kalkyl(path, 1, true, false, table);
    const double t1 = bench::ThreadSeconds();
    benchmark::DoNotOptimize(bench::Replay(calls));
    const double t2 = bench::ThreadSeconds();
    state.SetIterationTime(t1 - t0);
    kalkyl += t1 - t0;
    kernels += t2 - t1;
  }
  const auto n = static_cast<double>(state.iterations());
  state.counters["rows"] = table.RowCount();
  state.counters["kernel_calls"] = static_cast<double>(calls.size());
  state.counters["kernel_ms"] = kernels / n * 1e3;
  state.counters["x_kernels"] = kalkyl / kernels;  // at most 1.5
}
BENCHMARK(BM_KalkylLoadedRoomDetailed)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
