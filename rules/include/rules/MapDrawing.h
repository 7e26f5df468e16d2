#pragma once
// What the picture of a ROT map is made of, free of any window system: the
// colour scale, the legend's range and marks, the edges of the cells round
// the grid points, and the room drawing of a stored main surface.
#include <string>
#include <vector>

#include "project/record.h"
#include "rules/RoomDrawing.h"

namespace virano {

struct Rgb {
  unsigned char r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// A perceptually uniform scale from dark violet (t = 0) over blue and green
// to yellow (t = 1); t outside 0 … 1 is taken as the nearer end.
Rgb MapColour(double t);
// True when black reads better than white on `colour`.
bool LightColour(Rgb colour);

// The temperatures the colours span, low to high, and the values marked on
// the legend: the multiples of `step` within the range, with `decimals`.
struct MapLegend {
  double low = 0, high = 0;
  double step = 0;
  int decimals = 0;
  std::vector<double> marks;
  // Where `value` lies on the scale, 0 at low and 1 at high.
  double Fraction(double value) const;
};

// The legend of ROT values from `low` to `high`. A range narrower than
// 0,01 °C (a room at one temperature) is widened to 1 °C round its middle.
MapLegend LegendFor(double low, double high);

// The edges of the cells round grid points at the rising `positions` on a
// surface `extent` long: 0, the midpoints between neighbours, the extent.
// The cells thus fill the whole surface.
std::vector<double> CellEdges(const std::vector<float>& positions, float extent);

// The room drawing's input for main surface `surface` of a stored room: its
// surface rows as the surface grid shows them and its control points.
RoomDrawingInput RoomDrawingOf(const TRoomRecord& room, MainSurface surface, bool decimalPunkt);

// The line above the map: the room, the surface and the distance, as
// "Kontor – Vägg fram, 1,00 m från ytan".
std::string MapTitle(const TRoomRecord& room, MainSurface surface, double distance,
                     bool decimalPunkt);

}  // namespace virano
