#pragma once
// The ROT at any point in front of a main surface of a stored room, by the
// evaluation that fills the result table, and the map of it, or of the
// radiant temperature asymmetry, over a grid of points, computed on every
// CPU the process may use.
#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/Asymmetry.h"
#include "engine/calculation.h"

namespace virano {

// The point (Xp, Yp) of `surface`'s frame, Zp in front of it: the numbers
// its row of the result table would show. ConversionError and
// CalculationError as in Kalkyl.
PointResult RotAtPoint(const TRoomRecord& room, MainSurface surface, float Xp, float Yp, float Zp,
                       bool decimalPunkt);

// What a map shows: the ROT, or the radiant temperature asymmetry judged
// against the limits of a comfort category.
enum class MapQuantity { Rot, Asymmetry };

struct RotMapRequest {
  MainSurface surface = FrontWall;
  MapQuantity quantity = MapQuantity::Rot;
  ComfortCategory category = ComfortCategory::A;
  // Every point's Zp, and the step between neighbouring points, in metres:
  // converted from texts as the stored numbers are, so that a grid point
  // falls exactly on a typed control point at the same position.
  long double distance = 1.0L;
  long double step = 0.10L;
  unsigned threads = 0;   // 0: one for each CPU the process may use (UsableCpuCount)
  // Set (from any thread) to stop early; the map then comes back cancelled.
  const std::atomic<bool>* cancel = nullptr;
  // Points done of all, called now and then on the calling thread, last with
  // done = total when the map is complete.
  std::function<void(int done, int total)> progress;
};

struct RotMapCell {
  float Xp = 0, Yp = 0;       // position on the main surface, m
  float ROT = 0;              // °C
  float sum = 0;              // sum of the view factors seen
  bool belowMinimum = false;  // ROT < the room's MinRot
  bool done = false;          // false only in a cancelled map
  // The asymmetry map's: the plane radiant temperatures toward the surface
  // and away from it, their difference, and the limit that applies.
  float toward = 0, away = 0, asymmetry = 0;
  int limit = 0;
  bool overLimit = false;     // the asymmetry not below its limit
};

struct RotMap {
  MainSurface surface = FrontWall;
  MapQuantity quantity = MapQuantity::Rot;
  ComfortCategory category = ComfortCategory::A;
  float width = 0, height = 0;  // X2 and Y2 of the main surface's own row
  float distance = 0;
  long double step = 0;
  int columns = 0, rows = 0;    // points along X and along Y
  std::vector<RotMapCell> cells;  // row by row from the lowest Y, X rising
  std::optional<long double> minRot;  // MinRot, when it holds a number
  bool cancelled = false;

  const RotMapCell& At(int column, int row) const {
    return cells[static_cast<std::size_t>(row * columns + column)];
  }
};

// The map as a table of texts, as virano-kalkyl prints it and CSV takes it:
// the heading "Xp", "Yp", "ROT", "Summa vinkelkoeff.", then one row per
// computed point. The positions are written with the decimals the step needs
// (at least 2), ROT and the sum as in the result table.
using RotMapRow = std::array<std::string, 4>;
std::vector<RotMapRow> RotMapTable(const RotMap& map, bool decimalPunkt);

// The asymmetry map as a table of texts: the heading "Xp", "Yp",
// "Tpr mot ytan", "Tpr från ytan", "Asymmetri", "Gräns", "Bedömning", then
// one row per computed point, written as the room's asymmetry table writes
// them.
std::vector<std::vector<std::string>> AsymmetryMapTable(const RotMap& map, bool decimalPunkt);

// The table of either map, as virano-kalkyl prints it and CSV takes it.
std::vector<std::vector<std::string>> MapTable(const RotMap& map, bool decimalPunkt);

// The grid's positions along an extent: the multiples of the step strictly
// between 0 and the extent (points on the surface's edges are left out).
std::vector<float> MapPositions(float extent, long double step);

// Why a map of `request` over a stored room would show nothing that can be
// right: a distance not strictly inside the room's depth in front of the
// surface, or a step that leaves no point on it; for the asymmetry also a
// room whose extents are not numbers, or points that seen from the opposite
// surface lie outside it. Nothing when the map has points; other sizes that
// are not numbers are left to the map to tell.
std::optional<std::string> RotMapRefusal(const TRoomRecord& room, const RotMapRequest& request,
                                         bool decimalPunkt);

// The map of `request.surface` of a stored room: the ROT and the sum of the
// view factors at every grid point at the requested distance. The first
// error of a point (in the cells' order) stops the map and is raised; a
// distance or step that is not positive, a grid of more than kMaxMapPoints
// points, or an asymmetry map of a room without extents, is a
// CalculationError.
inline constexpr int kMaxMapPoints = 1'000'000;
RotMap ComputeRotMap(const TRoomRecord& room, const RotMapRequest& request, bool decimalPunkt);

// The CPUs the calling thread may run on (its affinity, as taskset or a
// container's set of CPUs leaves it), fewer when the control group's CPU
// quota allows less time than that; at least 1.
unsigned UsableCpuCount();

}  // namespace virano
