// The calculation of one fully loaded room in the detailed mode (ten points
// in front of every main surface, 19 sub-surfaces on every surface), timed
// against the kernel evaluations it makes (x_kernels at most 1.5).
#include <benchmark/benchmark.h>

#include "engine/calculation.h"
#include "kernel_work.h"

namespace {

using namespace virano;

void BM_KalkylLoadedRoomDetailed(benchmark::State& state) {
  virano::testing::TempDir dir("bench-kalkyl");
  const auto path = dir.path() / "fullt.rot";
  const auto room = bench::LoadedRoom(6, 8, 3);
  virano::testing::WriteProject(path, {&room.record()});
  ResultTable table;
  // The summary view empties the table and writes its headings, then Kalkyl.
  bench::TimeAgainstKernels(
      state, [&] { table.SetUp(true); }, [&] { Kalkyl(path, 1, true, false, table); });
  state.counters["rows"] = table.RowCount();
}
BENCHMARK(BM_KalkylLoadedRoomDetailed)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
