// Radiant temperature asymmetry: uniform and closed rooms, one cold wall
// against the closed form, the mirror between opposite surfaces, the
// verdicts, the room's table and the map.
#include "engine/Asymmetry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/kernels.h"
#include "engine/rotmap.h"
#include "support/CaseName.h"
#include "support/RoomBuilder.h"

namespace virano {
namespace {

using testing::RoomBuilder;

RoomExtents Extents(const TRoomRecord& room, MainSurface surface = FrontWall) {
  return *AsymmetryExtents(room, surface, false).extents;
}

Asymmetry At(const TRoomRecord& room, MainSurface surface, SurfacePoint p,
             ComfortCategory category = ComfortCategory::A) {
  Calculation calc(room, false);
  return AsymmetryAtPoint(calc, surface, p, Extents(room, surface), category);
}

std::string Text(float value) { return FormatFixed(value, 2, false); }

class ClosedRoom : public ::testing::TestWithParam<MainSurface> {};

// Every surface and sub-surface at 21 °C: no asymmetry, and each half-space's
// view factors add up to 1,00.
TEST_P(ClosedRoom, AtOneTemperatureHasNoAsymmetryAndBothHalvesSumToOne) {
  RoomBuilder room(4.1, 5, 2.6, 21);
  for (int s = 0; s < kMainSurfaceCount; ++s) room.SubSurface(s, 1, "Dörr", 0.3, 1.1, 0.2, 2, 21);
  for (const SurfacePoint p : {SurfacePoint{0.7f, 0.9f, 1.3f}, SurfacePoint{2.2f, 1.7f, 0.4f}}) {
    const Asymmetry a = At(room.record(), GetParam(), p);
    EXPECT_EQ(KelvinText(a.delta, false), "0,00") << p.Xp;
    EXPECT_EQ(Text(a.toward.SumVinkelKoeff), "1,00") << p.Xp;
    EXPECT_EQ(Text(a.away.SumVinkelKoeff), "1,00") << p.Xp;
    EXPECT_FALSE(a.overLimit);
  }
}

std::string SurfaceNumber(const ::testing::TestParamInfo<MainSurface>& surface) {
  return "Surface" + std::to_string(surface.param);
}

INSTANTIATE_TEST_SUITE_P(Surfaces, ClosedRoom,
                         ::testing::Values(FrontWall, LeftWall, RightWall, RearWall, Floor, Ceiling),
                         SurfaceNumber);

// The parallel kernel's closed form: a rectangle of half-sides h and l
// centred before the element at distance z.
double CentredRectangle(double h, double l, double z) {
  const double a = l / z, b = h / z;
  const double qa = std::sqrt(1 + a * a), qb = std::sqrt(1 + b * b);
  return 4 * (a / qa * std::atan(b / qa) + b / qb * std::atan(a / qb)) / (2 * std::numbers::pi);
}

TEST(Asymmetry, AFrontWall10KColderGivesMinus10TimesItsViewFactor) {
  RoomBuilder room(4, 5, 2.5);
  room.Temperature(FrontWall, 10);
  const Asymmetry a = At(room.record(), FrontWall, {2, 1.25f, 2.5f});
  EXPECT_NEAR(a.delta, -10 * CentredRectangle(1.25, 2, 2.5), 1e-4);
  EXPECT_EQ(a.kind, AsymmetryKind::CoolWall);
  EXPECT_EQ(a.limit, 10);
  EXPECT_FALSE(a.overLimit);
}

// A cold window on the opposite surface near one side of the room: the
// point near that side sees it behind it more than the point near the
// other side; and the same physical point seen from the opposite surface
// has the asymmetry turned round.
struct MirrorCase {
  std::string name;
  MainSurface surface;
  double X1, X2, Y1, Y2;  // the window on the opposite surface
  SurfacePoint nearWindow, farFromIt;
};

class Mirror : public ::testing::TestWithParam<MirrorCase> {};

TEST_P(Mirror, TheWindowBehindIsSeenFromTheSameCorner) {
  const MirrorCase& c = GetParam();
  RoomBuilder room(4, 5, 2.5);
  room.SubSurface(OppositeSurface(c.surface), 1, "Fönster", c.X1, c.X2, c.Y1, c.Y2, 5);
  const Asymmetry near = At(room.record(), c.surface, c.nearWindow);
  const Asymmetry far = At(room.record(), c.surface, c.farFromIt);
  EXPECT_GT(near.delta, far.delta + 0.1f);
  const SurfacePoint back = OppositePoint(c.surface, c.nearWindow, Extents(room.record()));
  const Asymmetry seenBack = At(room.record(), OppositeSurface(c.surface), back);
  EXPECT_FLOAT_EQ(seenBack.delta, -near.delta);
  EXPECT_EQ(seenBack.toward.SumVinkelKoeffTemp, near.away.SumVinkelKoeffTemp);
}

// The room is 4 m wide, 5 m deep and 2.5 m high. The rear wall's X runs from
// the right wall to the left, the left wall's from the rear wall to the
// front, the right wall's from the front wall to the rear.
INSTANTIATE_TEST_SUITE_P(
    Opposites, Mirror,
    ::testing::Values(
        MirrorCase{"FrontPointNearTheLeftWallBeforeARearWindowOnTheLeft", FrontWall, 2.8, 3.8, 0.8,
                   2, {0.5f, 1.2f, 1.5f}, {3.5f, 1.2f, 1.5f}},
        MirrorCase{"RearPointNearTheLeftWallBeforeAFrontWindowOnTheLeft", RearWall, 0.2, 1.2, 0.8,
                   2, {3.5f, 1.2f, 1.5f}, {0.5f, 1.2f, 1.5f}},
        MirrorCase{"LeftPointNearTheRearBeforeARightWindowAtTheRear", LeftWall, 3.8, 4.8, 0.8, 2,
                   {0.5f, 1.2f, 1.5f}, {4.5f, 1.2f, 1.5f}},
        MirrorCase{"RightPointNearTheRearBeforeALeftWindowAtTheRear", RightWall, 0.2, 1.2, 0.8, 2,
                   {4.5f, 1.2f, 1.5f}, {0.5f, 1.2f, 1.5f}},
        MirrorCase{"FloorPointNearTheLeftWallUnderACeilingPanelOnTheLeft", Floor, 0.2, 1.2, 1, 4,
                   {0.5f, 2.5f, 1}, {3.5f, 2.5f, 1}},
        MirrorCase{"CeilingPointNearTheLeftWallOverAFloorPanelOnTheLeft", Ceiling, 0.2, 1.2, 1, 4,
                   {0.5f, 2.5f, 1}, {3.5f, 2.5f, 1}}),
    testing::CaseName{});

// A 40 °C panel in a 20 °C ceiling, seen at 0.6 m above the floor from the
// floor and from the ceiling: a warm ceiling in both, over its limit.
struct WarmCeilingCase {
  std::string name;
  MainSurface surface;
  float Zp;
  ComfortCategory category;
  int limit;
};

class WarmCeiling : public ::testing::TestWithParam<WarmCeilingCase> {};

TEST_P(WarmCeiling, IsJudgedAgainstTheWarmCeilingsLimit) {
  const WarmCeilingCase& c = GetParam();
  RoomBuilder room(4, 5, 2.5);
  room.SubSurface(Ceiling, 1, "Takvärme", 0.8, 3.2, 1, 4, 40);
  const Asymmetry a = At(room.record(), c.surface, {2, 2.5f, c.Zp}, c.category);
  EXPECT_NEAR(std::fabs(a.delta), 20 * CentredRectangle(1.2, 1.5, 1.9), 1e-3);
  EXPECT_EQ(a.delta > 0, c.surface == Ceiling);
  EXPECT_EQ(a.kind, AsymmetryKind::WarmCeiling);
  EXPECT_EQ(a.limit, c.limit);
  EXPECT_TRUE(a.overLimit);
}

INSTANTIATE_TEST_SUITE_P(
    Points, WarmCeiling,
    ::testing::Values(WarmCeilingCase{"FromTheFloorCategoryA", Floor, 0.6f, ComfortCategory::A, 5},
                      WarmCeilingCase{"FromTheCeilingCategoryB", Ceiling, 1.9f,
                                      ComfortCategory::B, 5},
                      WarmCeilingCase{"FromTheFloorCategoryC", Floor, 0.6f, ComfortCategory::C, 7}),
    testing::CaseName{});

struct VerdictCase {
  std::string name;
  MainSurface surface;
  float delta;
  AsymmetryKind kind;
  int limitAB, limitC;
};

class Verdict : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(Verdict, KindAndLimit) {
  const VerdictCase& c = GetParam();
  EXPECT_EQ(KindOfAsymmetry(c.surface, c.delta), c.kind);
  EXPECT_EQ(AsymmetryLimit(c.kind, ComfortCategory::A), c.limitAB);
  EXPECT_EQ(AsymmetryLimit(c.kind, ComfortCategory::B), c.limitAB);
  EXPECT_EQ(AsymmetryLimit(c.kind, ComfortCategory::C), c.limitC);
}

INSTANTIATE_TEST_SUITE_P(
    Surfaces, Verdict,
    ::testing::Values(
        VerdictCase{"WallColderThanBehind", LeftWall, -0.5f, AsymmetryKind::CoolWall, 10, 13},
        VerdictCase{"WallWarmerThanBehind", RearWall, 0.5f, AsymmetryKind::WarmWall, 23, 35},
        VerdictCase{"NoAsymmetryBeforeAWallTakesTheCoolWall", FrontWall, 0, AsymmetryKind::CoolWall,
                    10, 13},
        VerdictCase{"CeilingWarmerSeenFromIt", Ceiling, 0.5f, AsymmetryKind::WarmCeiling, 5, 7},
        VerdictCase{"CeilingWarmerSeenFromTheFloor", Floor, -0.5f, AsymmetryKind::WarmCeiling, 5, 7},
        VerdictCase{"CeilingColderSeenFromTheFloor", Floor, 0.5f, AsymmetryKind::CoolCeiling, 14, 18},
        VerdictCase{"NoAsymmetryUnderTheCeilingTakesTheWarmCeiling", Floor, 0,
                    AsymmetryKind::WarmCeiling, 5, 7}),
    testing::CaseName{});

TEST(Asymmetry, TableInTheResultTablesOrderWithAReasonInsteadOfNumbers) {
  RoomBuilder room(4, 5, 2.5);
  room.Temperature(FrontWall, 10);
  room.Point(Floor, 2, 2, 2.5, 1)
      .Point(FrontWall, 3, 2, 1.25, 2.5)
      .Point(Ceiling, 0, 1, 1, 1)
      .Point(FrontWall, 4, 2, 1.25, 6);  // behind the rear wall
  std::vector<AsymmetryRow> rows;
  AsymmetryTable(room.record(), ComfortCategory::A, false, rows);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0], (AsymmetryRow{"Vägg fram", "3", "2", "1,25", "2,5", "16,75", "20,00",
                                   "-3,25", "10", "Godkänd"}));
  EXPECT_EQ(rows[1], (AsymmetryRow{"Vägg fram", "4", "2", "1,25", "6", "", "", "", "",
                                   std::string(kPointOutsideRoom)}));
  EXPECT_EQ(rows[2][0] + rows[2][1] + rows[3][0] + rows[3][1], "Tak0Golv2");

  room.record().Ytor[LeftWall][0].X2.SetText("fem");  // the room's depth
  rows.clear();
  AsymmetryTable(room.record(), ComfortCategory::A, false, rows);
  EXPECT_EQ(rows[0][9], kExtentsNotNumbers);
  EXPECT_EQ(rows[0][5] + rows[0][7], "");
  EXPECT_EQ(rows[3][9], kExtentsNotNumbers);

  // An error names its point; the rows before it stay.
  room.record().Ytor[LeftWall][0].X2.SetText("5");
  room.record().Punkter[Ceiling][0].Yp.SetText("x");
  rows.clear();
  try {
    AsymmetryTable(room.record(), ComfortCategory::A, false, rows);
    ADD_FAILURE() << "no error";
  } catch (const ConversionError& e) {
    EXPECT_NE(std::string(e.what()).find("\nPunkt 0 framför Tak"), std::string::npos) << e.what();
  }
  EXPECT_EQ(rows.size(), 2u);
}

TEST(Asymmetry, MapPointOnAControlPointGivesItsTableRow) {
  RoomBuilder room(4.1, 5, 2.6);
  room.SubSurface(RearWall, 1, "Fönster", 0.5, 2.5, 0.9, 2.2, 8)
      .SubSurface(FrontWall, 1, "Radiator", 1, 3, 0.1, 0.6, 50)
      .Point(FrontWall, 0, 1.3, 0.9, 1);
  std::vector<AsymmetryRow> rows;
  AsymmetryTable(room.record(), ComfortCategory::C, false, rows);
  RotMapRequest request;
  request.quantity = MapQuantity::Asymmetry;
  request.category = ComfortCategory::C;
  const RotMap map = ComputeRotMap(room.record(), request, false);
  const auto table = AsymmetryMapTable(map, false);
  const auto& cell = table[1 + 8 * map.columns + 12];  // 13 and 9 steps in
  EXPECT_EQ(cell, (std::vector<std::string>{"1,30", "0,90", rows[0][5], rows[0][6], rows[0][7],
                                            rows[0][8], rows[0][9]}));

  // A room whose opposite walls differ, or whose depth is no number, has no map.
  room.record().Ytor[RearWall][0].X2.SetText("3");
  EXPECT_EQ(RotMapRefusal(room.record(), request, false),
            "Vägg fram och Vägg bak har olika mått: kartans punkter ligger inte alla framför Vägg bak");
  room.record().Ytor[LeftWall][0].X2.SetText("");
  EXPECT_EQ(RotMapRefusal(room.record(), request, false), std::string(kExtentsNotNumbers));
  EXPECT_THROW(ComputeRotMap(room.record(), request, false), CalculationError);
}

}  // namespace
}  // namespace virano
