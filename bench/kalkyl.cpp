// The calculation of one fully loaded room in the detailed mode: ten points
// in front of every main surface and 19 sub-surfaces on every surface.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/calculation.h"
#include "project/numbers.h"
#include "project/recordfile.h"

namespace {

using namespace virano;

std::string Num(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.3f", value);
  return DecimalFormat(buffer, false);
}

void SetRow(TSurfaceRow& row, const std::string& name, double x1, double x2, double y1, double y2,
            double t) {
  row.Namn.SetText(name);
  row.X1.SetText(Num(x1));
  row.X2.SetText(Num(x2));
  row.Y1.SetText(Num(y1));
  row.Y2.SetText(Num(y2));
  row.YtTemp.SetText(Num(t));
}

// A 6 × 8 × 3 m room: on every surface 19 sub-surfaces in a 5 × 4 grid of
// cells and ten control points spread over it.
std::unique_ptr<TRoomRecord> LoadedRoom() {
  auto room = std::make_unique<TRoomRecord>();
  room->RumsNamn.SetText("Fullt rum");
  room->RumsTemp.SetText("20");
  room->MinRot.SetText("20");
  room->HeatSystem.Set(5);
  room->Temp05OG.SetText("19,5");
  room->Temp18OG.SetText("21");
  const double W = 6, D = 8, H = 3;
  const double extents[kMainSurfaceCount][3] = {{W, H, D}, {D, H, W}, {D, H, W},
                                                {W, H, D}, {W, D, H}, {W, D, H}};
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    const double X2 = extents[s][0], Y2 = extents[s][1], depth = extents[s][2];
    SetRow(room->Ytor[s][0], std::string(kMainSurfaceCaptions[s]), 0, X2, 0, Y2, 18 + s);
    const double cw = X2 / 5, ch = Y2 / 4;
    for (int k = 1; k <= 19; ++k) {
      const int col = (k - 1) % 5, line = (k - 1) / 5;
      SetRow(room->Ytor[s][k], "Delyta " + std::to_string(k), col * cw + 0.1, (col + 1) * cw - 0.1,
             line * ch + 0.05, (line + 1) * ch - 0.05, 10 + 2 * k);
    }
    for (int p = 0; p < 10; ++p) {
      TPointRow& point = room->Punkter[s][p];
      point.Xp.SetText(Num(X2 * (p + 0.5) / 10));
      point.Yp.SetText(Num(Y2 * (0.2 + 0.06 * p)));
      point.Zp.SetText(Num(depth * (0.05 + 0.09 * p)));
    }
  }
  return room;
}

void BM_KalkylLoadedRoomDetailed(benchmark::State& state) {
  const auto path =
      std::filesystem::temp_directory_path() / ("virano-bench-" + std::to_string(getpid()) + ".rot");
  {
    ProjectFile file(path);
    file.Create();
    auto general = std::make_unique<TRoomRecord>();
    general->FilVersion.SetText("1");
    file.Append(*general);
    file.Append(*LoadedRoom());
  }
  ResultTable table;
  for (auto _ : state) {
    table.SetUp(true);
    Kalkyl(path, 1, true, false, table);
    benchmark::DoNotOptimize(table.rows.data());
  }
  state.counters["rows"] = table.RowCount();
  std::filesystem::remove(path);
}
BENCHMARK(BM_KalkylLoadedRoomDetailed)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
