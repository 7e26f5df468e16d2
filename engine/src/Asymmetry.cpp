// The radiant temperature asymmetry of a point: both half-spaces through the
// point evaluation of the result table, the mirror between opposite
// surfaces, the comfort limits and the room's table.
#include "engine/Asymmetry.h"

#include <cmath>
#include <limits>

#include "evaluation.h"
#include "project/input_check.h"

namespace virano {

std::string CategoryName(ComfortCategory category) {
  return std::string(1, static_cast<char>('A' + static_cast<int>(category)));
}

int AsymmetryLimit(AsymmetryKind kind, ComfortCategory category) {
  constexpr int kAB[] = {10, 23, 5, 14}, kC[] = {13, 35, 7, 18};
  const auto k = static_cast<std::size_t>(kind);
  return category == ComfortCategory::C ? kC[k] : kAB[k];
}

AsymmetryKind KindOfAsymmetry(MainSurface surface, float delta) {
  if (surface == Floor || surface == Ceiling) {
    const float ceilingOverFloor = surface == Ceiling ? delta : -delta;
    return ceilingOverFloor < 0 ? AsymmetryKind::CoolCeiling : AsymmetryKind::WarmCeiling;
  }
  return delta > 0 ? AsymmetryKind::WarmWall : AsymmetryKind::CoolWall;
}

MainSurface OppositeSurface(MainSurface surface) {
  switch (surface) {
    case FrontWall: return RearWall;
    case RearWall: return FrontWall;
    case LeftWall: return RightWall;
    case RightWall: return LeftWall;
    case Floor: return Ceiling;
    case Ceiling: break;
  }
  return Floor;
}

SurfacePoint OppositePoint(MainSurface surface, SurfacePoint p, const RoomExtents& room) {
  const auto less = [](float a, float b) {
    return evaluation::Single(static_cast<long double>(a) - b);
  };
  switch (surface) {
    case FrontWall:
    case RearWall: return {less(room.width, p.Xp), p.Yp, less(room.depth, p.Zp)};
    case LeftWall:
    case RightWall: return {less(room.depth, p.Xp), p.Yp, less(room.width, p.Zp)};
    case Floor:
    case Ceiling: break;
  }
  return {p.Xp, p.Yp, less(room.height, p.Zp)};
}

namespace {

constexpr int kX2 = 2, kY2 = 4;  // the cells of a surface row

// A stored size in single precision, or nothing when it is no number (or
// none that single precision holds).
std::optional<float> Size(const TRoomRecord& room, int surface, int col, bool decimalPunkt) {
  const auto value = TryStrToFloat(
      DecimalFormat(room.Ytor[surface][0].cell(col).Text(), decimalPunkt), decimalPunkt);
  if (!value || !(std::fabs(*value) <= std::numeric_limits<float>::max())) return std::nullopt;
  return static_cast<float>(*value);
}

}  // namespace

RoomExtentsOrReason AsymmetryExtents(const TRoomRecord& room, MainSurface surface,
                                     bool decimalPunkt) {
  const auto width = Size(room, FrontWall, kX2, decimalPunkt);
  const auto depth = Size(room, LeftWall, kX2, decimalPunkt);
  const auto height = Size(room, FrontWall, kY2, decimalPunkt);
  bool numbers = width && depth && height;
  for (const MainSurface s : {surface, OppositeSurface(surface)})
    numbers = numbers && Size(room, s, kX2, decimalPunkt) && Size(room, s, kY2, decimalPunkt);
  if (!numbers) return {std::nullopt, std::string(kExtentsNotNumbers)};
  return {RoomExtents{*width, *depth, *height}, {}};
}

bool OppositePointInside(const TRoomRecord& room, MainSurface surface, SurfacePoint p,
                         const RoomExtents& extents, bool decimalPunkt) {
  const MainSurface opposite = OppositeSurface(surface);
  const auto width = Size(room, opposite, kX2, decimalPunkt);
  const auto height = Size(room, opposite, kY2, decimalPunkt);
  const SurfacePoint q = OppositePoint(surface, p, extents);
  return width && height && q.Xp > 0 && q.Xp < *width && q.Yp > 0 && q.Yp < *height && q.Zp > 0;
}

Asymmetry AsymmetryAtPoint(Calculation& calc, MainSurface surface, SurfacePoint p,
                           const RoomExtents& extents, ComfortCategory category) {
  Asymmetry a;
  a.toward = VinkelKoeffPoint(calc, surface, 0, p.Xp, p.Yp, p.Zp);
  const SurfacePoint q = OppositePoint(surface, p, extents);
  a.away = VinkelKoeffPoint(calc, OppositeSurface(surface), 0, q.Xp, q.Yp, q.Zp);
  a.delta = evaluation::Single(static_cast<long double>(a.toward.SumVinkelKoeffTemp) -
                               a.away.SumVinkelKoeffTemp);
  a.kind = KindOfAsymmetry(surface, a.delta);
  a.limit = AsymmetryLimit(a.kind, category);
  a.overLimit = !(std::fabs(a.delta) < static_cast<float>(a.limit));
  return a;
}

std::string KelvinText(float value, bool decimalPunkt) {
  std::string text = evaluation::TemperatureText(value, decimalPunkt);
  if (text.front() == '-' && text.find_first_not_of("-0.,") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string VerdictText(bool overLimit) { return overLimit ? "Över gränsen" : "Godkänd"; }

AsymmetryRow AsymmetryHeading() {
  return {"Huvudyta",     "KP",            "Xp",        "Yp",    "Zp",
          "Tpr mot ytan", "Tpr från ytan", "Asymmetri", "Gräns", "Bedömning"};
}

void AsymmetryTable(const TRoomRecord& room, ComfortCategory category, bool decimalPunkt,
                    std::vector<AsymmetryRow>& rows) {
  using evaluation::PointCell;
  Calculation calc(room, decimalPunkt);
  for (const MainSurface surface : {FrontWall, LeftWall, RightWall, RearWall, Ceiling, Floor}) {
    const RoomExtentsOrReason extents = AsymmetryExtents(room, surface, decimalPunkt);
    for (int k = 0; k < 10; ++k) {  // the block's 11th row is never a point
      const TPointRow& stored = room.Punkter[surface][static_cast<std::size_t>(k)];
      if (!stored.InUse()) continue;
      AsymmetryRow row;
      row[0] = kMainSurfaceCaptions[surface];
      row[1] = std::to_string(k);
      row[2] = stored.Xp.Text();
      row[3] = stored.Yp.Text();
      row[4] = stored.Zp.Text();
      std::string& last = row[kAsymmetryColumns - 1];
      if (!extents.extents) {
        last = extents.reason;
      } else if (PointOutsideRoom(room, surface, k, decimalPunkt)) {
        last = kPointOutsideRoom;
      } else {
        evaluation::AtControlPoint(k, surface, [&] {
          evaluation::StoredRoom& texts = calc.stored();
          const SurfacePoint p{evaluation::Single(texts.Number(surface, k, PointCell::Xp)),
                               evaluation::Single(texts.Number(surface, k, PointCell::Yp)),
                               evaluation::Single(texts.Number(surface, k, PointCell::Zp))};
          if (!OppositePointInside(room, surface, p, *extents.extents, decimalPunkt)) {
            last = kPointOutsideRoom;
            return;
          }
          const Asymmetry a = AsymmetryAtPoint(calc, surface, p, *extents.extents, category);
          row[5] = evaluation::TemperatureText(a.toward.SumVinkelKoeffTemp, decimalPunkt);
          row[6] = evaluation::TemperatureText(a.away.SumVinkelKoeffTemp, decimalPunkt);
          row[7] = KelvinText(a.delta, decimalPunkt);
          row[8] = std::to_string(a.limit);
          row[9] = VerdictText(a.overLimit);
        });
      }
      rows.push_back(std::move(row));
    }
  }
}

}  // namespace virano
