// The calculation driver on project files: the table's layout and how a
// stopped calculation leaves it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "engine/kernels.h"
#include "project/recordfile.h"
#include "support/ProjectWriter.h"
#include "support/RoomBuilder.h"
#include "support/TempDir.h"

namespace virano {
namespace {

using testing::RoomBuilder;
using testing::TempDir;
using testing::WriteProject;
using Texts = std::vector<std::string>;

class KalkylTest : public ::testing::Test {
 protected:
  std::filesystem::path Project(std::initializer_list<const TRoomRecord*> rooms) {
    const auto path = dir_.path() / "projekt.rot";
    WriteProject(path, rooms);
    return path;
  }
  ResultTable Run(const std::filesystem::path& path, int nr, bool detailed,
                  bool decimalPunkt = false) {
    ResultTable t;
    t.SetUp(detailed);
    Kalkyl(path, nr, detailed, decimalPunkt, t);
    return t;
  }
  static Texts Column(const ResultTable& t, int c) {
    Texts cells;
    for (const auto& r : t.rows) cells.push_back(r[static_cast<std::size_t>(c)]);
    return cells;
  }
  static bool Empty(const ResultTable::Row& row) {
    for (const auto& cell : row)
      if (!cell.empty()) return false;
    return true;
  }

  TempDir dir_{"kalkyl"};
};

TEST_F(KalkylTest, TwoPointsInResultMode) {
  RoomBuilder room(4, 5, 2.5);
  room.Point(FrontWall, 0, 1, 1.25, 1).Point(FrontWall, 1, 3, 1.25, 1);
  const ResultTable t = Run(Project({&room.record()}), 1, false);
  ASSERT_EQ(t.RowCount(), 7);
  EXPECT_EQ(t.rows[2][0], "");
  EXPECT_EQ(t.rows[3], (ResultTable::Row{"Kontor", "", "Min. 20,5", "", "", "", "", "", "", "NR"}));
  EXPECT_EQ(t.rows[4][0], "  Vägg fram");
  EXPECT_EQ(t.rows[4][1], "0");
  EXPECT_EQ(t.rows[5][1], "1");
  EXPECT_EQ(t.rows[4][4], "1,00");
  EXPECT_EQ(t.rows[5][4], "1,00");
  EXPECT_TRUE(Empty(t.rows[6]));
}

TEST_F(KalkylTest, DetailedRowsFollowEachPoint) {
  RoomBuilder room(4, 5, 2.5);
  room.SubSurface(FrontWall, 1, "Fönster", 1, 3, 1, 2, 8);
  room.Point(FrontWall, 0, 1, 1.25, 1).Point(FrontWall, 1, 3, 1.25, 1);
  const ResultTable t = Run(Project({&room.record()}), 1, true);
  const Texts block = {"  Vägg fram", "    Fönster", "  Vägg vänster", "  Vägg höger", "  Tak",
                       "  Golv"};
  Texts expected = {"Rum", "  Huvudyta", "    Delytor", "Kontor"};
  for (int point = 0; point < 2; ++point) expected.insert(expected.end(), block.begin(), block.end());
  expected.push_back("");
  EXPECT_EQ(Column(t, 0), expected);
  EXPECT_EQ(t.rows[4][1], "0");
  EXPECT_EQ(t.rows[10][1], "1");
  EXPECT_EQ(t.rows[15][1], "1");
}

TEST_F(KalkylTest, MainSurfacesInTheirOrderWithTheCeilingBeforeTheFloor) {
  RoomBuilder room(4, 5, 2.5);
  for (int s = 0; s < kMainSurfaceCount; ++s) room.Point(s, 0, 1, 1, 1);
  const ResultTable t = Run(Project({&room.record()}), 1, false, true);
  EXPECT_EQ(Column(t, 0), (Texts{"Rum", "  Huvudyta", "", "Kontor", "  Vägg fram",
                                 "  Vägg vänster", "  Vägg höger", "  Vägg bak", "  Tak", "  Golv",
                                 ""}));
  EXPECT_EQ(t.rows[3][2], "Min. 20.5");
  for (int r = 4; r < 10; ++r) EXPECT_EQ(t.rows[r][4], "1.00") << r;
}

TEST_F(KalkylTest, RoomsAreReadByNumberAndStaleRowsGo) {
  RoomBuilder first(4, 5, 2.5), second(3, 3, 2.4);
  second.record().RumsNamn.SetText("Hall");
  second.Point(Floor, 0, 1.5, 1.5, 1);
  const auto path = Project({&first.record(), &second.record()});
  ResultTable t = Run(path, 2, false);
  EXPECT_EQ(t.RowCount(), 6);
  Kalkyl(path, 1, false, false, t);  // the same table once more, another room
  EXPECT_EQ(Column(t, 0), (Texts{"Rum", "  Huvudyta", "", "Kontor", ""}));
}

TEST_F(KalkylTest, ProjectWithoutRoomsGivesTheHeadingsAndEmptyRows) {
  const ResultTable t = Run(Project({}), 1, false);
  ASSERT_EQ(t.RowCount(), 5);
  EXPECT_TRUE(Empty(t.rows[3]));
  EXPECT_TRUE(Empty(t.rows[4]));
}

TEST_F(KalkylTest, NoProjectLeavesTheTableAlone) {
  ResultTable t;
  t.SetUp(true);
  Kalkyl({}, 1, true, false, t);
  EXPECT_EQ(t.RowCount(), 4);
  EXPECT_EQ(t.rows[2][0], "    Delytor");
}

TEST_F(KalkylTest, MissingFileOrRoomIsAFileError) {
  RoomBuilder room(4, 5, 2.5);
  const auto path = Project({&room.record()});
  EXPECT_THROW(Run(path, 2, false), ReadPastEndError);
  EXPECT_THROW(Run(dir_.path() / "saknas.rot", 1, false), FileError);
}

int OpenFiles() {
  int n = 0;
  for ([[maybe_unused]] const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) ++n;
  return n;
}

// A text that is not a number stops the calculation: the rows written so far
// stay, the final empty row is not added, and the file is closed.
TEST_F(KalkylTest, ConversionErrorKeepsTheRowsWrittenSoFar) {
  RoomBuilder room(4, 5, 2.5);
  room.Point(FrontWall, 0, 2, 1.25, 1).Point(LeftWall, 0, 2, 1.25, 1);
  room.record().Punkter[LeftWall][0].Zp.SetText("1m");
  const auto path = Project({&room.record()});
  const int open = OpenFiles();
  ResultTable t;
  t.SetUp(true);
  try {
    Kalkyl(path, 1, true, false, t);
    FAIL() << "no error";
  } catch (const ConversionError& e) {
    EXPECT_NE(std::string(e.what()).find("1m"), std::string::npos);
  }
  EXPECT_EQ(OpenFiles(), open);
  EXPECT_EQ(t.RowCount(), 9);  // headings, room row, the front wall's point in 5 rows
  EXPECT_EQ(t.rows.back()[0], "  Golv");
}

TEST_F(KalkylTest, PointInThePlaneOfASideSurfaceIsADivisionByZero) {
  RoomBuilder room(4, 5, 2.5);
  room.Point(FrontWall, 0, 0, 1.25, 1);  // on the left wall's plane
  ResultTable t;
  t.SetUp(false);
  EXPECT_THROW(Kalkyl(Project({&room.record()}), 1, false, false, t), CalculationError);
  ASSERT_EQ(t.RowCount(), 5);
  EXPECT_EQ(t.rows[4][0], "  Vägg fram");
  EXPECT_EQ(t.rows[4][2], "");  // the point's results never came
}

}  // namespace
}  // namespace virano
