// The ROT map of a main surface against the result table, closed and uniform
// rooms, the minimum, and the map's threads, progress and cancelling.
#include "engine/rotmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <thread>
#include <string>
#include <vector>

#include "engine/kernels.h"
#include "room_builder.h"

namespace virano {
namespace {

using testing::RoomBuilder;

// A 4.1 × 5 × 2.6 m room with a cold window and a warm radiator on every
// surface; the minimum ROT 20,5.
RoomBuilder WindowAndRadiator(int heatSystem = 0) {
  RoomBuilder room(4.1, 5, 2.6);
  room.record().HeatSystem.Set(heatSystem);
  for (int s = 0; s < kMainSurfaceCount; ++s)
    room.SubSurface(s, 1, "Fönster", 1.2, 2.4, 1, 2.2, 11.5)
        .SubSurface(s, 2, "Radiator", 0.4, 1.6, 0.1, 0.6, 48);
  return room;
}

std::string Text(float value) { return FormatFixed(value, 2, false); }
bool Done(const RotMapCell& c) { return c.done; }

RotMap Map(const TRoomRecord& room, MainSurface s, unsigned threads = 0, long double step = 0.1L) {
  RotMapRequest request;
  request.surface = s;
  request.step = step;
  request.threads = threads;
  return ComputeRotMap(room, request, false);
}

TEST(RotMap, PointOnATypedControlPointGivesItsRowOfTheResultTable) {
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    RoomBuilder room = WindowAndRadiator(s % 6);
    room.Point(s, 0, 1.3, 0.9, 1);
    ResultTable table;
    table.SetUp(false);
    Calculation calc{room.record(), table, false, false};
    VinkelKoeffMainSurface(calc, MainSurface(s));
    const RotMap map = Map(room.record(), MainSurface(s));
    const RotMapCell& cell = map.At(12, 8);  // the 13th column and the 9th row
    ASSERT_EQ(cell.Xp, 1.3f);
    ASSERT_EQ(cell.Yp, 0.9f);
    EXPECT_EQ(Text(cell.ROT), table.Cell(2, 4)) << kMainSurfaceCaptions[s];
    EXPECT_EQ(Text(cell.sum), table.Cell(4, 4)) << kMainSurfaceCaptions[s];
    const PointResult p = RotAtPoint(room.record(), MainSurface(s), 1.3f, 0.9f, 1, false);
    EXPECT_EQ(p.ROT, cell.ROT);
    EXPECT_EQ(Text(p.Tair), table.Cell(3, 4));
  }
}

TEST(RotMap, GridLeavesOutTheEdgesAndRunsRowByRow) {
  EXPECT_EQ(MapPositions(4.1f, 0.1L).size(), 40u);
  EXPECT_EQ(MapPositions(4.1f, 0.1L).back(), 4.0f);
  EXPECT_EQ(MapPositions(4, 0.5L), (std::vector<float>{0.5f, 1, 1.5f, 2, 2.5f, 3, 3.5f}));
  EXPECT_TRUE(MapPositions(0.1f, 0.1L).empty());
  const RotMap map = Map(WindowAndRadiator().record(), Floor, 0, 0.5L);
  EXPECT_EQ(map.columns, 8);  // floor 4.1 × 5
  EXPECT_EQ(map.rows, 9);
  EXPECT_EQ(map.At(1, 0).Xp, 1.0f);
  EXPECT_EQ(map.At(1, 2).Yp, 1.5f);
}

// Every surface, entered completely, sums to one from everywhere in the room.
TEST(RotMap, ClosedRoomSumsToOneAndAUniformRoomIsItsTemperatureEverywhere) {
  RoomBuilder uniform(4.1, 5, 2.6, 21);
  uniform.record().RumsTemp.SetText("21");
  uniform.record().HeatSystem.Set(4);  // floor heating: the air at 21 at every height
  for (int s = 0; s < kMainSurfaceCount; ++s) uniform.SubSurface(s, 1, "Dörr", 0.3, 1.1, 0, 2, 21);
  const RoomBuilder cold = WindowAndRadiator();
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    for (const RotMapCell& c : Map(uniform.record(), MainSurface(s), 0, 0.3L).cells) {
      ASSERT_NEAR(c.sum, 1, 0.005) << kMainSurfaceCaptions[s] << " " << c.Xp << " " << c.Yp;
      ASSERT_EQ(Text(c.ROT), "21,00") << kMainSurfaceCaptions[s] << " " << c.Xp << " " << c.Yp;
    }
    for (const RotMapCell& c : Map(cold.record(), MainSurface(s), 0, 0.3L).cells)
      ASSERT_NEAR(c.sum, 1, 0.005) << kMainSurfaceCaptions[s] << " " << c.Xp << " " << c.Yp;
  }
}

TEST(RotMap, BelowMinimumAreTheCellsUnderMinRot) {
  RoomBuilder room = WindowAndRadiator();
  int below = 0;
  for (const RotMapCell& c : Map(room.record(), FrontWall).cells) {
    EXPECT_EQ(c.belowMinimum, c.ROT < 20.5L) << c.Xp << " " << c.Yp;
    below += c.belowMinimum;
  }
  EXPECT_GT(below, 0);
  EXPECT_LT(below, 40 * 25);
  room.record().MinRot.SetText("");  // no minimum: nothing is below it
  const RotMap none = Map(room.record(), FrontWall);
  EXPECT_FALSE(none.minRot);
  for (const RotMapCell& c : none.cells) EXPECT_FALSE(c.belowMinimum);
}

TEST(RotMap, ThreadsGiveTheSameMapAndReportProgressOnTheCallingThread) {
  const RoomBuilder room = WindowAndRadiator();
  const RotMap one = Map(room.record(), LeftWall, 1);
  for (unsigned threads : {2u, 3u}) {
    RotMapRequest request;
    request.surface = LeftWall;
    request.threads = threads;
    std::vector<int> done;
    const auto caller = std::this_thread::get_id();
    request.progress = [&](int d, int total) {
      EXPECT_EQ(std::this_thread::get_id(), caller);
      EXPECT_EQ(total, 49 * 25);
      done.push_back(d);
    };
    const RotMap map = ComputeRotMap(room.record(), request, false);
    ASSERT_EQ(map.cells.size(), one.cells.size());
    for (std::size_t i = 0; i < map.cells.size(); ++i) {
      ASSERT_EQ(map.cells[i].ROT, one.cells[i].ROT) << i;
      ASSERT_EQ(map.cells[i].sum, one.cells[i].sum) << i;
    }
    EXPECT_TRUE(std::is_sorted(done.begin(), done.end()));
    EXPECT_EQ(done.back(), 49 * 25);
    EXPECT_FALSE(map.cancelled);
  }
}

TEST(RotMap, CancellingStopsEarly) {
  const RoomBuilder room = WindowAndRadiator();
  std::atomic<bool> cancel{true};
  RotMapRequest request;
  request.cancel = &cancel;
  RotMap map = ComputeRotMap(room.record(), request, false);
  EXPECT_TRUE(map.cancelled);
  EXPECT_TRUE(std::none_of(map.cells.begin(), map.cells.end(), Done));

  cancel = false;  // now from the progress bar's side, while the map runs
  request.progress = [&](int, int) { cancel = true; };
  map = ComputeRotMap(room.record(), request, false);
  const auto done = std::count_if(map.cells.begin(), map.cells.end(), Done);
  EXPECT_EQ(map.cancelled, done < 40 * 25);
}

TEST(RotMap, BadRequestsAndTextsAreErrors) {
  RoomBuilder room = WindowAndRadiator();
  for (const long double bad : {0.0L, -1.0L, std::nanl("")}) {
    RotMapRequest request;
    request.distance = bad;
    EXPECT_THROW(ComputeRotMap(room.record(), request, false), CalculationError);
    request.distance = 1;
    request.step = bad;
    EXPECT_THROW(ComputeRotMap(room.record(), request, false), CalculationError);
  }
  EXPECT_THROW(Map(room.record(), FrontWall, 0, 0.001L), CalculationError);  // 4 million points
  room.record().Ytor[FrontWall][2].YtTemp.SetText("varm");
  try {
    Map(room.record(), FrontWall);
    FAIL() << "no error";
  } catch (const ConversionError& e) {
    EXPECT_NE(std::string(e.what()).find("varm"), std::string::npos);
  }
}

}  // namespace
}  // namespace virano
