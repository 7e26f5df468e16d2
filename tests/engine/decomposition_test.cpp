#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <set>
#include <stdexcept>
#include <string>

#include "engine/kernels.h"

namespace virano {
namespace {

std::string Digits(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.7f", static_cast<double>(value));
  return text;
}

struct Rect {
  float x1, x2, y1, y2;
};
struct Point {
  float x, y;
};

float Parallel(Rect r, Point p, float z) {
  const ViewFactorOp op = ParallelOperation(CheckFallTyp(r.x1, r.x2, r.y1, r.y2, p.x, p.y));
  return op(r.x1, r.x2, r.y1, r.y2, p.x, p.y, z);
}

// Geometry is given with the depth along X; for the G family it is
// transposed first, so both families must agree on the same geometry.
float Perpendicular(bool depthAlongY, Rect r, Point p, float z) {
  if (depthAlongY) {
    r = {r.y1, r.y2, r.x1, r.x2};
    p = {p.y, p.x};
  }
  const int fallTyp = CheckFallTyp(r.x1, r.x2, r.y1, r.y2, p.x, p.y);
  const ViewFactorOp op = PerpendicularOperation(fallTyp, depthAlongY);
  if (op == nullptr) throw std::logic_error("no operation for case " + std::to_string(fallTyp));
  return op(r.x1, r.x2, r.y1, r.y2, p.x, p.y, z);
}

class Random {
 public:
  explicit Random(unsigned seed) : engine_(seed) {}
  float Uniform(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(engine_); }
  Rect AnyRect() {
    const float x1 = Uniform(-3, 3), y1 = Uniform(-3, 3);
    return {x1, x1 + Uniform(0.2f, 4), y1, y1 + Uniform(0.2f, 4)};
  }
  // where: 0 before lo, 1 on lo, 2 between, 3 on hi, 4 beyond hi.
  float Place(float lo, float hi, int where) {
    switch (where) {
      case 0: return lo - Uniform(0.05f, 3);
      case 1: return lo;
      case 2: return lo + (hi - lo) * Uniform(0.1f, 0.9f);
      case 3: return hi;
      default: return hi + Uniform(0.05f, 3);
    }
  }
  // A cut strictly between lo and hi, now and then through p.
  float Cut(float lo, float hi, float p) {
    if (lo < p && p < hi && Uniform(0, 1) < 0.3f) return p;
    return lo + (hi - lo) * Uniform(0.1f, 0.9f);
  }

 private:
  std::mt19937 engine_;
};

constexpr float kSplitTolerance = 2e-6f;

TEST(ParallelDecomposition, WholeRectangleExamples) {
  const float quadrant = ParallellaFallet(1.25f, 2, 1);
  const float centre = VkFallTyp1(0, 4, 0, 2.5f, 2, 1.25f, 1);
  EXPECT_EQ(centre, ((quadrant + quadrant) + quadrant) + quadrant);
  EXPECT_EQ(Digits(centre), "0.7355765");
  // Above the left edge's line: the terms with L = 0 vanish.
  EXPECT_EQ(CheckFallTyp(0, 4, 0, 2.5f, 0, 3), 2);
  EXPECT_EQ(VkFallTyp2(0, 4, 0, 2.5f, 0, 3, 1), ParallellaFallet(3, 4, 1) - ParallellaFallet(0.5f, 4, 1));
}

TEST(ParallelDecomposition, SplitHalvesAddUpToTheWhole) {
  Random random(1);
  std::set<int> cases;
  for (int wx = 0; wx < 5; ++wx) {
    for (int wy = 0; wy < 5; ++wy) {
      for (int n = 0; n < 200; ++n) {
        const Rect r = random.AnyRect();
        const Point p{random.Place(r.x1, r.x2, wx), random.Place(r.y1, r.y2, wy)};
        const float z = random.Uniform(0.1f, 3);
        cases.insert(CheckFallTyp(r.x1, r.x2, r.y1, r.y2, p.x, p.y));
        const float whole = Parallel(r, p, z);
        const float xm = random.Cut(r.x1, r.x2, p.x), ym = random.Cut(r.y1, r.y2, p.y);
        EXPECT_NEAR(Parallel({r.x1, xm, r.y1, r.y2}, p, z) + Parallel({xm, r.x2, r.y1, r.y2}, p, z),
                    whole, kSplitTolerance);
        EXPECT_NEAR(Parallel({r.x1, r.x2, r.y1, ym}, p, z) + Parallel({r.x1, r.x2, ym, r.y2}, p, z),
                    whole, kSplitTolerance);
      }
    }
  }
  EXPECT_EQ(cases.size(), 17u);
}

TEST(ParallelDecomposition, QuadrantsOfAVastPlaneSumToOne) {
  Random random(2);
  constexpr float kFar = 1e6f;
  for (int n = 0; n < 1000; ++n) {
    const Point p{random.Uniform(-2, 2), random.Uniform(-2, 2)};
    // The dividing lines run now and then through the foot point.
    const Point q{n % 2 ? p.x : random.Uniform(-2, 2), n % 4 > 1 ? p.y : random.Uniform(-2, 2)};
    const float z = random.Uniform(0.2f, 3);
    const float sum = Parallel({-kFar, q.x, -kFar, q.y}, p, z) + Parallel({q.x, kFar, -kFar, q.y}, p, z) +
                      Parallel({-kFar, q.x, q.y, kFar}, p, z) + Parallel({q.x, kFar, q.y, kFar}, p, z);
    EXPECT_NEAR(sum, 1.0f, 2e-6f);
  }
}

TEST(ParallelDecomposition, EdgeAndCornerValuesAreLimitsOfNearbyOnes) {
  Random random(3);
  constexpr float kStep = 1e-5f;
  for (int wx = 0; wx < 5; ++wx) {
    for (int wy = 0; wy < 5; ++wy) {
      if (wx % 2 == 0 && wy % 2 == 0) continue;  // not on the line of an edge
      for (int n = 0; n < 50; ++n) {
        const Rect r = random.AnyRect();
        const Point p{random.Place(r.x1, r.x2, wx), random.Place(r.y1, r.y2, wy)};
        const float z = random.Uniform(0.2f, 3);
        const float on = Parallel(r, p, z);
        for (const float dx : {-kStep, 0.0f, kStep}) {
          for (const float dy : {-kStep, 0.0f, kStep}) {
            EXPECT_NEAR(Parallel(r, {p.x + dx, p.y + dy}, z), on, 1e-4f);
          }
        }
      }
    }
  }
}

TEST(PerpendicularDecomposition, StripOnTheElementPlaneTakesItsDepthFromTheOtherEdge) {
  const auto V = [](float h, float l) { return VinkelRataFallet(h, l, 1); };
  struct {
    float x1, x2, chpX, h;
  } const strips[] = {{1, 3, 3, 2}, {1, 3, 1, 2}, {1, 4, 1, 3}};
  for (const auto& s : strips) {
    const float expected = V(s.h, 2) - V(s.h, 1);
    EXPECT_EQ(VkSidFallTyp2(s.x1, s.x2, 0, 1, s.chpX, 2, 1), expected);
    EXPECT_EQ(VkSidFallTyp5(s.x1, s.x2, 1, 2, s.chpX, 0, 1), expected);
    EXPECT_EQ(VkSidFallTyp3G(1, 2, s.x1, s.x2, 0, s.chpX, 1), expected);
    EXPECT_EQ(VkSidFallTyp4G(1, 2, s.x1, s.x2, 3, s.chpX, 1), expected);
  }
}

TEST(PerpendicularDecomposition, EdgeStripExamples) {
  EXPECT_EQ(CheckFallTyp(0, 2, 0, 2.5f, 0, 1.25f), 17);
  EXPECT_EQ(VkSidFallTyp17(0, 2, 0, 2.5f, 0, 1.25f, 1), 2 * VinkelRataFallet(2, 1.25f, 1));
  const float edge = VkSidFallTyp15(0, 4, 0, 1, 2, 1, 1.25f);
  EXPECT_EQ(VkSidFallTyp15G(0, 4, 0, 1, 2, 1, 1.25f), edge);
  EXPECT_EQ(VkSidFallTyp16(0, 4, 0, 1, 2, 1, 1.25f), edge);
}

TEST(PerpendicularDecomposition, SplitHalvesAddUpAndBothFamiliesAgree) {
  Random random(4);
  for (const bool depthAlongY : {false, true}) {
    std::set<int> cases;
    for (const int wx : {0, 1, 3, 4}) {  // never between the depth edges
      for (int wy = 0; wy < 5; ++wy) {
        for (int n = 0; n < 200; ++n) {
          const Rect r = random.AnyRect();
          const Point p{random.Place(r.x1, r.x2, wx), random.Place(r.y1, r.y2, wy)};
          const float z = random.Uniform(0.1f, 3);
          cases.insert(depthAlongY ? CheckFallTyp(r.y1, r.y2, r.x1, r.x2, p.y, p.x)
                                   : CheckFallTyp(r.x1, r.x2, r.y1, r.y2, p.x, p.y));
          const float whole = Perpendicular(depthAlongY, r, p, z);
          EXPECT_NEAR(whole, Perpendicular(!depthAlongY, r, p, z), 1e-6f);
          const float xm = random.Cut(r.x1, r.x2, p.x), ym = random.Cut(r.y1, r.y2, p.y);
          EXPECT_NEAR(Perpendicular(depthAlongY, {r.x1, xm, r.y1, r.y2}, p, z) +
                          Perpendicular(depthAlongY, {xm, r.x2, r.y1, r.y2}, p, z),
                      whole, kSplitTolerance);
          EXPECT_NEAR(Perpendicular(depthAlongY, {r.x1, r.x2, r.y1, ym}, p, z) +
                          Perpendicular(depthAlongY, {r.x1, r.x2, ym, r.y2}, p, z),
                      whole, kSplitTolerance);
        }
      }
    }
    EXPECT_EQ(cases.size(), 14u);
  }
}

// A point inside a closed box facing one wall sees that wall and the strips
// of the four walls beside it between the wall and its own plane: the whole
// hemisphere.
TEST(Decompositions, ClosedBoxFillsTheHemisphere) {
  const auto seen = [](float w, float h, float d, float px, float py, float zp) {
    return Parallel({0, w, 0, h}, {px, py}, zp) +
           // Side walls: depth measured from the facing wall, then from the far one.
           Perpendicular(false, {0, zp, 0, h}, {zp, py}, px) +
           Perpendicular(false, {d - zp, d, 0, h}, {d - zp, py}, w - px) +
           Perpendicular(true, {0, zp, 0, w}, {zp, px}, h - py) +
           Perpendicular(true, {d - zp, d, 0, w}, {d - zp, px}, py);
  };
  EXPECT_EQ(Digits(VkSidFallTyp17(4, 5, 0, 2.5f, 4, 1.25f, 2)), "0.0326822");
  EXPECT_EQ(Digits(VkSidFallTyp15(0, 4, 0, 1, 2, 1, 1.25f)), "0.0995295");
  EXPECT_NEAR(seen(4, 2.5f, 5, 2, 1.25f, 1), 1.0f, 1e-6f);
  Random random(5);
  for (int n = 0; n < 1000; ++n) {
    const float w = random.Uniform(1, 6), h = random.Uniform(1, 6), d = random.Uniform(1, 6);
    const float px = random.Uniform(0.1f, w - 0.1f), py = random.Uniform(0.1f, h - 0.1f);
    EXPECT_NEAR(seen(w, h, d, px, py, random.Uniform(0.1f, d - 0.1f)), 1.0f, 2e-6f);
  }
}

}  // namespace
}  // namespace virano
