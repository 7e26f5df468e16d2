// The ROT map of a main surface against the result table, closed and uniform
// rooms, the minimum, and the map's threads, progress and cancelling.
#include "engine/rotmap.h"

#include <gtest/gtest.h>
#include <sched.h>

#include <chrono>
#include <cmath>
#include <thread>

#include "engine/kernels.h"
#include "support/RoomBuilder.h"

namespace virano {
namespace {

// A 4.1 × 5 × 2.6 m room with a cold window and a warm radiator on every
// surface; the minimum ROT 20,5.
testing::RoomBuilder WindowAndRadiator(int heatSystem = 0) {
  testing::RoomBuilder room(4.1, 5, 2.6);
  room.record().HeatSystem.Set(heatSystem);
  for (int s = 0; s < kMainSurfaceCount; ++s)
    room.SubSurface(s, 1, "Fönster", 1.2, 2.4, 1, 2.2, 11.5)
        .SubSurface(s, 2, "Radiator", 0.4, 1.6, 0.1, 0.6, 48);
  return room;
}

std::string Text(float value) { return FormatFixed(value, 2, false); }

// The map of surface s with `step`, the rest as `request` asks.
RotMap Map(const TRoomRecord& room, int s, long double step = 0.1L, RotMapRequest request = {}) {
  request.surface = MainSurface(s);
  request.step = step;
  return ComputeRotMap(room, request, false);
}

TEST(RotMap, PointOnATypedControlPointGivesItsRowOfTheResultTable) {
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    auto room = WindowAndRadiator(s);  // every heating system once
    room.Point(s, 0, 1.3, 0.9, 1);
    ResultTable table;
    Calculation calc{room.record(), table, false, false};
    VinkelKoeffMainSurface(calc, MainSurface(s));
    const RotMap map = Map(room.record(), s);
    const RotMapCell& cell = map.At(12, 8);  // 13 and 9 steps in
    ASSERT_TRUE(cell.Xp == 1.3f && cell.Yp == 0.9f);
    EXPECT_EQ(Text(cell.ROT), table.Cell(2, 0)) << kMainSurfaceCaptions[s];
    EXPECT_EQ(Text(cell.sum), table.Cell(4, 0)) << kMainSurfaceCaptions[s];
    const PointResult p = RotAtPoint(room.record(), MainSurface(s), 1.3f, 0.9f, 1, false);
    EXPECT_EQ(Text(p.Tair), table.Cell(3, 0));
  }
  EXPECT_EQ(MapPositions(4.1f, 0.1L).size(), 40u);  // the edges left out
  EXPECT_EQ(MapPositions(4, 0.5L), (std::vector<float>{0.5f, 1, 1.5f, 2, 2.5f, 3, 3.5f}));
}

TEST(RotMap, ClosedRoomSumsToOneAndAUniformRoomIsItsTemperatureEverywhere) {
  testing::RoomBuilder uniform(4.1, 5, 2.6, 21);
  uniform.record().RumsTemp.SetText("21");
  uniform.record().HeatSystem.Set(4);  // floor heating: the air at 21 at every height
  for (int s = 0; s < kMainSurfaceCount; ++s) uniform.SubSurface(s, 1, "Dörr", 0.3, 1.1, 0, 2, 21);
  auto cold = WindowAndRadiator();
  for (int s = 0; s < kMainSurfaceCount; ++s)
    for (const TRoomRecord* room : {&uniform.record(), &cold.record()})
      for (const RotMapCell& c : Map(*room, s, 0.3L).cells) {
        ASSERT_NEAR(c.sum, 1, 0.005) << kMainSurfaceCaptions[s] << " " << c.Xp << " " << c.Yp;
        if (room == &uniform.record()) {
          ASSERT_EQ(Text(c.ROT), "21,00") << c.Xp << " " << c.Yp;
        }
      }
}

TEST(RotMap, BelowMinimumAreTheCellsUnderMinRot) {
  auto room = WindowAndRadiator();
  int below = 0;
  for (const RotMapCell& c : Map(room.record(), FrontWall).cells) {
    EXPECT_EQ(c.belowMinimum, c.ROT < 20.5L) << c.Xp << " " << c.Yp;
    below += c.belowMinimum;
  }
  EXPECT_TRUE(below > 0 && below < 1000) << below;
  room.record().MinRot.SetText("");  // no minimum: nothing is below it
  for (const RotMapCell& c : Map(room.record(), FrontWall).cells) EXPECT_FALSE(c.belowMinimum);
}

TEST(RotMap, ThreadsGiveTheSameMapAndTellTheProgressOnTheCallingThread) {
  const auto room = WindowAndRadiator();
  RotMapRequest request;
  request.threads = 1;
  const RotMap one = Map(room.record(), LeftWall, 0.1L, request);
  request.threads = 3;
  std::vector<int> done;
  request.progress = [&, caller = std::this_thread::get_id()](int d, int total) {
    EXPECT_EQ(std::this_thread::get_id(), caller);
    EXPECT_EQ(total, 49 * 25);
    // The workers finish while the first count is told: the last is told too.
    if (done.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(200));
    done.push_back(d);
  };
  const RotMap map = Map(room.record(), LeftWall, 0.1L, request);
  for (std::size_t i = 0; i < map.cells.size(); ++i)
    ASSERT_TRUE(map.cells[i].ROT == one.cells[i].ROT && map.cells[i].sum == one.cells[i].sum);
  EXPECT_TRUE(std::is_sorted(done.begin(), done.end()) && done.back() == 49 * 25);

  std::atomic<bool> cancel{true};  // cancelled before it starts, or while it runs
  request.cancel = &cancel;
  EXPECT_TRUE(Map(room.record(), LeftWall, 0.1L, request).cancelled);
  cancel = false;
  request.progress = [&](int, int) { cancel = true; };
  const RotMap stopped = Map(room.record(), LeftWall, 0.1L, request);
  const auto computed = std::count_if(stopped.cells.begin(), stopped.cells.end(),
                                      [](const RotMapCell& c) { return c.done; });
  EXPECT_EQ(stopped.cancelled, computed < 49 * 25);
}

TEST(RotMap, BadRequestsAndTextsAreErrors) {
  auto room = WindowAndRadiator();
  RotMapRequest far;
  for (const long double bad : {0.0L, -1.0L, std::nanl("")}) {
    far.distance = bad;
    EXPECT_THROW(Map(room.record(), FrontWall, 0.1L, far), CalculationError);
    EXPECT_THROW(Map(room.record(), FrontWall, bad), CalculationError);
  }
  EXPECT_THROW(Map(room.record(), FrontWall, 0.001L), CalculationError);  // 4 million points
  room.record().Ytor[FrontWall][2].YtTemp.SetText("varm");
  EXPECT_THROW(Map(room.record(), FrontWall), ConversionError);
}

// A process that taskset leaves one CPU computes its map on one thread.
TEST(RotMap, ThreadsFollowTheCpusTheProcessMayUse) {
  cpu_set_t all, one;
  ASSERT_EQ(::sched_getaffinity(0, sizeof all, &all), 0);
  int first = 0;
  while (!CPU_ISSET(first, &all)) ++first;
  CPU_ZERO(&one);
  CPU_SET(first, &one);
  ASSERT_EQ(::sched_setaffinity(0, sizeof one, &one), 0);
  const unsigned limited = UsableCpuCount();
  ::sched_setaffinity(0, sizeof all, &all);
  EXPECT_EQ(limited, 1U);
  EXPECT_LE(UsableCpuCount(), static_cast<unsigned>(CPU_COUNT(&all)));
}

}  // namespace
}  // namespace virano
