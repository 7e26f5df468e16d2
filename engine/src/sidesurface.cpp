// The four surfaces beside a control point: the part of each that lies in
// front of the point's own plane, seen by the point's element at right
// angles, with the visible parts of its sub-surfaces.
//
// Each rectangle of the side surface is presented in a frame of its plane
// whose depth axis (X or Y) runs away from the element's plane: s is the
// element's plane on that axis, the foot point the point's position along the
// line where the two planes meet, the kernel distance the point's distance
// from the side surface. The rectangle is clipped to the visible side of s.
#include <array>
#include <optional>

#include "engine/calculation.h"
#include "engine/kernels.h"
#include "evaluation.h"

namespace virano {
namespace {

using namespace evaluation;

// Depth axis and the direction of the visible side from s.
enum class Pattern { XPlus, XMinus, YMinus, YPlus };

// The cases that can arise in each pattern, with their decompositions.
struct PatternCase {
  int fallTyp;
  ViewFactorOp op;
};
using PatternCases = std::array<PatternCase, 8>;
constexpr std::array<PatternCases, 4> kPatternCases = {{
    {{{2, VkSidFallTyp2}, {3, VkSidFallTyp3}, {5, VkSidFallTyp5}, {6, VkSidFallTyp6},
      {8, VkSidFallTyp8}, {11, VkSidFallTyp11}, {14, VkSidFallTyp14}, {17, VkSidFallTyp17}}},
    {{{2, VkSidFallTyp2}, {4, VkSidFallTyp4}, {5, VkSidFallTyp5}, {7, VkSidFallTyp7},
      {9, VkSidFallTyp9}, {12, VkSidFallTyp12}, {13, VkSidFallTyp13}, {18, VkSidFallTyp18}}},
    {{{2, VkSidFallTyp2G}, {3, VkSidFallTyp3G}, {4, VkSidFallTyp4G}, {6, VkSidFallTyp6G},
      {7, VkSidFallTyp7G}, {11, VkSidFallTyp11G}, {12, VkSidFallTyp12G}, {15, VkSidFallTyp15}}},
    {{{3, VkSidFallTyp3G}, {4, VkSidFallTyp4G}, {5, VkSidFallTyp5G}, {8, VkSidFallTyp8G},
      {9, VkSidFallTyp9G}, {13, VkSidFallTyp13G}, {14, VkSidFallTyp14G}, {16, VkSidFallTyp16}}},
}};

// The element's plane s on the depth axis; W and D are the side surface's
// width and depth (X2 and Y2 of its own row).
enum class Plane { AtZp, WLessZp, DLessZp };

// How a stored rectangle is turned into the depth frame.
enum class Mapping {
  Own,        // as stored
  TurnedDY,   // X: D − Y2 … D − Y1; Y: X1 … X2
  TurnedWX,   // X: Y1 … Y2;         Y: W − X2 … W − X1
  Mirrored,   // X: W − X2 … W − X1; Y: D − Y2 … D − Y1
};

// A length from the point's coordinates: foot point or kernel distance. E is
// the caller's extra length, DC the ceiling's depth.
enum class Length { PointX, PointY, ELessX, ELessY, WLessX, WLessY, DCLessY };

// The extent some views take as the own row's span instead of its end.
enum class Span { None, W, D };

struct SideCase {
  MainSurface side;
  Pattern pattern;
  Plane s;
  Mapping mapping;
  Length foot;
  Length distance;
  Span span = Span::None;
  bool fifteenG = false;  // case 15 by VkSidFallTyp15G
};

using enum Pattern;
using enum Plane;
using enum Mapping;
using enum Length;

// What the 24 side evaluations do differently, in the order of SideView. A
// point in front of the ceiling has its Y from the front wall, as the
// ceiling's sub-surfaces.
constexpr std::array<SideCase, kSideViewCount> kSideCases = {{
    {LeftWall, XPlus, WLessZp, Own, PointY, PointX},                 // LeftWall
    {RightWall, XMinus, AtZp, Own, PointY, ELessX},                  // RightWall
    {Ceiling, YMinus, AtZp, Own, PointX, ELessY},                    // Ceiling
    {Floor, YPlus, DLessZp, Own, PointX, PointY},                    // Floor
    {RearWall, XPlus, WLessZp, Own, PointY, PointX},                 // RearWallFromLeft
    {FrontWall, XMinus, AtZp, Own, PointY, ELessX},                  // FrontWallFromLeft
    {Ceiling, YMinus, AtZp, TurnedDY, PointX, ELessY, Span::D},      // CeilingFromLeft
    {Floor, YPlus, WLessZp, TurnedWX, PointX, PointY, Span::W},      // FloorFromLeft
    {FrontWall, XPlus, WLessZp, Own, PointY, PointX},                // FrontWallFromRight
    {RearWall, XMinus, AtZp, Own, PointY, ELessX},                   // RearWallFromRight
    {Ceiling, YMinus, AtZp, TurnedWX, PointX, ELessY},               // CeilingFromRight
    {Floor, YPlus, WLessZp, TurnedDY, PointX, PointY, Span::D},      // FloorFromRight
    {RightWall, XPlus, WLessZp, Own, PointY, PointX},                // RightWallFromRear
    {LeftWall, XMinus, AtZp, Own, PointY, ELessX},                   // LeftWallFromRear
    {Ceiling, YMinus, AtZp, Mirrored, PointX, ELessY, Span::None, true},  // CeilingFromRear
    {Floor, YPlus, DLessZp, Mirrored, PointX, PointY},               // FloorFromRear
    {FrontWall, YMinus, AtZp, Own, PointX, ELessY},                  // FrontWallFromFloor
    {LeftWall, YMinus, AtZp, Own, PointY, PointX},                   // LeftWallFromFloor
    {RightWall, YMinus, AtZp, Own, WLessY, ELessX},                  // RightWallFromFloor
    {RearWall, YPlus, DLessZp, Mirrored, PointX, PointY},            // RearWallFromFloor
    {FrontWall, YPlus, DLessZp, Own, PointX, PointY},                // FrontWallFromCeiling
    {LeftWall, YPlus, DLessZp, Own, DCLessY, PointX},                // LeftWallFromCeiling
    {RightWall, YPlus, DLessZp, Own, PointY, ELessX},                // RightWallFromCeiling
    {RearWall, YPlus, DLessZp, Own, WLessX, DCLessY},                // RearWallFromCeiling
}};

// The extents a view needs, read from the stored rows when first needed.
class Extents {
 public:
  Extents(StoredRoom& stored, const SideCase& sc)
      : stored_(stored), side_(sc.side), span_(sc.span) {}
  float W() { return Get(w_, SurfaceCell::X1, SurfaceCell::X2, span_ == Span::W); }
  float D() { return Get(d_, SurfaceCell::Y1, SurfaceCell::Y2, span_ == Span::D); }
  float DC() {
    if (!dc_) dc_ = stored_.Single(Ceiling, 0, SurfaceCell::Y2);
    return *dc_;
  }

 private:
  float Get(std::optional<float>& value, SurfaceCell start, SurfaceCell end, bool span) {
    if (!value) {
      const float e = stored_.Single(side_, 0, end);
      value = span ? Single(static_cast<long double>(e) - stored_.Single(side_, 0, start)) : e;
    }
    return *value;
  }
  StoredRoom& stored_;
  MainSurface side_;
  Span span_;
  std::optional<float> w_, d_, dc_;
};

float Less(float a, float b) { return Single(static_cast<long double>(a) - b); }

struct PointInput {
  float Zp, ChpX, ChpY, E;
};

float LengthOf(Length length, const PointInput& p, Extents& ext) {
  switch (length) {
    case PointX: return p.ChpX;
    case PointY: return p.ChpY;
    case ELessX: return Less(p.E, p.ChpX);
    case ELessY: return Less(p.E, p.ChpY);
    case WLessX: return Less(ext.W(), p.ChpX);
    case WLessY: return Less(ext.W(), p.ChpY);
    case DCLessY: return Less(ext.DC(), p.ChpY);
  }
  return 0;
}

float PlaneOf(Plane plane, float Zp, Extents& ext) {
  switch (plane) {
    case AtZp: return Zp;
    case WLessZp: return Less(ext.W(), Zp);
    case DLessZp: return Less(ext.D(), Zp);
  }
  return 0;
}

Rect Map(Mapping mapping, const Rect& r, Extents& ext) {
  switch (mapping) {
    case Own: return r;
    case TurnedDY: return {Less(ext.D(), r.Y2), Less(ext.D(), r.Y1), r.X1, r.X2};
    case TurnedWX: return {r.Y1, r.Y2, Less(ext.W(), r.X2), Less(ext.W(), r.X1)};
    case Mirrored:
      return {Less(ext.W(), r.X2), Less(ext.W(), r.X1), Less(ext.D(), r.Y2), Less(ext.D(), r.Y1)};
  }
  return r;
}

// The view factor of a mapped rectangle, clipped to the visible side of s;
// nothing when it lies wholly behind the element's plane.
std::optional<float> VisibleViewFactor(const SideCase& sc, Rect r, float s, float foot,
                                       float distance) {
  const bool alongX = sc.pattern == XPlus || sc.pattern == XMinus;
  switch (sc.pattern) {
    case XPlus:
      if (r.X2 <= s) return std::nullopt;
      if (r.X1 < s) r.X1 = s;
      break;
    case XMinus:
      if (r.X1 >= s) return std::nullopt;
      if (r.X2 > s) r.X2 = s;
      break;
    case YMinus:
      if (r.Y1 >= s) return std::nullopt;
      if (r.Y2 > s) r.Y2 = s;
      break;
    case YPlus:
      if (r.Y2 <= s) return std::nullopt;
      if (r.Y1 < s) r.Y1 = s;
      break;
  }
  const float px = alongX ? s : foot;
  const float py = alongX ? foot : s;
  const int fallTyp = CheckFallTyp(r.X1, r.X2, r.Y1, r.Y2, px, py);
  for (const PatternCase& pc : kPatternCases[static_cast<std::size_t>(sc.pattern)]) {
    if (pc.fallTyp != fallTyp) continue;
    const ViewFactorOp op = fallTyp == 15 && sc.fifteenG ? VkSidFallTyp15G : pc.op;
    return op(r.X1, r.X2, r.Y1, r.Y2, px, py, distance);
  }
  // A case outside the pattern's set (the clipping leaves none for finite
  // coordinates, reversed edges included) counts nothing.
  return 0.0f;
}

}  // namespace

int SidVinkelKoeff(Calculation& calc, SideView view, int KP, float Zp, float ChpX, float ChpY,
                   float E) {
  const SideCase& sc = kSideCases[static_cast<std::size_t>(view)];
  const auto& block = calc.room.Ytor[sc.side];
  StoredRoom& stored = calc.stored();
  ResultTable* table = calc.detailed ? calc.table : nullptr;
  const PointInput point{Zp, ChpX, ChpY, E};
  Extents ext(stored, sc);
  const float s = PlaneOf(sc.s, Zp, ext);
  const float distance = LengthOf(sc.distance, point, ext);
  const float foot = LengthOf(sc.foot, point, ext);

  float Fnet = 0;
  std::optional<long double> T0;  // set when the side surface's own row is seen
  int ownRow = -1;
  for (int i = 0; i < kSurfaceRowsPerBlock - 1; ++i) {  // the spill row is never filled
    if (!block[static_cast<std::size_t>(i)].InUse()) continue;
    const Rect mapped = Map(sc.mapping, stored.Coordinates(sc.side, i), ext);
    const std::optional<float> F = VisibleViewFactor(sc, mapped, s, foot, distance);
    if (!F) continue;
    const long double Ti = stored.Number(sc.side, i, SurfaceCell::YtTemp);
    if (i == 0) {
      Fnet = *F;
      T0 = Ti;
    } else {
      Fnet = Less(Fnet, *F);
      Accumulate(calc, *F, Ti);
    }
    if (table) {
      AddSurfaceRow(calc, sc.side, i, KP, *F, Ti);
      if (i == 0) ownRow = table->RowCount() - 1;
    }
  }
  // The visible part of the side surface itself, at its own temperature.
  if (T0) Accumulate(calc, Fnet, *T0);
  if (ownRow >= 0) {
    table->Cell(kFactor, ownRow) = ViewFactorText(Fnet, calc.decimalPunkt);
    table->Cell(kProduct, ownRow) = ViewFactorText(*T0 * Fnet, calc.decimalPunkt);
  }
  return calc.table ? calc.table->RowCount() - 1 : -1;
}

}  // namespace virano
