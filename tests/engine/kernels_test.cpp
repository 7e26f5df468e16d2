#include "engine/kernels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace virano {
namespace {

// A float with seven decimals, the way the values are quoted.
std::string Digits(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.7f", static_cast<double>(value));
  return text;
}

TEST(Kernels, KnownValuesToTheLastDigit) {
  EXPECT_EQ(Digits(ParallellaFallet(1, 1, 1)), "0.1385316");
  EXPECT_EQ(Digits(VinkelRataFallet(1, 1, 1)), "0.0557342");
  EXPECT_EQ(Digits(ParallellaFallet(2, 3, 1)), "0.2175752");
  // The perpendicular kernel is not symmetric in H and L.
  EXPECT_EQ(Digits(VinkelRataFallet(2, 3, 1)), "0.1325784");
  EXPECT_EQ(Digits(VinkelRataFallet(3, 2, 1)), "0.1478254");
  // Quadrants of an infinite plane and half-plane.
  EXPECT_EQ(ParallellaFallet(1e6f, 1e6f, 1), 0.25f);
  EXPECT_EQ(Digits(VinkelRataFallet(1e6f, 1e6f, 1)), "0.2499997");
}

TEST(Kernels, ZeroExtentSeesNothing) {
  EXPECT_EQ(ParallellaFallet(0, 3, 1), 0.0f);
  EXPECT_EQ(ParallellaFallet(3, 0, 1), 0.0f);
  EXPECT_EQ(VinkelRataFallet(0, 3, 1), 0.0f);
  EXPECT_EQ(VinkelRataFallet(3, 0, 1), 0.0f);
}

TEST(Kernels, ZeroDistanceIsADivisionByZero) {
  for (const float zero : {0.0f, -0.0f}) {
    try {
      ParallellaFallet(1, 1, zero);
      ADD_FAILURE() << "no error";
    } catch (const CalculationError& error) {
      EXPECT_STREQ(error.what(), "Division med noll i ParallellaFallet");
    }
    try {
      VinkelRataFallet(0, 0, zero);
      ADD_FAILURE() << "no error";
    } catch (const CalculationError& error) {
      EXPECT_STREQ(error.what(), "Division med noll i VinkelRataFallet");
    }
  }
  // A decomposition passes the error on.
  EXPECT_THROW(VkFallTyp1(0, 4, 0, 2.5f, 2, 1.25f, 0), CalculationError);
  EXPECT_THROW(VkSidFallTyp17(0, 2, 0, 2.5f, 0, 1.25f, 0), CalculationError);
}

TEST(Kernels, UndefinedArgumentsNeverYieldAValue) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_THROW(ParallellaFallet(inf, 1, 1), CalculationError);
  EXPECT_THROW(VinkelRataFallet(1, inf, 1), CalculationError);
  EXPECT_THROW(ParallellaFallet(1, 1, nan), CalculationError);
  EXPECT_THROW(VinkelRataFallet(nan, 1, 1), CalculationError);
  EXPECT_THROW(CheckFallTyp(0, 4, 0, 2.5f, nan, 1), CalculationError);
  // Coordinates so far apart that their difference overflows.
  EXPECT_THROW(VkFallTyp8(3e38f, 3.4e38f, 0, 1, -3e38f, -1, 1), CalculationError);
}

TEST(CheckFallTyp, EveryPositionAroundARectangle) {
  // Rectangle 0 … 4 by 0 … 2.5; rows from the top, columns from the left.
  const float xs[] = {-1, 0, 2, 4, 5};
  const float ys[] = {3, 2.5f, 1, 0, -1};
  const int expected[5][5] = {{6, 2, 2, 2, 7},
                              {3, 11, 15, 12, 4},
                              {3, 17, 1, 18, 4},
                              {3, 14, 16, 13, 4},
                              {8, 5, 5, 5, 9}};
  for (int row = 0; row < 5; ++row) {
    for (int col = 0; col < 5; ++col) {
      EXPECT_EQ(CheckFallTyp(0, 4, 0, 2.5f, xs[col], ys[row]), expected[row][col])
          << "ChpX " << xs[col] << " ChpY " << ys[row];
    }
  }
}

TEST(CheckFallTyp, LastMatchingTestWins) {
  // Degenerate rectangles satisfy several tests; the later case decides.
  EXPECT_EQ(CheckFallTyp(1, 1, 0, 2, 1, 1), 18);
  EXPECT_EQ(CheckFallTyp(1, 1, 0, 2, 1, 2), 12);
  EXPECT_EQ(CheckFallTyp(0, 4, 1, 1, 2, 1), 16);
  // Edges given in reverse order: ChpX > X2 and ChpX < X1 both hold.
  EXPECT_EQ(CheckFallTyp(4, 0, 0, 2.5f, 2, 1), 4);
  // Equality is exact: a hair inside the edge is not on it.
  EXPECT_EQ(CheckFallTyp(0, 4, 0, 2.5f, std::nextafter(4.0f, 0.0f), 1), 1);
}

}  // namespace
}  // namespace virano
