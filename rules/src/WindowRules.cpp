#include "rules/WindowRules.h"

#include <algorithm>
#include <cmath>

#include "project/numbers.h"

namespace virano {
namespace {

// The first column takes what the others leave; it never goes below zero.
int Rest(int available, int used) { return std::max(0, available - used); }

}  // namespace

int GridMargin(bool verticalScrollBarShown, int scrollBarWidth) {
  return verticalScrollBarShown ? scrollBarWidth + 3 : 3;
}

std::array<int, 9> SurfaceGridWidths(int gridWidth, int margin, int lines, int unitHeadingWidth) {
  std::array<int, 9> widths{};
  const int unit = unitHeadingWidth + 7;
  for (int c = 1; c < 9; ++c) widths[c] = unit;
  widths[0] = Rest(gridWidth, 8 * unit + lines + margin);
  return widths;
}

std::array<int, 3> PointGridWidths(int gridWidth, int margin, int lines) {
  const int available = gridWidth - margin - lines;
  // nearbyint rounds halves to even in the default rounding mode.
  const int third = static_cast<int>(std::nearbyint(available / 3.0));
  return {third, third, Rest(available, 2 * third)};
}

std::array<int, 17> SummaryInputWidths(int gridWidth, int margin, int lines,
                                       const SummaryInputTexts& t) {
  std::array<int, 17> w{};
  w[1] = t.cell1_0 + 15;
  w[2] = w[3] = w[4] = w[1];
  w[5] = t.cell5_2 + 9;
  w[6] = w[5];
  w[8] = t.cell8_0 + 9;
  w[7] = w[8];
  w[10] = t.cell10_0 + 9;
  w[9] = w[10];
  w[11] = t.cell11_1 + 9;
  w[12] = t.xxxx + 5;
  w[13] = t.cell13_1 + 9;
  w[14] = w[15] = w[16] = w[1];
  for (int c = 1; c < 17; ++c) w[c] = std::max(w[c], t.widest[c] + kSummaryCellPadding);
  int used = 0;
  for (int c = 1; c < 17; ++c) used += w[c];
  w[0] = Rest(gridWidth, lines + used + margin);
  return w;
}

std::array<int, 10> SummaryResultWidths(int gridWidth, int margin, int lines, int cell1_0,
                                        int cell2_2, int cell5_1) {
  std::array<int, 10> w{};
  w[1] = cell1_0 + 20;
  w[2] = cell2_2 + 20;
  w[5] = cell5_1 + 20;
  w[3] = w[4] = w[6] = w[7] = w[8] = w[5];
  w[9] = 0;
  int used = 0;
  for (int c = 1; c < 10; ++c) used += w[c];
  w[0] = Rest(gridWidth, lines + used + margin);
  return w;
}

HeatPanels HeatPanelsFor(int heatSystem) {
  return {.takHeat = heatSystem == 3, .egetAlt = heatSystem == 5};
}

std::string ManualFilNamn(std::string_view programBibl, char separator, bool decimalPunkt) {
  std::string path(programBibl);
  path += separator;
  path += "Manualer";
  path += separator;
  path += "Virano";
  const int version = DerivedVersion(decimalPunkt);
  if (version != 1) path += std::to_string(version);
  return path + ".pdf";
}

std::string MaxTeckenCaption(std::string_view caption, int limit, bool perRad) {
  std::string text(caption);
  text += " - Max antal tecken " + std::to_string(limit);
  if (perRad) text += " per rad";
  return text;
}

std::array<int, 5> ErrorListWidths(int gridWidth, int lineWidth, int numberTextWidth,
                                   int nameTextWidth) {
  std::array<int, 5> widths{};
  widths[0] = numberTextWidth + 10;
  widths[1] = widths[2] = widths[3] = nameTextWidth + 10;
  widths[4] = gridWidth - widths[0] - 3 * widths[1] - lineWidth * 5 - 20;
  return widths;
}

int ErrorListGridWidth(int lineWidth, int numberTextWidth, int nameTextWidth, int longestMessage) {
  const std::array<int, 5> widths = ErrorListWidths(0, lineWidth, numberTextWidth, nameTextWidth);
  // ErrorListWidths leaves the message column the grid width less the rest.
  return longestMessage + 10 - widths[4];
}

}  // namespace virano
