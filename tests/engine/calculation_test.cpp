// Main- and side-surface evaluation of single control points.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/calculation.h"
#include "support/RoomBuilder.h"

namespace virano {
namespace {

using testing::RoomBuilder;
using testing::Value;

// Columns of the result table.
constexpr int kName = 0, kPoint = 1, kRot = 2, kAir = 3, kSum = 4, kSumT = 5, kF = 6, kT = 7,
              kFT = 8;

// Evaluates the points of one main surface; the table's rows below the
// headings (row 3 is the empty room row).
std::vector<ResultTable::Row> Evaluate(const TRoomRecord& room, MainSurface s, bool detailed) {
  ResultTable t;
  t.SetUp(detailed);
  Calculation calc{room, t, detailed, false};
  const int last = VinkelKoeffMainSurface(calc, s);
  EXPECT_EQ(last, t.RowCount() - 1);
  return {t.rows.begin() + 4, t.rows.end()};
}

std::vector<std::string> Column(const std::vector<ResultTable::Row>& rows, int c) {
  std::vector<std::string> cells;
  for (const auto& r : rows) cells.push_back(r[c]);
  return cells;
}

using Texts = std::vector<std::string>;

TEST(MainSurfaceEvaluation, PointInFrontOfTheFrontWall) {
  RoomBuilder room(4, 5, 2.5);
  room.Point(FrontWall, 0, 2, 1.25, 1);
  const auto rows = Evaluate(room.record(), FrontWall, true);
  EXPECT_EQ(Column(rows, kName), (Texts{"  Vägg fram", "  Vägg vänster", "  Vägg höger", "  Tak",
                                        "  Golv"}));
  EXPECT_EQ(Column(rows, kF), (Texts{"0,73558", "0,03268", "0,03268", "0,09953", "0,09953"}));
  EXPECT_EQ(Column(rows, kPoint), (Texts{"0", "0", "0", "0", "0"}));
  EXPECT_EQ(Column(rows, kT), (Texts{"20", "20", "20", "20", "20"}));
  EXPECT_EQ(rows[0][kSum], "1,00");
  EXPECT_EQ(rows[0][kSumT], "20,00");
  EXPECT_EQ(rows[0][kAir], "20,00");  // radiator profile at 1.25 m
  EXPECT_EQ(rows[0][kRot], "20,00");
  EXPECT_EQ(rows[0][kFT], "14,71153");
}

TEST(MainSurfaceEvaluation, PointBelowTheMiddleOfTheCeiling) {
  RoomBuilder room(4, 5, 2.5);
  room.Point(Ceiling, 0, 2, 2.5, 1);
  const auto rows = Evaluate(room.record(), Ceiling, true);
  EXPECT_EQ(Column(rows, kName), (Texts{"  Tak", "  Vägg fram", "  Vägg vänster", "  Vägg höger",
                                        "  Vägg bak"}));
  EXPECT_EQ(Column(rows, kF), (Texts{"0,85654", "0,02596", "0,04577", "0,04577", "0,02596"}));
  EXPECT_EQ(rows[0][kSum], "1,00");
  EXPECT_EQ(rows[0][kAir], "19,75");  // 1.5 m above the floor
}

// A ceiling point's Y runs from the front wall, as the ceiling's
// sub-surfaces do: 1 m from the front wall it sees that wall far more than
// the rear wall, and the panel right above it.
TEST(MainSurfaceEvaluation, CeilingPointIsMeasuredFromTheFrontWall) {
  RoomBuilder room(4, 5, 2.5);
  room.Point(Ceiling, 0, 2, 1, 1).SubSurface(Ceiling, 1, "Panel", 1, 3, 0.5, 1.5, 35);
  const auto rows = Evaluate(room.record(), Ceiling, true);
  EXPECT_EQ(Column(rows, kName), (Texts{"  Tak", "    Panel", "  Vägg fram", "  Vägg vänster",
                                        "  Vägg höger", "  Vägg bak"}));
  EXPECT_EQ(rows[1][kF], "0,36074");
  EXPECT_EQ(rows[2][kF], "0,13739");
  EXPECT_EQ(rows[3][kF], rows[4][kF]);
  EXPECT_EQ(rows[5][kF], "0,00812");
  EXPECT_EQ(rows[0][kSum], "1,00");
}

TEST(MainSurfaceEvaluation, ResultModeWritesThePointRowOnlyWithTheSameSums) {
  RoomBuilder room(4, 5, 2.5, 18);
  room.Temperature(LeftWall, 12).SubSurface(FrontWall, 1, "Fönster", 1, 3, 1, 2, 5);
  room.Point(FrontWall, 0, 1.5, 1.1, 0.8).Point(FrontWall, 1, 3, 1.7, 2);
  const auto detailed = Evaluate(room.record(), FrontWall, true);
  const auto plain = Evaluate(room.record(), FrontWall, false);
  ASSERT_EQ(plain.size(), 2u);
  ASSERT_EQ(detailed.size(), 12u);
  for (int c : {kName, kPoint, kRot, kAir, kSum, kSumT, kT}) {
    EXPECT_EQ(plain[0][c], detailed[0][c]);
    EXPECT_EQ(plain[1][c], detailed[6][c]);
  }
  EXPECT_EQ(plain[0][kF], "");
  EXPECT_EQ(plain[0][kFT], "");
  EXPECT_EQ(plain[1][kPoint], "1");
}

TEST(MainSurfaceEvaluation, SubSurfaceCoveringItsMainSurfaceTakesItsPlace) {
  RoomBuilder room(4, 5, 2.5);
  room.Temperature(FrontWall, 10).SubSurface(FrontWall, 1, "Glasvägg", 0, 4, 0, 2.5, 30);
  room.Point(FrontWall, 0, 2, 1.25, 1);
  const auto rows = Evaluate(room.record(), FrontWall, true);
  EXPECT_EQ(rows[0][kF], "0,00000");
  EXPECT_EQ(rows[0][kFT], "0,00000");
  EXPECT_EQ(rows[1][kName], "    Glasvägg");
  EXPECT_EQ(rows[1][kF], "0,73558");
  EXPECT_NEAR(Value(rows[1][kFT]), 30 * 0.7355765, 1e-5);
  EXPECT_EQ(rows[0][kSumT], "27,36");  // 30 · 0.73558 + 20 · 0.26442
  EXPECT_EQ(rows[0][kRot], "23,68");
}

TEST(MainSurfaceEvaluation, PointRowsAreTakenByTheirXpAndKeepTheirNumber) {
  RoomBuilder room(4, 5, 2.5);
  room.Point(LeftWall, 1, 2, 1, 1).Point(LeftWall, 3, 1, 1, 1);
  room.record().Punkter[LeftWall][2].Yp.SetText("1");  // no Xp: not a point
  room.record().Punkter[LeftWall][2].Zp.SetText("1");
  room.record().Punkter[LeftWall][10].Xp.SetText("x");  // the spill row is never read
  const auto rows = Evaluate(room.record(), LeftWall, false);
  EXPECT_EQ(Column(rows, kPoint), (Texts{"1", "3"}));
  EXPECT_EQ(Column(rows, kSum), (Texts{"1,00", "1,00"}));
}

TEST(MainSurfaceEvaluation, AirTemperatureFollowsTheHeightOfEachSurfacesPoints) {
  RoomBuilder room(4, 5, 2.5);
  room.Point(FrontWall, 0, 2, 0.6, 1).Point(Floor, 0, 2, 2, 0.6).Point(Ceiling, 0, 2, 2, 0.6);
  EXPECT_EQ(Evaluate(room.record(), FrontWall, false)[0][kAir], "20,65");
  EXPECT_EQ(Evaluate(room.record(), Floor, false)[0][kAir], "20,65");
  EXPECT_EQ(Evaluate(room.record(), Ceiling, false)[0][kAir], "19,35");  // 1.9 m
}

TEST(SideSurfaceEvaluation, OnlyThePartInFrontOfThePointsPlaneCounts) {
  // The left wall's X runs from the rear wall: with Zp = 1 in a 5 m deep
  // room the point's plane lies at X = 4.
  RoomBuilder straddling(4, 5, 2.5);
  straddling.SubSurface(LeftWall, 1, "Bakom", 0.5, 2, 1, 2, 20)
      .SubSurface(LeftWall, 2, "Halv", 3.5, 4.5, 1, 2, 20)
      .Point(FrontWall, 0, 2, 1.25, 1);
  RoomBuilder front(4, 5, 2.5);
  front.SubSurface(LeftWall, 1, "Halv", 4, 4.5, 1, 2, 20).Point(FrontWall, 0, 2, 1.25, 1);
  const auto a = Evaluate(straddling.record(), FrontWall, true);
  const auto b = Evaluate(front.record(), FrontWall, true);
  EXPECT_EQ(Column(a, kName), Column(b, kName));
  EXPECT_EQ(Column(a, kF), Column(b, kF));
}

TEST(SideSurfaceEvaluation, OwnRowShowsTheNetViewFactorAtItsTemperature) {
  RoomBuilder room(4, 5, 2.5);
  room.Temperature(LeftWall, 15).SubSurface(LeftWall, 1, "Dörr", 4.2, 4.9, 0, 2, 25);
  room.Point(FrontWall, 0, 2, 1.25, 1);
  const auto rows = Evaluate(room.record(), FrontWall, true);
  ASSERT_EQ(rows[1][kName], "  Vägg vänster");
  ASSERT_EQ(rows[2][kName], "    Dörr");
  const double own = Value(rows[1][kF]);
  const double door = Value(rows[2][kF]);
  EXPECT_NEAR(own + door, 0.03268, 1.5e-5);
  EXPECT_EQ(rows[1][kT], "15");
  EXPECT_NEAR(Value(rows[1][kFT]), 15 * own, 15 * 5e-6);  // column 7 × column 6
  EXPECT_NEAR(Value(rows[2][kFT]), 25 * door, 25 * 5e-6);
  EXPECT_EQ(rows[0][kSum], "1,00");
}

TEST(SideSurfaceEvaluation, NegativeProductRoundingToZeroKeepsItsSign) {
  RoomBuilder room(4, 5, 2.5);
  room.SubSurface(RightWall, 1, "Ventil", 0, 0.01, 2.49, 2.5, -0.1);
  room.Point(FrontWall, 0, 0.5, 0.5, 0.5);
  const auto rows = Evaluate(room.record(), FrontWall, true);
  ASSERT_EQ(rows[3][kName], "    Ventil");
  EXPECT_EQ(rows[3][kF], "0,00000");
  EXPECT_EQ(rows[3][kFT], "-0,00000");
}

TEST(SideSurfaceEvaluation, SubSurfaceWhollyBehindThePointWritesNoRow) {
  RoomBuilder room(4, 5, 2.5);
  room.SubSurface(Floor, 1, "Matta", 1, 3, 0, 3, 22);  // floor Y from the rear wall
  room.Point(FrontWall, 0, 2, 1.25, 1);
  const auto rows = Evaluate(room.record(), FrontWall, true);
  EXPECT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0][kSum], "1,00");
}

}  // namespace
}  // namespace virano
