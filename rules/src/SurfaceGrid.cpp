#include "rules/SurfaceGrid.h"

#include <algorithm>

#include "project/input_check.h"
#include "project/numbers.h"
#include "rules/Thermal.h"

namespace virano {

namespace {

bool HoldsText(const TSurfaceRow& row) {
  for (int c = 0; c < TSurfaceRow::kCellCount; ++c)
    if (!row.cell(c).Empty()) return true;
  return false;
}

constexpr int kX2 = 2, kY1 = 3, kY2 = 4;

// A cell greater than the same cell of the main surface; a text that is not
// (yet) a number is never beyond.
bool Beyond(const std::string& cell, const std::string& mainCell, bool decimalPunkt) {
  if (cell.empty() || mainCell.empty()) return false;
  try {
    return StrToFloat(DecimalFormat(cell, decimalPunkt), decimalPunkt) >
           StrToFloat(DecimalFormat(mainCell, decimalPunkt), decimalPunkt);
  } catch (const ConversionError&) {
    return false;
  }
}

}  // namespace

SurfaceMove SurfaceGridMove(int fromCol, int fromRow, int toCol, int toRow) {
  if (toRow != kMainSurfaceRow || toCol > kY1 || toCol == kX2) return {};
  SurfaceMove move{.allowed = false};
  if (toCol == kY1) move.jumpCol = fromRow == kMainSurfaceRow && fromCol == kY2 ? kX2 : kY2;
  return move;
}

int SurfaceRestingCol(int col, int row) {
  if (row != kMainSurfaceRow || col > kY1 || col == kX2) return col;
  return col == kY1 ? kY2 : kX2;
}

SurfaceTempAction SurfaceTempFor(const std::string& uVarde, const std::string& mi,
                                 const std::string& tempUtsida) {
  if (uVarde.empty() || mi.empty()) return SurfaceTempAction::kKeep;
  return tempUtsida.empty() ? SurfaceTempAction::kEmpty : SurfaceTempAction::kCompute;
}

CellMark SurfaceCellMark(int col, const SurfaceCells& row, const SurfaceCells& mainRow,
                         bool decimalPunkt) {
  const bool named = !row[0].empty();
  switch (col) {
    case 2:
    case 4:
      if (Beyond(row[col], mainRow[col], decimalPunkt)) return CellMark::kBeyond;
      [[fallthrough]];
    case 1:
    case 3:
    case 8:
      return named && row[col].empty() ? CellMark::kMissing : CellMark::kNone;
    case 6:
      return ResistanceTooLarge(row[5], row[6], decimalPunkt) ? CellMark::kBeyond : CellMark::kNone;
    default:
      return CellMark::kNone;
  }
}

CellMark PointCellMark(int col, const PointTexts& point, const SurfaceCells& mainRow,
                       const std::string& depth, bool decimalPunkt) {
  if (col < 0 || col > 2 || point[0].empty()) return CellMark::kNone;
  const std::string& limit = col == 0 ? mainRow[kX2] : col == 1 ? mainRow[kY2] : depth;
  return OutsideSpan(point[col], limit, decimalPunkt) ? CellMark::kBeyond : CellMark::kNone;
}

bool AnyCellMarked(const std::vector<SurfaceCells>& rows, const std::vector<PointTexts>& points,
                   const std::string& depth, bool decimalPunkt) {
  if (rows.empty()) return false;
  const SurfaceCells& mainRow = rows.front();
  for (const SurfaceCells& row : rows)
    for (int col : {1, 2, 3, 4, 6, 8})
      if (SurfaceCellMark(col, row, mainRow, decimalPunkt) != CellMark::kNone) return true;
  for (const PointTexts& point : points)
    for (int col : {0, 1, 2})
      if (PointCellMark(col, point, mainRow, depth, decimalPunkt) != CellMark::kNone) return true;
  return false;
}

int SurfaceGridDataRows(const SurfaceBlock& block, int shown) {
  int needed = 0;
  for (int r = 0; r < kMaxSurfaceGridDataRows; ++r)
    if (HoldsText(block[r])) needed = r + 1;
  return std::clamp(std::max(needed, shown), 1, kMaxSurfaceGridDataRows);
}

}  // namespace virano
