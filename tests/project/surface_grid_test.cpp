#include "project/surface_grid.h"

#include <gtest/gtest.h>

namespace virano {
namespace {

TEST(SurfaceGridTest, TheMainSurfacesNameAndOriginCannotBeEntered) {
  struct Case { int fromCol, fromRow, toCol, toRow; bool allowed; int jumpCol; };
  for (const Case& c : {
           Case{2, 2, 3, 2, false, 4},  // Tab from X2 lands on Y2
           Case{3, 3, 3, 2, false, 4},
           Case{4, 2, 3, 2, false, 2},  // back from Y2 to X2
           Case{5, 3, 0, 2, false, -1}, Case{5, 3, 1, 2, false, -1},
           Case{5, 3, 2, 2, true, -1}, Case{5, 3, 4, 2, true, -1},
           Case{2, 2, 0, 3, true, -1}, Case{2, 2, 3, 3, true, -1},
       }) {
    const SurfaceMove move = SurfaceGridMove(c.fromCol, c.fromRow, c.toCol, c.toRow);
    EXPECT_EQ(move.allowed, c.allowed) << c.toCol << "," << c.toRow;
    EXPECT_EQ(move.jumpCol, c.jumpCol) << c.toCol << "," << c.toRow;
  }
}

TEST(SurfaceGridTest, SurfaceTemperatureIsComputedOrEmptiedOrKept) {
  EXPECT_EQ(SurfaceTempFor("0,3", "0,13", "-20"), SurfaceTempAction::kCompute);
  EXPECT_EQ(SurfaceTempFor("0,3", "0,13", ""), SurfaceTempAction::kEmpty);
  EXPECT_EQ(SurfaceTempFor("", "0,13", "-20"), SurfaceTempAction::kKeep);
  EXPECT_EQ(SurfaceTempFor("0,3", "", ""), SurfaceTempAction::kKeep);
}

TEST(SurfaceGridTest, MissingAndOutOfRangeCellsAreMarked) {
  const SurfaceCells main{"Vägg fram", "0", "4", "0", "2,5", "", "", "", "18"};
  const SurfaceCells window{"Fönster", "", "4,5", "1", "2.5", "", "", "", ""};
  const SurfaceCells unnamed{"", "", "5", "", "3", "", "", "", ""};
  const SurfaceCells typing{"Dörr", "1", "-", "0", "2", "", "", "", "18"};
  struct Case { const SurfaceCells* row; int col; CellMark mark; };
  for (const Case& c : {
           Case{&window, 1, CellMark::kMissing}, Case{&window, 2, CellMark::kBeyond},
           Case{&window, 3, CellMark::kNone}, Case{&window, 4, CellMark::kNone},  // 2.5 = 2,5
           Case{&window, 8, CellMark::kMissing}, Case{&window, 0, CellMark::kNone},
           Case{&window, 5, CellMark::kNone}, Case{&unnamed, 1, CellMark::kNone},
           Case{&unnamed, 2, CellMark::kBeyond}, Case{&unnamed, 4, CellMark::kBeyond},
           Case{&unnamed, 8, CellMark::kNone}, Case{&main, 2, CellMark::kNone},
           Case{&typing, 2, CellMark::kNone},
       }) {
    EXPECT_EQ(SurfaceCellMark(c.col, *c.row, main, true), c.mark) << (*c.row)[0] << " " << c.col;
  }
  const SurfaceCells noWidth{"Vägg fram", "0", "", "0", "", "", "", "", ""};
  EXPECT_EQ(SurfaceCellMark(2, noWidth, noWidth, false), CellMark::kMissing);
  EXPECT_EQ(SurfaceCellMark(2, window, noWidth, false), CellMark::kNone);
}

}  // namespace
}  // namespace virano
