#pragma once
// Control points in front of a main surface: placing one in front of the
// middle of a surface row, and the check that marks a point beyond the main
// surface.
#include <array>
#include <string>
#include <vector>

namespace virano {

// A point row's cells Xp, Yp and Zp.
using PointTexts = std::array<std::string, 3>;

struct PointPlacement {
  enum class Outcome { Added, Exists, Full };
  Outcome outcome = Outcome::Full;
  int row = -1;       // the point row taken (0: the first), when Added
  PointTexts point;   // the point's texts
};

// A point 1,0 m in front of the middle of the rectangle X1..X2 × Y1..Y2
// (texts), with two decimals, in the first free row of `points`; Exists
// when a row holds the same Xp and Yp texts. Throws ConversionError when a
// coordinate is not a number.
PointPlacement PlacePoint(const std::string& x1, const std::string& x2, const std::string& y1,
                          const std::string& y2, const std::vector<PointTexts>& points,
                          bool decimalPunkt);

}  // namespace virano
