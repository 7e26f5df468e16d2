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
  EXPECT_TRUE(RoomErrors(CompleteRoom(), 1).empty());
  TRoomRecord room{};
  room.RumsNamn.SetText("Hall");
  room.Ytor[FrontWall][0] = CompleteRoom().Ytor[FrontWall][0];
  const auto errors = RoomErrors(room, 7);
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
  EXPECT_EQ(CheckRoomFile(project.path(), file.path(), 1).size(), 2u);
  EXPECT_EQ(std::filesystem::file_size(file.path()), 182u);
  EXPECT_EQ(file.Read(1).Delyta.Text(), "Lampa");
  EXPECT_TRUE(CheckRoomFile(project.path(), file.path(), 2).empty());
  EXPECT_EQ(std::filesystem::file_size(file.path()), 0u);
}

}  // namespace
}  // namespace virano
