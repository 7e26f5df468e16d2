// Random rooms, random sub-surfaces and random points, checked against the
// closed room (the view factors of a point sum to 1) and against an
// independent view-factor formula worked out in room coordinates.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "support/RoomBuilder.h"

namespace virano {
namespace {

using testing::RoomBuilder;
using testing::Value;

struct Vec {
  double x, y, z;
};
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec operator*(double k, Vec a) { return {k * a.x, k * a.y, k * a.z}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec Cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double Norm(Vec a) { return std::sqrt(Dot(a, a)); }

// The room: x from the left to the right wall, y from the front to the rear
// wall, z from the floor up.
struct Room {
  double W, D, H;

  // A spot (X, Y) of a main surface's frame, as the user enters it.
  Vec OnSurface(int s, double X, double Y) const {
    switch (s) {
      case FrontWall: return {X, 0, Y};
      case LeftWall: return {0, D - X, Y};
      case RightWall: return {W, X, Y};
      case RearWall: return {W - X, D, Y};
      case Floor: return {X, D - Y, 0};
      default: return {X, Y, H};  // ceiling, Y from the front wall
    }
  }
  // The normal of a point's element: towards its main surface.
  static Vec Facing(int s) {
    constexpr Vec normals[] = {{0, -1, 0}, {-1, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}};
    return normals[s];
  }
  Vec Point(int s, double X, double Y, double Zp) const {
    return OnSurface(s, X, Y) + (-Zp) * Facing(s);
  }
};

// The view factor from a plane element at p with normal n to the part of a
// polygon in front of the element: the polygon is clipped to the element's
// half-space, then F = |Σ γ_i · n·(a×b)/|a×b|| / 2π over its edges a → b
// (γ_i the angle the edge subtends at p).
double ViewFactor(Vec p, Vec n, const std::vector<Vec>& polygon) {
  std::vector<Vec> clipped;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Vec a = polygon[i], b = polygon[(i + 1) % polygon.size()];
    const double da = Dot(n, a - p), db = Dot(n, b - p);
    if (da >= 0) clipped.push_back(a);
    if ((da < 0) != (db < 0)) clipped.push_back(a + (da / (da - db)) * (b - a));
  }
  double sum = 0;
  for (std::size_t i = 0; i < clipped.size(); ++i) {
    const Vec a = clipped[i] - p, b = clipped[(i + 1) % clipped.size()] - p;
    const Vec c = Cross(a, b);
    const double length = Norm(c);
    if (length < 1e-15) continue;
    sum += std::atan2(length, Dot(a, b)) * Dot(n, c) / length;
  }
  return std::fabs(sum) / (2 * std::numbers::pi);
}

struct Rectangle {
  std::string name;
  double x1, x2, y1, y2, t;
};

// A random room with its stored texts and the same geometry in numbers.
struct RandomRoom {
  Room room;
  RoomBuilder builder;
  std::vector<std::vector<Rectangle>> rects;  // per main surface, row 0 first
  std::vector<std::array<double, 3>> points;  // per main surface

  std::vector<Vec> Corners(int s, const Rectangle& r) const {
    return {room.OnSurface(s, r.x1, r.y1), room.OnSurface(s, r.x2, r.y1),
            room.OnSurface(s, r.x2, r.y2), room.OnSurface(s, r.x1, r.y2)};
  }
};

class Random {
 public:
  explicit Random(unsigned seed) : engine_(seed) {}
  // Uniform in [lo, hi], on a grid of `step`.
  double Grid(double lo, double hi, double step) {
    const double v = std::uniform_real_distribution<double>(lo, hi)(engine_);
    return std::round(v / step) * step;
  }
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(engine_); }

 private:
  std::mt19937 engine_;
};

RandomRoom MakeRoom(Random& rnd, int maxSubSurfaces) {
  const double W = rnd.Grid(2, 9, 0.01), D = rnd.Grid(2, 9, 0.01), H = rnd.Grid(2, 6, 0.01);
  RandomRoom r{{W, D, H}, RoomBuilder(W, D, H), {}, {}};
  const double extents[kMainSurfaceCount][3] = {{W, H, D}, {D, H, W}, {D, H, W},
                                                {W, H, D}, {W, D, H}, {W, D, H}};
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    const double X2 = extents[s][0], Y2 = extents[s][1], depth = extents[s][2];
    const double t = rnd.Grid(10, 30, 0.1);
    r.builder.Temperature(s, t);
    r.rects.push_back({{"main", 0, X2, 0, Y2, t}});
    const int count = rnd.Int(0, maxSubSurfaces);
    for (int k = 1; k <= count; ++k) {
      double x1 = rnd.Grid(0, X2 - 0.01, 0.01), y1 = rnd.Grid(0, Y2 - 0.01, 0.01);
      double x2 = rnd.Grid(x1 + 0.01, X2, 0.01), y2 = rnd.Grid(y1 + 0.01, Y2, 0.01);
      const Rectangle sub{"D" + std::to_string(s) + "_" + std::to_string(k), x1, x2, y1, y2,
                          rnd.Grid(-5, 60, 0.5)};
      r.builder.SubSurface(s, k, sub.name, sub.x1, sub.x2, sub.y1, sub.y2, sub.t);
      r.rects.back().push_back(sub);
    }
    const std::array<double, 3> p = {rnd.Grid(0.05, X2 - 0.05, 0.001),
                                     rnd.Grid(0.05, Y2 - 0.05, 0.001),
                                     rnd.Grid(0.05, depth - 0.05, 0.001)};
    r.builder.Point(s, 0, p[0], p[1], p[2]);
    r.points.push_back(p);
  }
  return r;
}

ResultTable Calculate(const TRoomRecord& room, bool detailed) {
  ResultTable t;
  t.SetUp(detailed);
  Calculation calc{room, t, detailed, false};
  for (int s = 0; s < kMainSurfaceCount; ++s) VinkelKoeffMainSurface(calc, MainSurface(s));
  return t;
}

TEST(CalculationProperty, ClosedRoomsWithoutSubSurfacesSumToOne) {
  Random rnd(20240601);
  for (int n = 0; n < 300; ++n) {
    RandomRoom r = MakeRoom(rnd, 0);
    const ResultTable t = Calculate(r.builder.record(), false);
    ASSERT_EQ(t.RowCount(), 4 + kMainSurfaceCount);
    for (int row = 4; row < t.RowCount(); ++row)
      ASSERT_EQ(t.Cell(4, row), "1,00") << "room " << n << ", " << t.Cell(0, row);
  }
}

// Every view factor of the detailed table equals the independent formula's,
// the sums of view factors read 1,00, the sums of products and the air
// temperature agree with the geometry.
TEST(CalculationProperty, RandomSubSurfacesMatchTheGeometry) {
  Random rnd(7);
  for (int trial = 0; trial < 150; ++trial) {
    RandomRoom r = MakeRoom(rnd, 6);
    const ResultTable t = Calculate(r.builder.record(), true);
    std::map<std::string, int> surfaceOf;  // every row's name → main surface
    for (int s = 0; s < kMainSurfaceCount; ++s) {
      surfaceOf["  " + std::string(kMainSurfaceCaptions[s])] = s;
      for (const Rectangle& sub : r.rects[s]) surfaceOf["    " + sub.name] = s;
    }

    int row = 4;
    for (int s = 0; s < kMainSurfaceCount; ++s) {
      const auto& [X, Y, Zp] = r.points[s];
      const Vec p = r.room.Point(s, X, Y, Zp), n = Room::Facing(s);
      const std::string where = "room " + std::to_string(trial) + ", point of " +
                                std::string(kMainSurfaceCaptions[s]);
      ASSERT_EQ(t.Cell(0, row), "  " + std::string(kMainSurfaceCaptions[s])) << where;
      const int pointRow = row;
      double sumProducts = 0;
      std::set<std::string> shown;
      // The point's rows run to the next point's row or the table's end.
      for (; row < t.RowCount() && (row == pointRow || t.Cell(2, row).empty()); ++row) {
        const std::string& name = t.Cell(0, row);
        shown.insert(name);
        const int on = surfaceOf.at(name);
        const bool own = name.compare(0, 4, "    ") != 0;
        double expected = 0, T = 0;
        if (own) {
          expected = ViewFactor(p, n, r.Corners(on, r.rects[on][0]));
          for (std::size_t k = 1; k < r.rects[on].size(); ++k)
            expected -= ViewFactor(p, n, r.Corners(on, r.rects[on][k]));
          T = r.rects[on][0].t;
        } else {
          for (const Rectangle& sub : r.rects[on])
            if ("    " + sub.name == name) {
              expected = ViewFactor(p, n, r.Corners(on, sub));
              T = sub.t;
            }
        }
        ASSERT_NEAR(Value(t.Cell(6, row)), expected, 2e-5) << where << ", " << name;
        sumProducts += expected * T;
      }
      // Every sub-surface reaching clearly in front of the point has its row.
      for (int on = 0; on < kMainSurfaceCount; ++on)
        for (std::size_t k = 1; k < r.rects[on].size(); ++k) {
          double front = -1;
          for (const Vec& c : r.Corners(on, r.rects[on][k])) front = std::max(front, Dot(n, c - p));
          if (front > 1e-4 || on == s) {
            EXPECT_TRUE(shown.count("    " + r.rects[on][k].name)) << where << ", " << on << k;
          }
        }
      EXPECT_EQ(t.Cell(4, pointRow), "1,00") << where;
      EXPECT_NEAR(Value(t.Cell(5, pointRow)), sumProducts, 6e-3) << where;
      const double height = p.z;  // the radiator profile: 20 − (h − 1.25)
      EXPECT_NEAR(Value(t.Cell(3, pointRow)), 20 - (height - 1.25), 6e-3) << where;
    }
    EXPECT_EQ(row, t.RowCount());
  }
}

}  // namespace
}  // namespace virano
