#include "rules/SurfaceGrid.h"

#include <gtest/gtest.h>

namespace virano {
namespace {

TEST(SurfaceGridTest, TheMainSurfacesNameAndOriginCannotBeEntered) {
  struct Case { int fromCol, fromRow, toCol, toRow; bool allowed; int jumpCol; };
  for (const Case& c : {Case{2, 2, 3, 2, false, 4}, Case{3, 3, 3, 2, false, 4}, Case{4, 2, 3, 2, false, 2},
                        Case{5, 3, 0, 2, false, -1}, Case{5, 3, 1, 2, false, -1}, Case{5, 3, 2, 2, true, -1},
                        Case{5, 3, 4, 2, true, -1}, Case{2, 2, 3, 3, true, -1}}) {
    const SurfaceMove move = SurfaceGridMove(c.fromCol, c.fromRow, c.toCol, c.toRow);
    EXPECT_EQ(std::pair(move.allowed, move.jumpCol), std::pair(c.allowed, c.jumpCol))
        << c.toCol << "," << c.toRow;
  }
  EXPECT_EQ(SurfaceTempFor("0,3", "0,13", "-20"), SurfaceTempAction::kCompute);
  EXPECT_EQ(SurfaceTempFor("0,3", "0,13", ""), SurfaceTempAction::kEmpty);
  EXPECT_EQ(SurfaceTempFor("", "0,13", "-20"), SurfaceTempAction::kKeep);
}

TEST(SurfaceGridTest, MissingAndOutOfRangeCellsAreMarked) {
  const SurfaceCells main{"Vägg fram", "0", "4", "0", "2,5", "", "", "", "18"};
  const SurfaceCells window{"Fönster", "", "4,5", "1", "2.5", "", "", "", ""};
  const SurfaceCells unnamed{"", "", "5", "", "3", "", "", "", ""};
  const SurfaceCells typing{"Dörr", "1", "-", "0", "2", "", "", "", "18"};
  using M = CellMark;
  struct Case { const SurfaceCells* row; int col; M mark; };
  for (const Case& c : {Case{&window, 1, M::kMissing}, Case{&window, 2, M::kBeyond}, Case{&window, 4, M::kNone},
                        Case{&window, 8, M::kMissing}, Case{&window, 5, M::kNone}, Case{&unnamed, 1, M::kNone},
                        Case{&unnamed, 4, M::kBeyond}, Case{&main, 2, M::kNone}, Case{&typing, 2, M::kNone}})
    EXPECT_EQ(SurfaceCellMark(c.col, *c.row, main, true), c.mark) << (*c.row)[0] << " " << c.col;
  const SurfaceCells noWidth{"Vägg fram", "0", "", "0", "", "", "", "", ""};
  EXPECT_EQ(SurfaceCellMark(2, noWidth, noWidth, false), M::kMissing);
  EXPECT_EQ(SurfaceCellMark(2, window, noWidth, false), M::kNone);
}

TEST(SurfaceGridDataRowsTest, CoversTheLastRowHoldingAnyText) {
  SurfaceBlock block{};
  EXPECT_EQ(SurfaceGridDataRows(block, 8), 8);  // never smaller than shown
  block[0].Namn.SetText("Vägg fram");
  block[12].Namn.SetText("Fönster");
  EXPECT_EQ(SurfaceGridDataRows(block, 8), 13);
  // A row without a name but with a number still holds data.
  block[14].UVarde.SetText("0,3");
  EXPECT_EQ(SurfaceGridDataRows(block, 8), 15);
  EXPECT_EQ(SurfaceGridDataRows(block, 18), 18);
}

TEST(SurfaceGridDataRowsTest, AtMostTwentyRowsTheSpillRowIsNotShown) {
  SurfaceBlock block{};
  block[19].Namn.SetText("Sista");
  block[20].Namn.SetText("Spill");
  EXPECT_EQ(SurfaceGridDataRows(block, 8), 20);
  SurfaceBlock spillOnly{};
  spillOnly[20].X1.SetText("1");
  EXPECT_EQ(SurfaceGridDataRows(spillOnly, 8), 8);
}

}  // namespace
}  // namespace virano
