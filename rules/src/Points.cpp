#include "rules/Points.h"

#include "project/numbers.h"

namespace virano {

namespace {

long double Number(const std::string& text, bool decimalPunkt) {
  return StrToFloat(DecimalFormat(text, decimalPunkt), decimalPunkt);
}

std::string Middle(const std::string& from, const std::string& to, bool decimalPunkt) {
  return FormatFixed((Number(from, decimalPunkt) + Number(to, decimalPunkt)) / 2, 2, decimalPunkt);
}

}  // namespace

PointPlacement PlacePoint(const std::string& x1, const std::string& x2, const std::string& y1,
                          const std::string& y2, const std::vector<PointTexts>& points,
                          bool decimalPunkt) {
  PointPlacement placement;
  placement.point = {Middle(x1, x2, decimalPunkt), Middle(y1, y2, decimalPunkt),
                     DecimalFormat("1,0", decimalPunkt)};
  for (const PointTexts& point : points)
    if (point[0] == placement.point[0] && point[1] == placement.point[1]) {
      placement.outcome = PointPlacement::Outcome::Exists;
      return placement;
    }
  for (std::size_t row = 0; row < points.size(); ++row)
    if (points[row][0].empty()) {
      placement.outcome = PointPlacement::Outcome::Added;
      placement.row = static_cast<int>(row);
      return placement;
    }
  return placement;
}

}  // namespace virano
