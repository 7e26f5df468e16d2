#include <gtest/gtest.h>

#include <clocale>

#include "project/numbers.h"

namespace virano {
namespace {

constexpr bool kComma = false;  // DecimalPunkt clear: the system writes 2,5
constexpr bool kPoint = true;   // DecimalPunkt set: the system writes 2.5

TEST(DecimalFormat, ReplacesOnlyTheFirstSeparator) {
  EXPECT_EQ(DecimalFormat("1,5", kPoint), "1.5");
  EXPECT_EQ(DecimalFormat("1.5", kComma), "1,5");
  EXPECT_EQ(DecimalFormat("1,5,6", kPoint), "1.5,6");
  EXPECT_EQ(DecimalFormat("1.5.6", kComma), "1,5.6");
  EXPECT_EQ(DecimalFormat("1,5", kComma), "1,5");
  EXPECT_EQ(DecimalFormat("20", kPoint), "20");
  EXPECT_EQ(DecimalFormat("", kComma), "");
}

TEST(StrToFloat, ReadsNumbersStoredWithEitherSeparator) {
  // A number stored on a comma machine, read on a point machine, and back.
  EXPECT_EQ(StrToFloat(DecimalFormat("2,5", kPoint), kPoint), 2.5L);
  EXPECT_EQ(StrToFloat(DecimalFormat("2.5", kComma), kComma), 2.5L);
  EXPECT_EQ(StrToFloat(" -0,75 ", kComma), -0.75L);
  EXPECT_EQ(StrToFloat("+3", kComma), 3.0L);
  EXPECT_EQ(StrToFloat("1,5E2", kComma), 150.0L);
  EXPECT_EQ(StrToFloat("1e-1", kPoint), 0.1L);
  EXPECT_EQ(StrToFloat(",5", kComma), 0.5L);
  EXPECT_EQ(StrToFloat("5,", kComma), 5.0L);
  EXPECT_EQ(StrToFloat("1,12", kComma), 1.12L);
}

TEST(StrToFloat, RejectsEverythingElseQuotingTheText) {
  for (const char* bad : {"", " ", "-", "abc", "1,2,3", "1.5", "1,5x", "e5", "1e", "1e+", "--1",
                          "1 000", ",", "0x10", "inf", "nan", "1e99999"}) {
    EXPECT_THROW(StrToFloat(bad, kComma), ConversionError) << bad;
  }
  EXPECT_THROW(StrToFloat("1,5", kPoint), ConversionError);
  try {
    StrToFloat("12a", kComma);
    FAIL();
  } catch (const ConversionError& e) {
    EXPECT_NE(std::string(e.what()).find("'12a'"), std::string::npos);
  }
}

TEST(StrToInt, WholeNumbersOnly) {
  EXPECT_EQ(StrToInt("1"), 1);
  EXPECT_EQ(StrToInt(" 12 "), 12);
  EXPECT_EQ(StrToInt("-3"), -3);
  for (const char* bad : {"", "1,0", "1.0", "x", "99999999999"})
    EXPECT_THROW(StrToInt(bad), ConversionError) << bad;
}

TEST(FormatFixed, RoundsHalfAwayFromZeroOnTheExactValue) {
  EXPECT_EQ(FormatFixed(18.765f, 1, kComma), "18,8");  // 18.7649993…
  EXPECT_EQ(FormatFixed(6.166f, 1, kComma), "6,2");    // 6.1659998…
  EXPECT_EQ(FormatFixed(0.125L, 2, kComma), "0,13");   // an exact tie goes away from zero
  EXPECT_EQ(FormatFixed(-0.125L, 2, kComma), "-0,13");
  EXPECT_EQ(FormatFixed(0.145, 2, kComma), "0,14");  // 0.14499999… as double
  EXPECT_EQ(FormatFixed(2.675, 2, kPoint), "2.67");   // 2.67499999… as double
  EXPECT_EQ(FormatFixed(9.9951L, 2, kComma), "10,00");
  EXPECT_EQ(FormatFixed(99.96L, 1, kComma), "100,0");
  EXPECT_EQ(FormatFixed(0.73557651f, 5, kComma), "0,73558");
  EXPECT_EQ(FormatFixed(1.0f, 2, kComma), "1,00");
  EXPECT_EQ(FormatFixed(20.0L, 0, kComma), "20");
  EXPECT_EQ(FormatFixed(1e20L, 1, kPoint), "100000000000000000000.0");
}

TEST(FormatFixed, KeepsTheMinusSignOfSmallNegatives) {
  EXPECT_EQ(FormatFixed(-0.04L, 1, kComma), "-0,0");
  EXPECT_EQ(FormatFixed(-0.000001L, 5, kComma), "-0,00000");
  EXPECT_EQ(FormatFixed(0.0L, 2, kComma), "0,00");
  EXPECT_EQ(FormatFixed(-0.0L, 2, kComma), "0,00");
  EXPECT_EQ(FormatFixed(-17.25L, 1, kPoint), "-17.3");
}

TEST(FormatGeneral, FifteenSignificantDigits) {
  EXPECT_EQ(FormatGeneral(20.0L + 0.7L, kComma), "20,7");
  EXPECT_EQ(FormatGeneral(20.0L + 0.0L, kComma), "20");
  EXPECT_EQ(FormatGeneral(20.0L + 0.7L, kPoint), "20.7");
  EXPECT_EQ(FormatGeneral(0.1 + 0.2, kComma), "0,3");
  EXPECT_EQ(FormatGeneral(-1.5L, kComma), "-1,5");
  EXPECT_EQ(FormatGeneral(0.0L, kComma), "0");
  EXPECT_EQ(FormatGeneral(0.00012L, kComma), "0,00012");
  EXPECT_EQ(FormatGeneral(123456789012345.0L, kComma), "123456789012345");
  EXPECT_EQ(FormatGeneral(1e20L, kComma), "1E20");
  EXPECT_EQ(FormatGeneral(1.5e-7L, kComma), "1,5E-7");
  EXPECT_EQ(FormatGeneral(0.999999999999999999L, kComma), "1");
}

TEST(FormatFixed, IgnoresTheCLibraryLocale) {
  // A window toolkit sets the C library's numeric locale from the user's.
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old ? old : "C";
  if (!std::setlocale(LC_NUMERIC, "sv_SE.UTF-8")) GTEST_SKIP() << "sv_SE.UTF-8 missing";
  EXPECT_EQ(FormatFixed(18.65L, 2, kComma), "18,65");
  EXPECT_EQ(FormatFixed(-0.5L, 1, kPoint), "-0.5");
  EXPECT_EQ(FormatGeneral(20.7L, kComma), "20,7");
  EXPECT_EQ(StrToFloat("2,5", kComma), 2.5L);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Version, DerivedFromTheVersionNumber) {
  EXPECT_EQ(kVersionText, "1,12");
  EXPECT_EQ(DerivedVersion(kComma), 1);
  EXPECT_EQ(DerivedVersion(kPoint), 1);
}

}  // namespace
}  // namespace virano
