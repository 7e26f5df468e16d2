// The calculation of one fully loaded room in the detailed mode: ten points
// in front of every main surface and 19 sub-surfaces on every surface.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/calculation.h"
#include "room_builder.h"

namespace {

using namespace virano;
using virano::testing::RoomBuilder;

// A 6 × 8 × 3 m room with radiators: on every surface 19 sub-surfaces in a
// 5 × 4 grid of cells and ten control points spread over it.
RoomBuilder LoadedRoom() {
  const double W = 6, D = 8, H = 3;
  RoomBuilder room(W, D, H);
  const double extents[kMainSurfaceCount][3] = {{W, H, D}, {D, H, W}, {D, H, W},
                                                {W, H, D}, {W, D, H}, {W, D, H}};
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    const double X2 = extents[s][0], Y2 = extents[s][1], depth = extents[s][2];
    room.Temperature(s, 18 + s);
    const double cw = X2 / 5, ch = Y2 / 4;
    for (int k = 1; k <= 19; ++k) {
      const int col = (k - 1) % 5, line = (k - 1) / 5;
      room.SubSurface(s, k, "Delyta " + std::to_string(k), col * cw + 0.1, (col + 1) * cw - 0.1,
                      line * ch + 0.05, (line + 1) * ch - 0.05, 10 + 2 * k);
    }
    for (int p = 0; p < 10; ++p)
      room.Point(s, p, X2 * (p + 0.5) / 10, Y2 * (0.2 + 0.06 * p), depth * (0.05 + 0.09 * p));
  }
  return room;
}

void BM_KalkylLoadedRoomDetailed(benchmark::State& state) {
  virano::testing::TempDir dir("bench-kalkyl");
  const auto path = dir.path() / "fullt.rot";
  const RoomBuilder room = LoadedRoom();
  virano::testing::WriteProject(path, {&room.record()});
  ResultTable table;
  for (auto _ : state) {
    table.SetUp(true);
    Kalkyl(path, 1, true, false, table);
    benchmark::DoNotOptimize(table.rows.data());
  }
  state.counters["rows"] = table.RowCount();
}
BENCHMARK(BM_KalkylLoadedRoomDetailed)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
