#include "rules/WindowRules.h"

#include <gtest/gtest.h>

#include <numeric>

namespace virano {
namespace {

TEST(TabWidthTest, SharesTheControlWidthLessOnePixel) {
  EXPECT_EQ(TabWidth(764, std::array{60, 90, 40, 100}), 190);
  EXPECT_EQ(TabWidth(767, std::array{60, 90, 40, 100}), 190);  // 191.75 truncated, less one
  EXPECT_EQ(TabWidth(768, std::array{60, 90, 40, 100}), 191);
}

TEST(TabWidthTest, ACaptionThatDoesNotFitLetsTheTabsSizeThemselves) {
  EXPECT_EQ(TabWidth(400, std::array{60, 90, 40, 100}), 0);   // 99 < 100
  EXPECT_EQ(TabWidth(404, std::array{60, 90, 40, 100}), 100);  // exactly fits
}

TEST(GridWidthsTest, SurfaceGridGivesTheNameColumnTheRest) {
  const auto w = SurfaceGridWidths(600, GridMargin(false, 16), 9, 38);
  for (int c = 1; c < 9; ++c) EXPECT_EQ(w[c], 45);
  EXPECT_EQ(w[0], 600 - 8 * 45 - 9 - 3);
  const auto scrolled = SurfaceGridWidths(600, GridMargin(true, 16), 9, 38);
  EXPECT_EQ(scrolled[0], w[0] - 16);
}

TEST(GridWidthsTest, NameColumnNeverNegative) {
  EXPECT_EQ(SurfaceGridWidths(100, 3, 9, 38)[0], 0);
}

TEST(GridWidthsTest, PointGridRoundsThirdsHalfToEven) {
  // 150 - 3 - 3 = 144: 48 each.
  EXPECT_EQ(PointGridWidths(150, 3, 3), (std::array{48, 48, 48}));
  // 151 - 3 - 3 = 145: 48.33 -> 48, rest 49.
  EXPECT_EQ(PointGridWidths(151, 3, 3), (std::array{48, 48, 49}));
  // 152 - 3 - 3 = 146: 48.67 -> 49, rest 48.
  EXPECT_EQ(PointGridWidths(152, 3, 3), (std::array{49, 49, 48}));
}

TEST(GridWidthsTest, SummaryInputViewSizesFromItsHeadings) {
  const SummaryInputTexts t{.cell1_0 = 12, .cell5_2 = 30, .cell8_0 = 35, .cell10_0 = 25,
                            .cell11_1 = 40, .xxxx = 60, .cell13_1 = 50};
  const auto w = SummaryInputWidths(1000, 3, 17, t);
  EXPECT_EQ(w[1], 27);
  EXPECT_EQ(w[4], 27);
  EXPECT_EQ(w[16], 27);
  EXPECT_EQ(w[5], 39);
  EXPECT_EQ(w[6], 39);
  EXPECT_EQ(w[7], 44);
  EXPECT_EQ(w[9], 34);
  EXPECT_EQ(w[11], 49);
  EXPECT_EQ(w[12], 65);
  EXPECT_EQ(w[13], 59);
  EXPECT_EQ(std::accumulate(w.begin(), w.end(), 0), 1000 - 3 - 17);
}

TEST(GridWidthsTest, SummaryResultViewHidesTheMarkerColumn) {
  const auto w = SummaryResultWidths(700, 3, 10, 20, 30, 40);
  EXPECT_EQ(w[1], 40);
  EXPECT_EQ(w[2], 50);
  for (int c : {3, 4, 5, 6, 7, 8}) EXPECT_EQ(w[c], 60);
  EXPECT_EQ(w[9], 0);
  EXPECT_EQ(std::accumulate(w.begin(), w.end(), 0), 700 - 3 - 10);
}

TEST(HeatPanelsTest, OnlyCeilingHeatingAndOwnProfileShowPanels) {
  for (int i = 0; i < 6; ++i) {
    const HeatPanels p = HeatPanelsFor(i);
    EXPECT_EQ(p.takHeat, i == 3) << i;
    EXPECT_EQ(p.egetAlt, i == 5) << i;
  }
}

TEST(ManualTest, ManualLiesInManualerUnderTheProgramDirectory) {
  EXPECT_EQ(ManualFilNamn("/opt/virano", '/', false), "/opt/virano/Manualer/Virano.pdf");
  EXPECT_EQ(ManualFilNamn("C:\\Virano", '\\', true), "C:\\Virano\\Manualer\\Virano.pdf");
}

TEST(CaptionTest, LimitsAppendedToGroupCaptions) {
  EXPECT_EQ(MaxTeckenCaption("Anläggning", 60, true), "Anläggning - Max antal tecken 60 per rad");
  EXPECT_EQ(MaxTeckenCaption("Signatur", 25, false), "Signatur - Max antal tecken 25");
}

}  // namespace
}  // namespace virano
