#include "project/room_rules.h"

#include <gtest/gtest.h>

namespace virano {
namespace {

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

TEST(PathWithoutExtensionTest, CutsOnlyTheLastComponentsExtension) {
  EXPECT_EQ(PathWithoutExtension("/data/hus.rot"), "/data/hus");
  EXPECT_EQ(PathWithoutExtension("/data/hus.2024.rot"), "/data/hus.2024");
  EXPECT_EQ(PathWithoutExtension("/data/hus"), "/data/hus");
  EXPECT_EQ(PathWithoutExtension("/data.old/hus"), "/data.old/hus");
  EXPECT_EQ(PathWithoutExtension("C:\\Projekt.x\\hus.txt"), "C:\\Projekt.x\\hus");
  EXPECT_EQ(PathWithoutExtension("hus.rot"), "hus");
}

}  // namespace
}  // namespace virano
