// The points in front of one main surface: the view factors of the main
// surface and its sub-surfaces (parallel to the point's element), those of
// the four surfaces beside the point, the air temperature and ROT.
#include <array>
#include <memory>

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

float AirTemperature(Calculation& calc, Height height, const Point& p) {
  float h = p.ChpY;
  if (height == Height::Zp) h = p.Zp;
  if (height == Height::FrontWallHeightLessZp) {
    const float frontHeight = calc.stored().Single(FrontWall, 0, SurfaceCell::Y2);
    h = Single(static_cast<long double>(frontHeight) - p.Zp);
  }
  return KorrRumsTemp(calc.stored(), h);
}

float ParallelViewFactor(const Rect& r, const Point& p) {
  const int fallTyp = CheckFallTyp(r.X1, r.X2, r.Y1, r.Y2, p.ChpX, p.ChpY);
  const ViewFactorOp op = ParallelOperation(fallTyp);
  if (op == nullptr) throw CalculationError("Ogiltig flyttalsoperation");
  return op(r.X1, r.X2, r.Y1, r.Y2, p.ChpX, p.ChpY, p.Zp);
}

// The point's own row: its number, and the main surface's name and stored
// surface temperature when the main surface has its row. −1 without a table.
int AddPointRow(Calculation& calc, MainSurface surface, int KP) {
  if (!calc.table) return -1;
  ResultTable& t = *calc.table;
  const int row = t.AddRow();
  t.Cell(kPoint, row) = std::to_string(KP);
  if (calc.room.Ytor[surface][0].InUse()) {
    t.Cell(kSurfaceTemp, row) = calc.stored().TemperatureText(surface, 0);
    t.Cell(kName, row) = calc.stored().Label(surface, 0);
  }
  return row;
}

// The main surface and its sub-surfaces seen from the point: writes the
// point's row (and in the detailed mode the sub-surfaces' rows), adds the
// sub-surfaces into the sums and returns the main surface's net view factor.
float EvaluateOwnSurface(Calculation& calc, MainSurface surface, const Point& p, int& pointRow) {
  const auto& block = calc.room.Ytor[surface];
  float Fnet = 0;
  for (int i = 0; i < kSurfaceRowsPerBlock; ++i) {
    if (!block[static_cast<std::size_t>(i)].InUse()) {
      if (i == 0) pointRow = AddPointRow(calc, surface, p.KP);
      continue;
    }
    const float F = ParallelViewFactor(calc.stored().Coordinates(surface, i), p);
    if (i == 0) {
      Fnet = F;
      pointRow = AddPointRow(calc, surface, p.KP);
      continue;
    }
    Fnet = Single(static_cast<long double>(Fnet) - F);
    const long double Ti = calc.stored().Number(surface, i, SurfaceCell::YtTemp);
    Accumulate(calc, F, Ti);
    if (calc.table && calc.detailed) AddSurfaceRow(calc, surface, i, p.KP, F, Ti);
  }
  return Fnet;
}

// Tmain: the main surface's stored temperature, read before each point.
PointResult EvaluatePoint(Calculation& calc, MainSurface surface, const Point& p, float Tmain) {
  const MainCase& mc = kMainCases[surface];
  StoredRoom& stored = calc.stored();
  const bool dp = calc.decimalPunkt;
  const float X2wall = stored.Single(surface, 0, SurfaceCell::X2);
  const float Y2wall = stored.Single(surface, 0, SurfaceCell::Y2);
  const float Tair = AirTemperature(calc, mc.height, p);
  calc.SumVinkelKoeff = 0;
  calc.SumVinkelKoeffTemp = 0;

  int pointRow = -1;
  const float Fnet = EvaluateOwnSurface(calc, surface, p, pointRow);
  // The main surface counts with its net view factor at its own temperature.
  Accumulate(calc, Fnet, Tmain);
  ResultTable* t = calc.table;
  if (t && calc.detailed) t->Cell(kFactor, pointRow) = ViewFactorText(Fnet, dp);

  for (const SideCall& side : mc.sides) {
    const float E = side.extra == Extra::X2 ? X2wall : side.extra == Extra::Y2 ? Y2wall : 0;
    SidVinkelKoeff(calc, side.view, p.KP, p.Zp, p.ChpX, p.ChpY, E);
  }

  const PointResult result{
      Single((static_cast<long double>(Tair) + calc.SumVinkelKoeffTemp) / 2), Tair,
      calc.SumVinkelKoeff, calc.SumVinkelKoeffTemp};
  if (!t) return result;
  t->Cell(kRot, pointRow) = TemperatureText(result.ROT, dp);
  t->Cell(kAirTemp, pointRow) = TemperatureText(Tair, dp);
  t->Cell(kSumFactors, pointRow) = TemperatureText(result.SumVinkelKoeff, dp);
  t->Cell(kSumProducts, pointRow) = TemperatureText(result.SumVinkelKoeffTemp, dp);
  if (calc.detailed) {
    const long double Tstored = stored.Number(surface, 0, SurfaceCell::YtTemp);
    t->Cell(kProduct, pointRow) = ViewFactorText(Tstored * Fnet, dp);
  }
  return result;
}

float MainTemperature(Calculation& calc, MainSurface surface) {
  return calc.stored().Single(surface, 0, SurfaceCell::YtTemp);
}

int LastRow(const Calculation& calc) { return calc.table ? calc.table->RowCount() - 1 : -1; }

}  // namespace

Calculation::Calculation(const TRoomRecord& r, ResultTable& t, bool d, bool dp)
    : room(r), table(&t), detailed(d), decimalPunkt(dp),
      stored_(std::make_unique<StoredRoom>(r, dp)) {}

Calculation::Calculation(const TRoomRecord& r, bool dp)
    : room(r), table(nullptr), decimalPunkt(dp), stored_(std::make_unique<StoredRoom>(r, dp)) {}

Calculation::~Calculation() = default;

int VinkelKoeffMainSurface(Calculation& calc, MainSurface surface) {
  for (int k = 0; k < 10; ++k) {  // the block's 11th row is never a point
    if (!calc.room.Punkter[surface][static_cast<std::size_t>(k)].InUse()) continue;
    AtControlPoint(k, surface, [&] {
      const float Tmain = MainTemperature(calc, surface);  // before the point's own texts
      StoredRoom& stored = calc.stored();
      const Point p{k, Single(stored.Number(surface, k, PointCell::Xp)),
                    Single(stored.Number(surface, k, PointCell::Yp)),
                    Single(stored.Number(surface, k, PointCell::Zp))};
      EvaluatePoint(calc, surface, p, Tmain);
    });
  }
  return LastRow(calc);
}

PointResult VinkelKoeffPoint(Calculation& calc, MainSurface surface, int KP, float ChpX,
                             float ChpY, float Zp) {
  const float Tmain = MainTemperature(calc, surface);
  return EvaluatePoint(calc, surface, {KP, ChpX, ChpY, Zp}, Tmain);
}

int VinkelKoeffFrontWall(Calculation& calc) { return VinkelKoeffMainSurface(calc, FrontWall); }
int VinkelKoeffLeftWall(Calculation& calc) { return VinkelKoeffMainSurface(calc, LeftWall); }
int VinkelKoeffRightWall(Calculation& calc) { return VinkelKoeffMainSurface(calc, RightWall); }
int VinkelKoeffRearWall(Calculation& calc) { return VinkelKoeffMainSurface(calc, RearWall); }
int VinkelKoeffFloor(Calculation& calc) { return VinkelKoeffMainSurface(calc, Floor); }
int VinkelKoeffCeiling(Calculation& calc) { return VinkelKoeffMainSurface(calc, Ceiling); }

}  // namespace virano
