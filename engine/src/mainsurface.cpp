// The points in front of one main surface: the view factors of the main
// surface and its sub-surfaces (parallel to the point's element), those of
// the four surfaces beside the point, the air temperature and ROT.
#include <array>
#include <optional>

#include "engine/calculation.h"
#include "engine/kernels.h"
#include "evaluation.h"

namespace virano {
namespace {

using namespace evaluation;

// The height above the floor at which a point's air temperature is taken.
enum class Height { PointY, Zp, FrontWallHeightLessZp };

// The length a side evaluation gets besides the point: none, or X2 or Y2 of
// the main surface's own row.
enum class Extra { None, X2, Y2 };

struct SideCall {
  SideView view;
  Extra extra;
};

struct MainCase {
  Height height;
  std::array<SideCall, 4> sides;  // in order of calling
};

// What the six main surfaces do differently, in block order.
constexpr std::array<MainCase, kMainSurfaceCount> kMainCases = {{
    {Height::PointY,  // FrontWall
     {{{SideView::LeftWall, Extra::None},
       {SideView::RightWall, Extra::X2},
       {SideView::Ceiling, Extra::Y2},
       {SideView::Floor, Extra::Y2}}}},
    {Height::PointY,  // LeftWall
     {{{SideView::RearWallFromLeft, Extra::None},
       {SideView::FrontWallFromLeft, Extra::X2},
       {SideView::CeilingFromLeft, Extra::Y2},
       {SideView::FloorFromLeft, Extra::Y2}}}},
    {Height::PointY,  // RightWall
     {{{SideView::FrontWallFromRight, Extra::None},
       {SideView::RearWallFromRight, Extra::X2},
       {SideView::CeilingFromRight, Extra::Y2},
       {SideView::FloorFromRight, Extra::Y2}}}},
    {Height::PointY,  // RearWall
     {{{SideView::RightWallFromRear, Extra::None},
       {SideView::LeftWallFromRear, Extra::X2},
       {SideView::CeilingFromRear, Extra::Y2},
       {SideView::FloorFromRear, Extra::Y2}}}},
    {Height::Zp,  // Floor
     {{{SideView::FrontWallFromFloor, Extra::Y2},
       {SideView::LeftWallFromFloor, Extra::None},
       {SideView::RightWallFromFloor, Extra::X2},
       {SideView::RearWallFromFloor, Extra::X2}}}},
    {Height::FrontWallHeightLessZp,  // Ceiling
     {{{SideView::FrontWallFromCeiling, Extra::None},
       {SideView::LeftWallFromCeiling, Extra::None},
       {SideView::RightWallFromCeiling, Extra::X2},
       {SideView::RearWallFromCeiling, Extra::X2}}}},
}};

struct Point {
  int KP;
  float ChpX, ChpY, Zp;
};

float AirTemperature(const Calculation& calc, Height height, const Point& p) {
  const TRoomRecord& room = calc.room;
  float h = p.ChpY;
  if (height == Height::Zp) h = p.Zp;
  if (height == Height::FrontWallHeightLessZp) {
    const float frontHeight = SingleNumber(room.Ytor[FrontWall][0].Y2, calc.decimalPunkt);
    h = Single(static_cast<long double>(frontHeight) - p.Zp);
  }
  return KorrRumsTemp(room.HeatSystem.Get(), h, room.RumsTemp.Text(), room.Temp05OG.Text(),
                      room.Temp18OG.Text(), room.WattPerKvmTak.Text(), calc.decimalPunkt);
}

float ParallelViewFactor(const Rect& r, const Point& p) {
  const int fallTyp = CheckFallTyp(r.X1, r.X2, r.Y1, r.Y2, p.ChpX, p.ChpY);
  const ViewFactorOp op = ParallelOperation(fallTyp);
  if (op == nullptr) throw CalculationError("Ogiltig flyttalsoperation");
  return op(r.X1, r.X2, r.Y1, r.Y2, p.ChpX, p.ChpY, p.Zp);
}

// The point's own row: its number, and the main surface's name and stored
// surface temperature when the main surface has its row.
int AddPointRow(Calculation& calc, const TSurfaceRow& main, int KP) {
  const int row = calc.table.AddRow();
  calc.table.Cell(kPoint, row) = std::to_string(KP);
  if (main.InUse()) {
    calc.table.Cell(kSurfaceTemp, row) = DecimalFormat(main.YtTemp.Text(), calc.decimalPunkt);
    calc.table.Cell(kName, row) = Label(2, main.Namn.Text());
  }
  return row;
}

// The main surface and its sub-surfaces seen from the point: writes the
// point's row (and in the detailed mode the sub-surfaces' rows), adds the
// sub-surfaces into the sums and returns the main surface's net view factor.
float EvaluateOwnSurface(Calculation& calc, const TSurfaceRow* block, const Point& p,
                         int& pointRow) {
  float Fnet = 0;
  for (int i = 0; i < kSurfaceRowsPerBlock; ++i) {
    const TSurfaceRow& row = block[i];
    if (!row.InUse()) {
      if (i == 0) pointRow = AddPointRow(calc, row, p.KP);
      continue;
    }
    const float F = ParallelViewFactor(Coordinates(row, calc.decimalPunkt), p);
    if (i == 0) {
      Fnet = F;
      pointRow = AddPointRow(calc, row, p.KP);
      continue;
    }
    Fnet = Single(static_cast<long double>(Fnet) - F);
    const long double Ti = Number(row.YtTemp.Text(), calc.decimalPunkt);
    Accumulate(calc, F, Ti);
    if (calc.detailed) AddSurfaceRow(calc, 4, row, p.KP, F, Ti);
  }
  return Fnet;
}

void EvaluatePoint(Calculation& calc, MainSurface surface, const Point& p, float Tmain) {
  const MainCase& mc = kMainCases[surface];
  const TSurfaceRow* block = calc.room.Ytor[surface].data();
  const bool dp = calc.decimalPunkt;
  const float X2wall = SingleNumber(block[0].X2, dp);
  const float Y2wall = SingleNumber(block[0].Y2, dp);
  const float Tair = AirTemperature(calc, mc.height, p);
  calc.SumVinkelKoeff = 0;
  calc.SumVinkelKoeffTemp = 0;

  int pointRow = 0;
  const float Fnet = EvaluateOwnSurface(calc, block, p, pointRow);
  // The main surface counts with its net view factor at its own temperature.
  Accumulate(calc, Fnet, Tmain);
  ResultTable& t = calc.table;
  if (calc.detailed) t.Cell(kFactor, pointRow) = ViewFactorText(Fnet, dp);

  for (const SideCall& side : mc.sides) {
    const float E = side.extra == Extra::X2 ? X2wall : side.extra == Extra::Y2 ? Y2wall : 0;
    SidVinkelKoeff(calc, side.view, p.KP, p.Zp, p.ChpX, p.ChpY, E);
  }

  const float ROT = Single((static_cast<long double>(Tair) + calc.SumVinkelKoeffTemp) / 2);
  t.Cell(kRot, pointRow) = TemperatureText(ROT, dp);
  t.Cell(kAirTemp, pointRow) = TemperatureText(Tair, dp);
  t.Cell(kSumFactors, pointRow) = TemperatureText(calc.SumVinkelKoeff, dp);
  t.Cell(kSumProducts, pointRow) = TemperatureText(calc.SumVinkelKoeffTemp, dp);
  if (calc.detailed) {
    const long double Tstored = Number(block[0].YtTemp.Text(), dp);
    t.Cell(kProduct, pointRow) = ViewFactorText(Tstored * Fnet, dp);
  }
}

}  // namespace

int VinkelKoeffMainSurface(Calculation& calc, MainSurface surface) {
  const auto& points = calc.room.Punkter[surface];
  const TSurfaceRow& main = calc.room.Ytor[surface][0];
  const bool dp = calc.decimalPunkt;
  std::optional<float> Tmain;  // read once, before the first point
  for (int k = 0; k < 10; ++k) {  // the block's 11th row is never a point
    const TPointRow& row = points[static_cast<std::size_t>(k)];
    if (!row.InUse()) continue;
    if (!Tmain) Tmain = SingleNumber(main.YtTemp, dp);
    const Point p{k, SingleNumber(row.Xp, dp), SingleNumber(row.Yp, dp), SingleNumber(row.Zp, dp)};
    EvaluatePoint(calc, surface, p, *Tmain);
  }
  return calc.table.RowCount() - 1;
}

int VinkelKoeffFrontWall(Calculation& calc) { return VinkelKoeffMainSurface(calc, FrontWall); }
int VinkelKoeffLeftWall(Calculation& calc) { return VinkelKoeffMainSurface(calc, LeftWall); }
int VinkelKoeffRightWall(Calculation& calc) { return VinkelKoeffMainSurface(calc, RightWall); }
int VinkelKoeffRearWall(Calculation& calc) { return VinkelKoeffMainSurface(calc, RearWall); }
int VinkelKoeffFloor(Calculation& calc) { return VinkelKoeffMainSurface(calc, Floor); }
int VinkelKoeffCeiling(Calculation& calc) { return VinkelKoeffMainSurface(calc, Ceiling); }

}  // namespace virano
