#pragma once
// The picture of a ROT map, the same in the window "ROT-karta" and in the
// PNG file of virano-kalkyl: the main surface drawn as in the room drawing
// with the map as a colour field, the cells below the room's minimum ROT
// hatched and outlined, the sub-surfaces and points on top, a title line
// and the legend in °C. A map of the radiant temperature asymmetry is drawn
// the same way on a scale of its own in K, the cells over the limit hatched.
#include <QImage>
#include <QPainter>
#include <QString>
#include <string>
#include <vector>

#include "engine/rotmap.h"
#include "rules/MapDrawing.h"

namespace virano {

struct RotKartaData {
  RotMap map;                // without cells only the surface is drawn
  RoomDrawingInput drawing;  // the picture sets the area's size and the letter height
  std::string title;
};

// The line above the map: MapTitle, for the asymmetry followed by
// ", strålningsasymmetri, kategori A".
std::string KartaTitel(const TRoomRecord& room, MainSurface surface, double distance,
                       MapQuantity quantity, ComfortCategory category, bool decimalPunkt);

// The picture laid out in `size` pixels.
class RotKartaBild {
 public:
  RotKartaBild(const RotKartaData& data, QSize size);
  void Paint(QPainter& painter) const;
  // The index in the map's cells of the cell holding `pixel`, or -1.
  int CellAt(QPoint pixel) const;
  // "Xp / Yp: ROT" of the map point whose cell holds `pixel` ("Xp / Yp:
  // asymmetry K" on an asymmetry map); empty elsewhere.
  QString PointText(QPoint pixel) const;

 private:
  void PaintCells(QPainter& painter) const;
  void PaintMinimumOutline(QPainter& painter) const;
  void PaintLegend(QPainter& painter) const;
  QRect CellRect(int column, int row) const;
  // The cell is hatched: below the minimum ROT, or over the asymmetry's limit.
  bool Marked(int column, int row) const;
  // The asymmetry's limits below and above zero, as values on its scale.
  std::pair<double, double> AsymmetryLimits() const;

  const RotKartaData& data_;
  QSize size_;
  QFont font_;
  QRect area_;                   // where the surface is drawn
  std::vector<int> xEdges_;      // cell edges in pixels, left to right
  std::vector<int> yEdges_;      // from the lowest Y, so downwards on the picture
  MapLegend legend_;
  bool hasLegend_ = false;
};

// The picture in an image of `size` pixels.
QImage RotKartaImage(const RotKartaData& data, QSize size);

// The size of the pictures virano-kalkyl writes.
inline constexpr QSize kRotKartaBildStorlek(960, 640);

}  // namespace virano
