#include "project/input_check.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "project/recordfile.h"
#include "support/TempDir.h"

namespace virano {
namespace {

// A row from "Namn|X1|X2|Y1|Y2|UVarde|Mi|TempUtsida|YtTemp".
TSurfaceRow Row(std::string cells) {
  TSurfaceRow row{};
  for (int c = 0; c < TSurfaceRow::kCellCount; ++c) {
    const auto bar = cells.find('|');
    row.cell(c).SetText(cells.substr(0, bar));
    cells = bar == std::string::npos ? "" : cells.substr(bar + 1);
  }
  return row;
}

TRoomRecord CompleteRoom() {
  TRoomRecord room{};
  room.RumsNamn.SetText("Hall");
  for (int s = 0; s < kMainSurfaceCount; ++s)
    room.Ytor[s][0] = Row(std::string(kMainSurfaceCaptions[s]) + "|0|4|0|3||||20");
  return room;
}

TEST(InputCheck, RowMessages) {
  const struct {
    const char* row;
    int r;
    MainSurface s;
    const char* message;
  } cases[] = {
      {"|0|4|0|3||||20", 0, FrontWall, "Saknar koordinater, "},
      {"|0|4|0|3", 3, FrontWall, ""},
      {"Fönster|0|4|0|||||20", 1, Floor, "Saknar koordinater, "},
      {"Fönster|0|4|0||1|1|1", 1, Floor, "Saknar koordinater,  saknar yttemp"},
      {"Dörr 1|1|2|0|2|1,1|0,13", 2, LeftWall, " saknar byggnadsdata,  saknar yttemp"},
      {"Dörr 1|1|2|0|2|1,1|0,13", 2, RearWall, " saknar byggnadsdata , saknar yttemp"},
      {"Dörr 1|1|2|0|2|1,1|0,13||18", 2, RearWall, ""},
      {"Vägg bak|0|4|0|3|0,3|0,13|-20", 0, RearWall, " saknar yttemp"},
  };
  for (const auto& c : cases) EXPECT_EQ(RowErrorMessage(Row(c.row), c.r, c.s), c.message) << c.row;
}

TEST(InputCheck, RoomErrorsAndTheErrorFile) {
  EXPECT_TRUE(RoomErrors(CompleteRoom(), 1, false).empty());
  TRoomRecord room{};
  room.RumsNamn.SetText("Hall");
  room.Ytor[FrontWall][0] = CompleteRoom().Ytor[FrontWall][0];
  const auto errors = RoomErrors(room, 7, false);
  ASSERT_EQ(errors.size(), 5u);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(errors[i].Yta.Text() + "|" + errors[i].Delyta.Text() + "|" + errors[i].Felmeddelande.Text(),
              std::string(kMainSurfaceCaptions[i + 1]) + "||Saknar koordinater, ");
  EXPECT_EQ(errors[4].Nr.Get(), 7);
  EXPECT_EQ(errors[4].RumsNamn.Text(), "Hall");

  // Two errors, one of them a sub-surface; the block's 21st row is not checked.
  const testing::TempDir temp("check");
  const std::filesystem::path& dir = temp.path();
  room = CompleteRoom();
  room.Ytor[Floor][0].Y2.SetText("");
  room.Ytor[Ceiling][19].Namn.SetText("Lampa");
  room.Ytor[Ceiling][20].Namn.SetText("Spill");
  const ProjectFile project(dir / "hus.rot");
  project.Create();
  for (const TRoomRecord& r : {room, room, CompleteRoom()}) project.Append(r);
  const ErrorFile file(dir / "hus.rof");
  EXPECT_EQ(CheckRoomFile(project.path(), file.path(), 1, false).size(), 2u);
  EXPECT_EQ(std::filesystem::file_size(file.path()), 182u);
  EXPECT_EQ(file.Read(1).Delyta.Text(), "Lampa");
  EXPECT_TRUE(CheckRoomFile(project.path(), file.path(), 2, false).empty());
  EXPECT_EQ(std::filesystem::file_size(file.path()), 0u);
}

// A point in front of a main surface of the 4 × 4 × 3 m room, as
// "Xp|Yp|Zp": inside the surface and the room's depth in front of it, or not.
struct PointCase {
  const char* name;
  MainSurface surface;
  const char* point;
  bool outside;
};

class PointOutsideTest : public ::testing::TestWithParam<PointCase> {};

TEST_P(PointOutsideTest, IsListedWithItsNumber) {
  TRoomRecord room = CompleteRoom();
  TPointRow& point = room.Punkter[GetParam().surface][3];
  const std::string cells = GetParam().point;
  point.Xp.SetText(cells.substr(0, cells.find('|')));
  point.Yp.SetText(cells.substr(cells.find('|') + 1, cells.rfind('|') - cells.find('|') - 1));
  point.Zp.SetText(cells.substr(cells.rfind('|') + 1));
  EXPECT_EQ(PointOutsideRoom(room, GetParam().surface, 3, false), GetParam().outside);
  const auto errors = RoomErrors(room, 2, false);
  ASSERT_EQ(errors.size(), GetParam().outside ? 1u : 0u);
  if (GetParam().outside) {
    EXPECT_EQ(errors[0].Yta.Text(), kMainSurfaceCaptions[GetParam().surface]);
    EXPECT_EQ(errors[0].Felmeddelande.Text(), "Punkt 3 ligger utanför rummet");
  }
}

INSTANTIATE_TEST_SUITE_P(
    InputCheck, PointOutsideTest,
    ::testing::Values(PointCase{"Inside", FrontWall, "2|1,5|1", false},
                      PointCase{"OnTheWallsEdge", FrontWall, "0|1,5|1", true},
                      PointCase{"AboveTheWall", FrontWall, "2|3,5|1", true},
                      PointCase{"BehindTheOppositeWall", FrontWall, "2|1,5|5", true},
                      PointCase{"NegativeDistance", RearWall, "2|1,5|-1", true},
                      PointCase{"AcrossTheRoomFromTheLeftWall", LeftWall, "2|1|4", true},
                      PointCase{"UnderTheCeiling", Floor, "2|2|2,9", false},
                      PointCase{"AtTheCeiling", Floor, "2|2|3", true},
                      PointCase{"SizesNotNumbersYet", Ceiling, "2|2|abc", false}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(InputCheck, ARoomWhoseSizesAreNoNumbersHasNoPointOutside) {
  TRoomRecord room = CompleteRoom();
  room.Ytor[LeftWall][0].X2.SetText("");
  room.Punkter[FrontWall][0].Xp.SetText("2");
  room.Punkter[FrontWall][0].Yp.SetText("1");
  room.Punkter[FrontWall][0].Zp.SetText("9");  // the depth is not known yet
  EXPECT_FALSE(PointOutsideRoom(room, FrontWall, 0, false));
}

}  // namespace
}  // namespace virano
