#include <gtest/gtest.h>

#include "engine/calculation.h"
#include "project/numbers.h"

namespace virano {
namespace {

// The air temperature as the result table shows it.
std::string Air(int system, float h, const char* room = "20", const char* t05 = "0",
                const char* t18 = "0", const char* watt = "0") {
  return FormatFixed(KorrRumsTemp(system, h, room, t05, t18, watt, false), 2, false);
}

TEST(KorrRumsTemp, ProfilesOfTheHeatingSystems) {
  EXPECT_EQ(Air(0, 0.6f), "20,65");  // Radiator
  EXPECT_EQ(Air(1, 0.6f), "21,30");  // Konvektor
  EXPECT_EQ(Air(2, 0.6f), "21,30");  // Varmluft
  EXPECT_EQ(Air(0, 2.25f), "19,00");
  EXPECT_EQ(Air(3, 0.25f, "20", "0", "0", "50"), "21,00");  // Takvärme, 50 W/m²
  EXPECT_EQ(Air(3, 2.25f, "20", "0", "0", "50"), "19,00");
  for (float h : {0.0f, 1.1f, 2.7f}) EXPECT_EQ(Air(4, h, "21,5"), "21,50");  // Golvvärme
}

TEST(KorrRumsTemp, RoomTemperatureHoldsAtOneAndAQuarterMetres) {
  for (int system : {0, 1, 2, 3}) EXPECT_EQ(Air(system, 1.25f, "22,4", "0", "0", "80"), "22,40");
}

TEST(KorrRumsTemp, OwnAlternativeIsTheLineThroughItsTwoTemperatures) {
  const auto own = [](float h) { return KorrRumsTemp(5, h, "x", "19", "21,6", "x", false); };
  EXPECT_NEAR(own(0.5f), 19.0f, 2e-6f);
  EXPECT_NEAR(own(1.8f), 21.6f, 2e-6f);
  EXPECT_NEAR(own(1.15f), 20.3f, 2e-6f);
  EXPECT_EQ(FormatFixed(own(0.5f), 2, false), "19,00");
}

TEST(KorrRumsTemp, ConvertsOnlyTheTextsItsSystemUses) {
  EXPECT_EQ(Air(0, 1.25f, "20", "x", "y", "z"), "20,00");
  EXPECT_EQ(Air(4, 1.25f, "20", "x", "y", "z"), "20,00");
  EXPECT_THROW(Air(3, 1.25f, "20", "0", "0", ""), ConversionError);
  EXPECT_THROW(Air(0, 1.25f, "20 grader"), ConversionError);
  // A stored point reads alike on a system with a decimal point.
  EXPECT_EQ(KorrRumsTemp(0, 1.25f, "20,5", "", "", "", true), 20.5f);
}

}  // namespace
}  // namespace virano
