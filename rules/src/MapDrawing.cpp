#include "rules/MapDrawing.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "project/numbers.h"

namespace virano {

namespace {

// The scale at eleven evenly spaced points, from dark violet to yellow; the
// colours between are interpolated.
constexpr std::array<Rgb, 11> kScale = {{{68, 1, 84},
                                         {72, 36, 117},
                                         {65, 68, 135},
                                         {53, 95, 141},
                                         {42, 120, 142},
                                         {33, 145, 140},
                                         {34, 168, 132},
                                         {68, 191, 112},
                                         {122, 209, 81},
                                         {189, 223, 38},
                                         {253, 231, 37}}};

unsigned char Between(unsigned char a, unsigned char b, double f) {
  return static_cast<unsigned char>(std::lround(a + (b - a) * f));
}

// The steps between the legend's marks, in °C.
constexpr std::array<double, 13> kMarkSteps = {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1,
                                               2,    5,    10,   20,  50,  100};
constexpr int kMostIntervals = 5;

}  // namespace

Rgb MapColour(double t) {
  if (!(t > 0)) return kScale.front();
  if (!(t < 1)) return kScale.back();
  const double at = t * (kScale.size() - 1);
  const auto i = static_cast<std::size_t>(at);
  const double f = at - static_cast<double>(i);
  const Rgb& a = kScale[i];
  const Rgb& b = kScale[i + 1];
  return {Between(a.r, b.r, f), Between(a.g, b.g, f), Between(a.b, b.b, f)};
}

bool LightColour(Rgb colour) {
  return 0.299 * colour.r + 0.587 * colour.g + 0.114 * colour.b > 140;
}

double MapLegend::Fraction(double value) const { return (value - low) / (high - low); }

MapLegend LegendFor(double low, double high) {
  MapLegend legend;
  if (!(high - low >= 0.01)) {
    const double middle = (low + high) / 2;
    low = middle - 0.5;
    high = middle + 0.5;
  }
  legend.low = low;
  legend.high = high;
  legend.step = kMarkSteps.back();
  for (const double step : kMarkSteps)
    if ((high - low) / step <= kMostIntervals) {
      legend.step = step;
      break;
    }
  legend.decimals = legend.step < 0.1 ? 2 : legend.step < 1 ? 1 : 0;
  const double first = std::ceil(low / legend.step - 1e-9);
  const double last = std::floor(high / legend.step + 1e-9);
  for (double k = first; k <= last; ++k) legend.marks.push_back(k * legend.step);
  return legend;
}

std::vector<double> CellEdges(const std::vector<float>& positions, float extent) {
  std::vector<double> edges = {0};
  for (std::size_t i = 1; i < positions.size(); ++i)
    edges.push_back((static_cast<double>(positions[i - 1]) + positions[i]) / 2);
  edges.push_back(extent);
  return edges;
}

RoomDrawingInput RoomDrawingOf(const TRoomRecord& room, MainSurface surface, bool decimalPunkt) {
  RoomDrawingInput input;
  for (const TSurfaceRow& row : room.Ytor[surface]) {
    auto& texts = input.surfaces.emplace_back();
    for (int c = 0; c < TSurfaceRow::kCellCount; ++c) texts[c] = row.cell(c).Text();
  }
  // The ten points; the block's last row is never evaluated.
  for (int p = 0; p + 1 < kPointRowsPerBlock; ++p) {
    auto& texts = input.points.emplace_back();
    for (int c = 0; c < TPointRow::kCellCount; ++c) texts[c] = room.Punkter[surface][p].cell(c).Text();
  }
  input.rumsTemp = room.RumsTemp.Text();
  input.decimalPunkt = decimalPunkt;
  return input;
}

std::string MapTitle(const TRoomRecord& room, MainSurface surface, double distance,
                     bool decimalPunkt) {
  std::string title = room.RumsNamn.Text();
  if (!title.empty()) title += " – ";
  return title + std::string(kMainSurfaceCaptions[surface]) + ", " +
         FormatFixed(distance, 2, decimalPunkt) + " m från ytan";
}

}  // namespace virano
