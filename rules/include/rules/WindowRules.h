#pragma once
// The windows' sizing and naming rules, free of any window system: the
// window measures texts and widths and passes them in.
#include <array>
#include <string>
#include <string_view>

namespace virano {

// Tab width of the page control: the control's width shared by the tabs
// (truncated) less one pixel; 0 (the tabs size themselves) as soon as one
// caption is wider than that.
template <std::size_t N>
int TabWidth(int controlWidth, const std::array<int, N>& captionWidths) {
  const int width = controlWidth / static_cast<int>(N) - 1;
  for (int caption : captionWidths)
    if (caption > width) return 0;
  return width;
}

// Right-hand margin of a grid: 3 pixels, plus the scroll bar's width while
// the grid shows a vertical scroll bar.
int GridMargin(bool verticalScrollBarShown, int scrollBarWidth);

// Column widths of the surface grid: columns 1 to 8 as wide as the heading
// "W/m2*k" plus 7, column 0 the rest.
std::array<int, 9> SurfaceGridWidths(int gridWidth, int margin, int lines, int unitHeadingWidth);

// Column widths of the point grid: a third each for columns 0 and 1 (rounded
// to nearest, halves to even), column 2 the rest.
std::array<int, 3> PointGridWidths(int gridWidth, int margin, int lines);

// Text widths the summary grid's input view is sized by.
struct SummaryInputTexts {
  int cell1_0;    // "X1"
  int cell5_2;    // "W/m2K"
  int cell8_0;    // "Yttemp"
  int cell10_0;   // "Temp"
  int cell11_1;   // "min Rot"
  int xxxx;       // "Xxxxxxxxxxx"
  int cell13_1;   // "T 0,5mÖG/"
  // The widest text of each column, headings and data; for column 7 at
  // least the text "22,0", by which it is placed. A column is never
  // narrower than its widest text with the room the cells draw around it;
  // the names in column 0 take the rest and may be cut.
  std::array<int, 17> widest{};
};
// The room a cell draws around its text: 10 pixels right of it and a little
// left of it.
inline constexpr int kSummaryCellPadding = 13;
std::array<int, 17> SummaryInputWidths(int gridWidth, int margin, int lines,
                                       const SummaryInputTexts& texts);

// Text widths the summary grid's result views are sized by: cells (1, 0),
// (2, 2) and (5, 1). Column 9 is hidden.
std::array<int, 10> SummaryResultWidths(int gridWidth, int margin, int lines, int cell1_0,
                                        int cell2_2, int cell5_1);

// Which heating panels the chosen heating system shows: the ceiling output
// for "Takvärme" (3), the two air temperatures for "Eget alternativ" (5).
struct HeatPanels {
  bool takHeat = false;
  bool egetAlt = false;
};
HeatPanels HeatPanelsFor(int heatSystem);

// The manual's path: <programBibl>/Manualer/Virano[<version>].pdf, the
// version appended only when the file format's version is not 1.
std::string ManualFilNamn(std::string_view programBibl, char separator, bool decimalPunkt);

// A group caption followed by its character limit: " - Max antal tecken 60
// per rad" for two-line groups, " - Max antal tecken 25" otherwise.
std::string MaxTeckenCaption(std::string_view caption, int limit, bool perRad);

// The error list's columns: headings and widths. The widths are measured
// from the texts "XXXX" (room number) and fifteen X (the three name
// columns); the message column takes the rest of the grid.
inline constexpr std::array<std::string_view, 5> kErrorListHeadings = {
    "Nr", "Rumsnamn", "Yta", "Delyta", "Felmeddelande"};
std::array<int, 5> ErrorListWidths(int gridWidth, int lineWidth, int numberTextWidth,
                                   int nameTextWidth);
// The grid width at which the message column shows `longestMessage` whole,
// the inverse of ErrorListWidths with a little room after the text.
int ErrorListGridWidth(int lineWidth, int numberTextWidth, int nameTextWidth, int longestMessage);

}  // namespace virano
