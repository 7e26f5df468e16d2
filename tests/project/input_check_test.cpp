#include "project/input_check.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "project/recordfile.h"
#include "project/summary_cells.h"

namespace virano {
namespace {

// A row named `name`; `cells` fills X1, X2, Y1, Y2, UVarde, Mi, TempUtsida,
// YtTemp in turn, an empty text leaving the cell empty.
TSurfaceRow Row(const char* name, std::array<const char*, 8> cells) {
  TSurfaceRow row{};
  row.Namn.SetText(name);
  for (int c = 0; c < 8; ++c) row.cell(c + 1).SetText(cells[c]);
  return row;
}

TRoomRecord CompleteRoom() {
  TRoomRecord room{};
  room.RumsNamn.SetText("Kontor");
  for (int s = 0; s < kMainSurfaceCount; ++s)
    room.Ytor[s][0] = Row(kMainSurfaceCaptions[s].data(), {"0", "4", "0", "3", "", "", "", "20"});
  return room;
}

TEST(InputCheck, RowMessages) {
  struct Case {
    TSurfaceRow row;
    int r;
    MainSurface s;
    const char* message;
  };
  const Case cases[] = {
      {Row("", {"0", "4", "0", "3", "", "", "", "20"}), 0, FrontWall, "Saknar koordinater, "},
      {Row("", {"0", "4", "0", "3", "", "", "", ""}), 3, FrontWall, ""},
      {Row("Fönster", {"0", "4", "0", "", "", "", "", "20"}), 1, Floor, "Saknar koordinater, "},
      {Row("Fönster", {"0", "4", "0", "", "1", "1", "1", ""}), 1, Floor,
       "Saknar koordinater,  saknar yttemp"},
      {Row("Dörr 1", {"1", "2", "0", "2", "1,1", "0,13", "", ""}), 2, LeftWall,
       " saknar byggnadsdata,  saknar yttemp"},
      {Row("Dörr 1", {"1", "2", "0", "2", "1,1", "0,13", "", ""}), 2, RearWall,
       " saknar byggnadsdata , saknar yttemp"},
      {Row("Dörr 1", {"1", "2", "0", "2", "1,1", "0,13", "", "18"}), 2, RearWall, ""},
      {Row("Vägg bak", {"0", "4", "0", "3", "0,3", "0,13", "-20", ""}), 0, RearWall,
       " saknar yttemp"},
  };
  for (const Case& c : cases) {
    const std::string message = RowErrorMessage(c.row, c.r, c.s);
    EXPECT_EQ(message, c.message) << c.row.Namn.Text() << " row " << c.r;
  }
  EXPECT_EQ(std::string(" saknar byggnadsdata,  saknar yttemp").size(), 36u);
}

TEST(InputCheck, RoomErrorsInBlockOrder) {
  EXPECT_TRUE(RoomErrors(CompleteRoom(), 1).empty());

  TRoomRecord onlyFront{};
  onlyFront.RumsNamn.SetText("Hall");
  onlyFront.Ytor[FrontWall][0] = CompleteRoom().Ytor[FrontWall][0];
  const auto errors = RoomErrors(onlyFront, 7);
  ASSERT_EQ(errors.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(errors[i].Nr.Get(), 7);
    EXPECT_EQ(errors[i].RumsNamn.Text(), "Hall");
    EXPECT_EQ(errors[i].Yta.Text(), kMainSurfaceCaptions[i + 1]);
    EXPECT_EQ(errors[i].Delyta.Text(), "");
    EXPECT_EQ(errors[i].Felmeddelande.Text(), "Saknar koordinater, ");
  }

  // A sub-surface is named in Delyta; the block's 21st row is never checked.
  TRoomRecord room = CompleteRoom();
  room.Ytor[Ceiling][19].Namn.SetText("Lampa");
  room.Ytor[Ceiling][20].Namn.SetText("Spill");
  const auto sub = RoomErrors(room, 2);
  ASSERT_EQ(sub.size(), 1u);
  EXPECT_EQ(sub[0].Yta.Text(), "Tak");
  EXPECT_EQ(sub[0].Delyta.Text(), "Lampa");
  EXPECT_EQ(sub[0].Felmeddelande.Text(), "Saknar koordinater,  saknar yttemp");
}

TEST(InputCheck, ErrorFileIsRewrittenByEachCheck) {
  const auto dir = std::filesystem::temp_directory_path() /
                   ("virano-check-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const auto project = dir / "hus.rot", errors = dir / "hus.rof";
  const ProjectFile file(project);
  file.Create();
  TRoomRecord room = CompleteRoom();
  file.Append(room);  // record 0
  file.Append(room);
  room.Ytor[Floor][0].Y2.SetText("");
  room.Ytor[Ceiling][3].Namn.SetText("Lampa");
  file.Append(room);

  EXPECT_EQ(CheckRoomFile(project, errors, 2), 2);
  EXPECT_EQ(std::filesystem::file_size(errors), 182u);
  EXPECT_EQ(ErrorFile(errors).Read(1).Delyta.Text(), "Lampa");
  EXPECT_EQ(CheckRoomFile(project, errors, 1), 0);
  EXPECT_EQ(std::filesystem::file_size(errors), 0u);
  EXPECT_THROW(CheckRoomFile(project, errors, 3), FileError);
  std::filesystem::remove_all(dir);
}

TEST(InputCheck, ErrorListWidthsLeaveTheRestToTheMessage) {
  EXPECT_EQ(ErrorListWidths(456, 1, 30, 100), (std::array<int, 5>{40, 110, 110, 110, 456 - 370 - 5 - 20}));
}

TEST(SummaryCells, PlaceAndColour) {
  struct Case {
    int col, row;
    bool resultView;
    const char* text;
    bool decimalPunkt;
    SummaryCellPlace place;
    bool red;
  };
  using enum SummaryCellPlace;
  const Case cases[] = {
      {4, 3, true, "0,98", false, Standard, false},     // room row
      {0, 5, true, "  Vägg fram", false, Standard, false},
      {9, 5, true, "", false, Standard, false},
      {7, 5, true, "19,5", false, Column7, false},
      {2, 5, true, "20,41", false, RightAligned, false},
      {4, 5, true, "1,00", false, RightAligned, false},
      {4, 5, true, "0,98", false, RightAligned, true},
      {4, 5, true, "1,00", true, RightAligned, true},   // a point system reads 1.00
      {4, 5, true, "1.00", true, RightAligned, false},
      {4, 5, true, "", false, RightAligned, false},
      {4, 5, false, "2,5", false, RightAligned, false},  // Y2 in the input view
      {8, 4, false, "20", false, RightAligned, false},
  };
  for (const Case& c : cases) {
    const SummaryCellLook look = SummaryCell(c.col, c.row, c.resultView, c.text, c.decimalPunkt);
    EXPECT_EQ(look.place, c.place) << c.col << "," << c.row << " " << c.text;
    EXPECT_EQ(look.red, c.red) << c.col << "," << c.row << " " << c.text;
  }
}

}  // namespace
}  // namespace virano
