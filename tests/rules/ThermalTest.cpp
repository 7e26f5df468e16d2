#include "rules/Thermal.h"

#include <gtest/gtest.h>

#include "project/numbers.h"

namespace virano {
namespace {

TEST(ThermalTest, SurfaceTemperatureOneDecimalOfTheSingleValue) {
  struct Case { const char *trum, *u, *mi, *tute; bool punkt; const char* expected; };
  for (const Case& c : {Case{"20", "0,3", "0,13", "-20", false, "18,4"},
                        Case{"20", "2", "0,13", "-18", false, "10,1"},
                        Case{"20", "0,25", "0,13", "-18", false, "18,8"},  // 18.764999... as a single
                        Case{"20", "0,3", "0,13", "20", false, "20,0"},
                        Case{"18", "0,3", "0,13", "-20", false, "16,5"},
                        Case{"0", "1", "0,04", "-1", false, "-0,0"},
                        Case{"20", "0.3", "0,13", "-20", true, "18.4"}})
    EXPECT_EQ(YtTemperaturText(c.trum, c.u, c.mi, c.tute, c.punkt), c.expected) << c.u << " " << c.tute;
  EXPECT_THROW(YtTemperaturText("-", "0,3", "0,13", "-20", false), ConversionError);
}

TEST(ThermalTest, AirVelocityGivesTheIncreaseAndTheMinimumRot) {
  using K = IncRotVerdict::Kind;
  struct Case { const char* v; bool punkt; K kind; const char* text; };
  for (const Case& c : {Case{"0", false, K::kZero, "0"}, Case{"0,20", false, K::kZero, "0"},
                        Case{"0,25", false, K::kIncrease, "0,7"}, Case{"0,3", false, K::kIncrease, "1,3"},
                        Case{"0,35", false, K::kIncrease, "2,0"}, Case{"0,25", true, K::kIncrease, "0.7"},
                        Case{">0,35", false, K::kOpen, ""}, Case{"0,5", false, K::kOpen, ""}}) {
    const IncRotVerdict verdict = IncRotForVelocity(c.v, c.punkt);
    EXPECT_EQ(std::pair(verdict.kind, verdict.text), std::pair(c.kind, std::string(c.text))) << c.v;
  }
  EXPECT_EQ(MinRotText("20", "0,7", false), "20,7");
  EXPECT_EQ(MinRotText("20", "2,0", false), "22");
  EXPECT_EQ(MinRotText("20,5", "2.5", true), "23");               // the target through DecimalFormat
  EXPECT_THROW(MinRotText("20", "2.5", false), ConversionError);  // the increase as it stands
}

}  // namespace
}  // namespace virano
