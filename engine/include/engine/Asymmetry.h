#pragma once
// Radiant temperature asymmetry at a point of a room. The plane radiant
// temperature of the half-space that a control point's element faces is the
// sum of view factor × surface temperature that the point's row of the
// result table shows; that of the half-space behind it is the same sum for
// the same point seen as a point of the opposite main surface. Their
// difference is judged against the comfort limits of a category.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/calculation.h"

namespace virano {

// The comfort categories; A and B share their limits.
enum class ComfortCategory { A, B, C };

// "A", "B" or "C".
std::string CategoryName(ComfortCategory category);

// What an asymmetry is, by the surface that makes it.
enum class AsymmetryKind { CoolWall, WarmWall, WarmCeiling, CoolCeiling };

// The asymmetry a category accepts, in K: less than 10 toward a cool wall,
// 23 toward a warm wall, 5 under a warm ceiling and 14 under a cool ceiling
// in A and B; 13, 35, 7 and 18 in C.
int AsymmetryLimit(AsymmetryKind kind, ComfortCategory category);

// The kind of the asymmetry `delta` (the faced half-space less the one
// behind) at a point in front of `surface`: before a wall a negative delta is
// a cool wall and a positive one a warm wall; before the floor or the
// ceiling the ceiling's half-space over the floor's decides. No asymmetry at
// all takes the stricter of the two.
AsymmetryKind KindOfAsymmetry(MainSurface surface, float delta);

// The main surface across the room: front and rear wall, left and right
// wall, floor and ceiling.
MainSurface OppositeSurface(MainSurface surface);

// The room's width (X2 of the front wall's own row), depth (X2 of the left
// wall's own row) and height (Y2 of the front wall's own row).
struct RoomExtents {
  float width = 0, depth = 0, height = 0;
};

// A point in front of a main surface, in that surface's frame: its position
// on the surface and its distance from it.
struct SurfacePoint {
  float Xp = 0, Yp = 0, Zp = 0;
};

// The same point in the frame of the opposite surface: front (Xp, Yp, Zp) is
// rear (width − Xp, Yp, depth − Zp), left (Xp, Yp, Zp) is right
// (depth − Xp, Yp, width − Zp), floor (Xp, Yp, Zp) is ceiling
// (Xp, Yp, height − Zp), and each the other way round.
SurfacePoint OppositePoint(MainSurface surface, SurfacePoint p, const RoomExtents& room);

// Why the half-space behind the points of `surface` cannot be evaluated in a
// stored room: the room's extents, or the own or the opposite surface's
// width and height, are not numbers. Otherwise the extents.
struct RoomExtentsOrReason {
  std::optional<RoomExtents> extents;
  std::string reason;
};
RoomExtentsOrReason AsymmetryExtents(const TRoomRecord& room, MainSurface surface,
                                     bool decimalPunkt);

// The point `p` of `surface`, mirrored, lies strictly inside the opposite
// surface's width and height and in front of it.
bool OppositePointInside(const TRoomRecord& room, MainSurface surface, SurfacePoint p,
                         const RoomExtents& extents, bool decimalPunkt);

struct Asymmetry {
  PointResult toward;  // the point facing its surface, as its table row shows it
  PointResult away;    // the same point facing the opposite surface
  float delta = 0;     // toward less away, of the sums of view factor × temperature, K
  AsymmetryKind kind = AsymmetryKind::CoolWall;
  int limit = 0;           // K
  bool overLimit = false;  // |delta| not below the limit
};

// The asymmetry at `p` in front of `surface`, both half-spaces evaluated as
// the result table evaluates a point. ConversionError and CalculationError
// as in Kalkyl.
Asymmetry AsymmetryAtPoint(Calculation& calc, MainSurface surface, SurfacePoint p,
                           const RoomExtents& extents, ComfortCategory category);

// The texts of the table: an asymmetry in K with two decimals (never
// "-0,00"), and the verdict "Godkänd" or "Över gränsen".
std::string KelvinText(float value, bool decimalPunkt);
std::string VerdictText(bool overLimit);

// The asymmetry table of a room: "Huvudyta", "KP", "Xp", "Yp", "Zp",
// "Tpr mot ytan", "Tpr från ytan", "Asymmetri", "Gräns", "Bedömning".
inline constexpr int kAsymmetryColumns = 10;
using AsymmetryRow = std::array<std::string, kAsymmetryColumns>;
AsymmetryRow AsymmetryHeading();

// The reasons a point has no asymmetry, in its row's last cell.
inline constexpr std::string_view kExtentsNotNumbers = "Rummets mått är inte tal";
inline constexpr std::string_view kPointOutsideRoom = "Punkten ligger utanför rummet";

// Appends to `rows` one row for each control point of a stored room, in the
// order of the result table (front, left, right and rear wall, ceiling,
// floor; a surface's points in row order): the surface's caption, the
// point's number and its coordinates as stored, then its asymmetry; a point
// whose half-space behind cannot be evaluated keeps these cells empty and
// tells why in the last one. An error of a point ends the table, naming the
// point, with the rows before it appended.
void AsymmetryTable(const TRoomRecord& room, ComfortCategory category, bool decimalPunkt,
                    std::vector<AsymmetryRow>& rows);

}  // namespace virano
