// The result table's fast fixed notation writes what FormatFixed writes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "../../engine/src/evaluation.h"

namespace virano {
namespace {

using evaluation::FixedText;

TEST(FixedText, WritesWhatFormatFixedWrites) {
  const long double cases[] = {0, -0.0L, 0.125L, -0.125L, 1.0L / 64, -1.0L / 64, 2.675L,
                               0.000004L, -0.000004L, 0.0000049999L, 1e-30L, 0.735576510429L,
                               99.999995L, 123456.789L, 0x1p40L - 1, 0x1p40L, 1e12L, -5e15L,
                               std::numeric_limits<long double>::denorm_min(),
                               std::numeric_limits<long double>::infinity(), std::nanl("")};
  std::mt19937_64 random(16);
  std::vector<long double> values(std::begin(cases), std::end(cases));
  for (int i = 0; i < 20000; ++i) {  // floats, and products of a float and a temperature
    const int exponent = -static_cast<int>(random() % 40);
    const float f = std::ldexp(static_cast<float>(random() % 16777216), exponent);
    values.push_back(i % 2 ? f : f * (static_cast<long double>(random() % 7000) / 100 - 10));
  }
  for (const long double v : values)
    for (const int decimals : {0, 2, 5})
      for (const bool point : {false, true})
        ASSERT_EQ(FixedText(v, decimals, point), FormatFixed(v, decimals, point))
            << static_cast<double>(v) << " with " << decimals;
}

}  // namespace
}  // namespace virano
