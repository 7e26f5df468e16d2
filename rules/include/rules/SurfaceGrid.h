#pragma once
// Rules of the surface grid: where the current cell may go, what a row's
// surface temperature cell gets, and which cells are painted red. Grid rows
// count the two heading rows: row 2 is the main surface, rows 3 on its
// sub-surfaces. Columns: 0 name, 1 X1, 2 X2, 3 Y1, 4 Y2, 5 U-value, 6 "mi",
// 7 outside temperature, 8 surface temperature.
#include <array>
#include <string>
#include <vector>

#include "project/record.h"
#include "rules/Points.h"

namespace virano {

inline constexpr int kMainSurfaceRow = 2;

using SurfaceBlock = std::array<TSurfaceRow, kSurfaceRowsPerBlock>;

// The most data rows the surface grid shows: the main surface and 19
// sub-surfaces. The block's 21st row is never shown.
inline constexpr int kMaxSurfaceGridDataRows = 20;

// Data rows the surface grid needs so that every row of `block` holding any
// text is shown: at least `shown` (the grid is never made smaller), at most
// kMaxSurfaceGridDataRows.
int SurfaceGridDataRows(const SurfaceBlock& block, int shown);

// A move of the current cell from (fromCol, fromRow) to (toCol, toRow). The
// name, X1 and Y1 of the main surface are set by the program and cannot be
// entered. Y1 is skipped: the cursor jumps on to Y2, or back to X2 when it
// comes from Y2. jumpCol is the column of the main surface's row to go to
// at once, or -1.
struct SurfaceMove {
  bool allowed = true;
  int jumpCol = -1;
};
SurfaceMove SurfaceGridMove(int fromCol, int fromRow, int toCol, int toRow);

// The column the current cell rests in when a change of the rows, not a
// move, puts it on (col, row): never the main surface's name, X1 or Y1.
int SurfaceRestingCol(int col, int row);

// What a row's surface temperature gets once its U-value, "mi" and outside
// temperature are looked at: computed when all three are given, emptied when
// only the outside temperature is missing, else kept as typed.
enum class SurfaceTempAction { kKeep, kCompute, kEmpty };
SurfaceTempAction SurfaceTempFor(const std::string& uVarde, const std::string& mi,
                                 const std::string& tempUtsida);

// The nine cells of a grid row.
using SurfaceCells = std::array<std::string, 9>;

// How a cell of a data row is painted: normally, red because a named row
// lacks it, or red with its value in maroon because it reaches beyond the
// main surface (X2 or Y2 greater than the main surface's) or, for "mi",
// because U-value × mi is larger than 1.
enum class CellMark { kNone, kMissing, kBeyond };
CellMark SurfaceCellMark(int col, const SurfaceCells& row, const SurfaceCells& mainRow,
                         bool decimalPunkt);

// How a cell of a point row is painted: red with its value in maroon when
// Xp is not inside the main surface's width, Yp not inside its height, or Zp
// not inside the room's depth `depth` in front of it (OutsideSpan).
CellMark PointCellMark(int col, const PointTexts& point, const SurfaceCells& mainRow,
                       const std::string& depth, bool decimalPunkt);

// Whether the grids show a cell painted red: the surface grid's data rows
// `rows` (the main surface's first) and the point rows `points` in front of
// a room `depth` deep.
bool AnyCellMarked(const std::vector<SurfaceCells>& rows, const std::vector<PointTexts>& points,
                   const std::string& depth, bool decimalPunkt);

}  // namespace virano
