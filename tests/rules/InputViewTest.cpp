#include "rules/InputView.h"

#include <gtest/gtest.h>

#include <functional>

namespace virano {
namespace {

void MainRow(TRoomRecord& room, int s) {
  room.Ytor[s][0].Namn.SetText(kMainSurfaceCaptions[s]);
  room.Ytor[s][0].X2.SetText("4");
}
void Point(TRoomRecord& room, int s, int p) {
  room.Punkter[s][p].Xp.SetText("1,5");
  room.Punkter[s][p].Yp.SetText("1");
  room.Punkter[s][p].Zp.SetText("1.0");
}

TEST(InputView, RowCountsFollowTheTwoCursors) {
  struct Case {
    const char* what;
    std::function<void(TRoomRecord&)> fill;
    int gridRows;
  };
  const Case cases[] = {
      {"empty room", [](TRoomRecord&) {}, 10},
      {"one main row per surface", [](TRoomRecord& r) { for (int s = 0; s < 6; ++s) MainRow(r, s); }, 10},
      {"two points per surface",
       [](TRoomRecord& r) {
         for (int s = 0; s < 6; ++s) { MainRow(r, s); Point(r, s, 0); Point(r, s, 3); }
       },
       16},
      {"front wall, two sub-surfaces, one point",
       [](TRoomRecord& r) {
         MainRow(r, FrontWall);
         r.Ytor[FrontWall][1].Namn.SetText("Fönster");
         r.Ytor[FrontWall][4].Namn.SetText("Radiator");
         Point(r, FrontWall, 2);
       },
       12},
  };
  for (const Case& c : cases) {
    TRoomRecord room{};
    c.fill(room);
    EXPECT_EQ(InputViewRows(room, false).size() + kInputViewHeadingRows, std::size_t(c.gridRows))
        << c.what;
  }
}

TEST(InputView, SurfaceAndPointRowsStandSideBySide) {
  TRoomRecord room{};
  MainRow(room, FrontWall);
  room.Ytor[FrontWall][2].Namn.SetText("Dörr 1,2");
  room.Ytor[FrontWall][2].YtTemp.SetText("18.5");
  Point(room, FrontWall, 1);
  Point(room, FrontWall, 5);
  MainRow(room, Ceiling);
  const auto rows = InputViewRows(room, false);
  EXPECT_EQ(rows[1][0], "  Vägg fram");
  EXPECT_EQ(rows[1][2], "4");
  EXPECT_EQ(rows[1][14], "1,5");
  EXPECT_EQ(rows[1][16], "1,0");
  EXPECT_EQ(rows[2][0], "    Dörr 1,2");  // names as stored
  EXPECT_EQ(rows[2][8], "18,5");
  EXPECT_EQ(rows[2][14], "1,5");
  EXPECT_EQ(rows.back()[0], "  Tak");
  EXPECT_EQ(InputViewHeadings()[2][6], "m2*K/W");  // mi is a resistance
}

TEST(InputView, RoomRowShowsTheHeatingInputOfItsSystem) {
  struct Case {
    int system;
    const char* caption;
    const char* input;
  };
  const Case cases[] = {{0, "Radiator", ""},   {3, "Takvärme", "55.5"}, {4, "Golvvärme", ""},
                        {5, "Eget alternativ", "19.5/21"}, {6, "", ""}, {-1, "", ""}};
  for (const Case& c : cases) {
    TRoomRecord room{};
    room.RumsNamn.SetText("Kontor");
    room.LuftHast.SetText(">0,35");
    room.RumsTemp.SetText("20");
    room.Rot.SetText("20,5");
    room.MinRot.SetText("21");
    room.WattPerKvmTak.SetText("55,5");
    room.Temp05OG.SetText("19,5");
    room.Temp18OG.SetText("21");
    room.HeatSystem.Set(c.system);
    const InputViewRow row = InputViewRows(room, true).front();
    EXPECT_EQ(row[0], "Kontor");
    EXPECT_EQ(row[9], ">0.35");
    EXPECT_EQ(row[11], "20.5/21");
    EXPECT_EQ(row[12], c.caption) << c.system;
    EXPECT_EQ(row[13], c.input) << c.system;
  }
}

}  // namespace
}  // namespace virano
