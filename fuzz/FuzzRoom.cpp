// A stored room, as any bytes, through everything that reads a room without
// a window: the calculation in both modes for every main surface, single
// points, the asymmetry table, coarse ROT and asymmetry maps, the input check, the input view, the room
// drawing and the CSV of the tables. Only the program's own errors may come
// out of any of them.
#include <cmath>

#include "FuzzSupport.h"
#include "engine/Asymmetry.h"
#include "engine/calculation.h"
#include "engine/kernels.h"
#include "engine/rotmap.h"
#include "project/input_check.h"
#include "project/numbers.h"
#include "rules/Csv.h"
#include "rules/InputView.h"
#include "rules/RoomDrawing.h"

namespace virano {
namespace {

// Runs `work`; the errors by which the program refuses a room end it.
template <typename Work>
void Refusable(Work&& work) {
  try {
    work();
  } catch (const ConversionError&) {
  } catch (const CalculationError&) {
  }
}

void Calculate(const TRoomRecord& room, bool detailed, bool dp) {
  ResultTable table;
  table.SetUp(detailed);
  Calculation calc(room, table, detailed, dp);
  for (int s = 0; s < kMainSurfaceCount; ++s)
    Refusable([&] { VinkelKoeffMainSurface(calc, static_cast<MainSurface>(s)); });
  (void)CsvText(table.rows, dp);
}

void SinglePoints(const TRoomRecord& room, MainSurface s, bool dp) {
  for (int p = 0; p < kPointRowsPerBlock - 1; ++p) {
    const TPointRow& row = room.Punkter[s][p];
    const auto x = TryStrToFloat(DecimalFormat(row.Xp.Text(), dp), dp);
    const auto y = TryStrToFloat(DecimalFormat(row.Yp.Text(), dp), dp);
    const auto z = TryStrToFloat(DecimalFormat(row.Zp.Text(), dp), dp);
    if (x && y && z)
      Refusable([&] {
        RotAtPoint(room, s, static_cast<float>(*x), static_cast<float>(*y),
                   static_cast<float>(*z), dp);
      });
  }
}

// A map of at most 3 × 3 points, whatever the surface's size.
void CoarseMap(const TRoomRecord& room, MainSurface s, MapQuantity quantity, bool dp) {
  RotMapRequest request;
  request.surface = s;
  request.quantity = quantity;
  request.threads = 1;
  const auto w = TryStrToFloat(DecimalFormat(room.Ytor[s][0].X2.Text(), dp), dp);
  const auto h = TryStrToFloat(DecimalFormat(room.Ytor[s][0].Y2.Text(), dp), dp);
  const long double extent = std::max(std::fabs(w.value_or(1)), std::fabs(h.value_or(1)));
  if (extent / request.step > 4) request.step = extent / 4;
  Refusable([&] { (void)MapTable(ComputeRotMap(room, request, dp), dp); });
}

void Drawing(const TRoomRecord& room, MainSurface s, bool dp) {
  RoomDrawingInput input;
  for (const TSurfaceRow& row : room.Ytor[s]) {
    auto& cells = input.surfaces.emplace_back();
    for (int c = 0; c < TSurfaceRow::kCellCount; ++c) cells[c] = row.cell(c).Text();
  }
  for (int p = 0; p < kPointRowsPerBlock - 1; ++p) {
    auto& cells = input.points.emplace_back();
    for (int c = 0; c < TPointRow::kCellCount; ++c) cells[c] = room.Punkter[s][p].cell(c).Text();
  }
  input.rumsTemp = room.RumsTemp.Text();
  input.width = 400;
  input.height = 300;
  input.left = 8;
  input.letterHeight = 13;
  input.axes = true;
  input.decimalPunkt = dp;
  (void)RoomDrawing(input);
}

}  // namespace
}  // namespace virano

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace virano;
  const auto records = fuzz::RecordsOf<TRoomRecord>(data, size);
  const TRoomRecord& room = records[0];
  // The system's decimal separator: a point when a byte after the record
  // is odd.
  const bool dp = size > sizeof(TRoomRecord) && (data[sizeof(TRoomRecord)] & 1) != 0;
  Calculate(room, false, dp);
  Calculate(room, true, dp);
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    SinglePoints(room, static_cast<MainSurface>(s), dp);
    CoarseMap(room, static_cast<MainSurface>(s), MapQuantity::Rot, dp);
    CoarseMap(room, static_cast<MainSurface>(s), MapQuantity::Asymmetry, dp);
    Drawing(room, static_cast<MainSurface>(s), dp);
  }
  std::vector<AsymmetryRow> asymmetry;
  Refusable([&] { AsymmetryTable(room, ComfortCategory::C, dp, asymmetry); });
  (void)CsvText(InputViewRows(room, dp), dp);
  (void)RoomErrors(room, 1, dp);
  return 0;
}
