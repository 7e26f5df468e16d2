#include "reports/rot_karta_bild.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "project/numbers.h"
#include "reports/shape_painter.h"

namespace virano {

namespace {

constexpr int kMargin = 10;
constexpr int kBar = 18;  // the width of the legend's colour bar
constexpr int kGap = 6;
constexpr int kShortestBar = 160;
constexpr int kNumberSize = 9;  // points: the numbers read on the colours

QColor ToQColor(Rgb colour) { return {colour.r, colour.g, colour.b}; }

// Hatching and outlines in black on light colours, in white on dark ones.
QBrush Hatching(Rgb under) {
  return {LightColour(under) ? Qt::black : Qt::white, Qt::BDiagPattern};
}

int Pixel(double value) { return static_cast<int>(std::trunc(value)); }

bool IsAsymmetry(const RotMap& map) { return map.quantity == MapQuantity::Asymmetry; }

// The value a cell is coloured by.
float Value(const RotMap& map, const RotMapCell& cell) {
  return IsAsymmetry(map) ? cell.asymmetry : cell.ROT;
}

QString MinimumLabel(const RotMap& map, bool decimalPunkt) {
  return QStringLiteral("under Min ROT ") +
         QString::fromStdString(FormatGeneral(*map.minRot, decimalPunkt)) + QStringLiteral(" °C");
}

// The legend's words for the hatched cells: below the minimum ROT, or over
// the asymmetry's limits on either side of zero.
std::optional<QString> MarkedLabel(const RotMap& map, std::pair<double, double> limits,
                                   bool decimalPunkt) {
  if (IsAsymmetry(map))
    return QStringLiteral("över gränsen %1 / +%2 K")
        .arg(QString::fromStdString(FormatGeneral(limits.first, decimalPunkt)),
             QString::fromStdString(FormatGeneral(limits.second, decimalPunkt)));
  if (map.minRot) return MinimumLabel(map, decimalPunkt);
  return std::nullopt;
}

// A line in black on a white border, so that it shows on any colour.
void DrawBordered(QPainter& painter, const std::vector<QLine>& lines) {
  painter.setPen(QPen(Qt::white, 3));
  painter.drawLines(lines.data(), static_cast<int>(lines.size()));
  painter.setPen(QPen(Qt::black, 1));
  painter.drawLines(lines.data(), static_cast<int>(lines.size()));
}

}  // namespace

RotKartaBild::RotKartaBild(const RotKartaData& data, QSize size) : data_(data), size_(size) {
  font_.setPixelSize(12);
  const QFontMetrics metrics(font_);
  const RotMap& map = data.map;
  const bool decimalPunkt = data.drawing.decimalPunkt;

  float low = std::numeric_limits<float>::max(), high = std::numeric_limits<float>::lowest();
  for (const RotMapCell& cell : map.cells)
    if (cell.done) low = std::min(low, Value(map, cell)), high = std::max(high, Value(map, cell));
  hasLegend_ = low <= high;
  int legendWidth = 0;
  if (hasLegend_) {
    legend_ = LegendFor(low, high);
    for (const double mark : legend_.marks)
      legendWidth = std::max(legendWidth, metrics.horizontalAdvance(QString::fromStdString(
                                              FormatFixed(mark, legend_.decimals, decimalPunkt))));
    if (const auto label = MarkedLabel(map, AsymmetryLimits(), decimalPunkt))
      legendWidth = std::max(legendWidth, metrics.horizontalAdvance(*label));
    legendWidth += kMargin + kBar + kGap;
  }
  const int top = kMargin + metrics.height() + kMargin;
  area_ = QRect(kMargin, top, std::max(0, size.width() - 2 * kMargin - legendWidth),
                std::max(0, size.height() - top - kMargin));

  if (map.columns == 0 || map.rows == 0) return;
  const int scale = DrawingScale(map.width, map.height, area_.width(), area_.height());
  std::vector<float> xs, ys;
  for (int c = 0; c < map.columns; ++c) xs.push_back(map.At(c, 0).Xp);
  for (int r = 0; r < map.rows; ++r) ys.push_back(map.At(0, r).Yp);
  for (const double x : CellEdges(xs, map.width)) xEdges_.push_back(area_.left() + Pixel(scale * x));
  for (const double y : CellEdges(ys, map.height))
    yEdges_.push_back(area_.top() + Pixel(scale * (map.height - y)));
}

QRect RotKartaBild::CellRect(int column, int row) const {
  return {xEdges_[column], yEdges_[row + 1], xEdges_[column + 1] - xEdges_[column],
          yEdges_[row] - yEdges_[row + 1]};
}

bool RotKartaBild::Marked(int column, int row) const {
  const RotMap& map = data_.map;
  if (column < 0 || row < 0 || column >= map.columns || row >= map.rows) return false;
  const RotMapCell& cell = map.At(column, row);
  return cell.done && (IsAsymmetry(map) ? cell.overLimit : cell.belowMinimum);
}

std::pair<double, double> RotKartaBild::AsymmetryLimits() const {
  const RotMap& map = data_.map;
  return {-AsymmetryLimit(KindOfAsymmetry(map.surface, -1), map.category),
          AsymmetryLimit(KindOfAsymmetry(map.surface, 1), map.category)};
}

void RotKartaBild::Paint(QPainter& painter) const {
  painter.fillRect(QRect(QPoint(0, 0), size_), Qt::white);
  const QFontMetrics metrics(font_);
  painter.setFont(font_);
  painter.setPen(Qt::black);
  painter.drawText(kMargin, kMargin + metrics.ascent(), QString::fromStdString(data_.title));

  PaintCells(painter);
  PaintMinimumOutline(painter);
  RoomDrawingInput drawing = data_.drawing;
  drawing.width = area_.width();
  drawing.height = area_.height();
  drawing.left = 0;
  drawing.letterHeight = metrics.height();
  drawing.axes = false;
  painter.save();
  painter.translate(area_.topLeft());
  for (Shape shape : RoomDrawing(drawing)) {
    shape.fontSize = std::max(shape.fontSize, kNumberSize);
    PaintShape(painter, shape, Qt::white, true);
  }
  painter.restore();
  PaintLegend(painter);
}

void RotKartaBild::PaintCells(QPainter& painter) const {
  const RotMap& map = data_.map;
  for (int r = 0; r < map.rows && !xEdges_.empty(); ++r)
    for (int c = 0; c < map.columns; ++c) {
      const RotMapCell& cell = map.At(c, r);
      if (!cell.done) continue;
      const Rgb colour = MapColour(legend_.Fraction(Value(map, cell)));
      painter.fillRect(CellRect(c, r), ToQColor(colour));
      if (Marked(c, r)) painter.fillRect(CellRect(c, r), Hatching(colour));
    }
}

void RotKartaBild::PaintMinimumOutline(QPainter& painter) const {
  std::vector<QLine> lines;
  const RotMap& map = data_.map;
  for (int r = 0; r < map.rows && !xEdges_.empty(); ++r)
    for (int c = 0; c < map.columns; ++c) {
      if (!Marked(c, r)) continue;
      const QRect cell = CellRect(c, r);
      const int left = cell.left(), right = left + cell.width();
      const int top = cell.top(), bottom = top + cell.height();
      if (!Marked(c - 1, r)) lines.emplace_back(left, top, left, bottom);
      if (!Marked(c + 1, r)) lines.emplace_back(right, top, right, bottom);
      if (!Marked(c, r + 1)) lines.emplace_back(left, top, right, top);
      if (!Marked(c, r - 1)) lines.emplace_back(left, bottom, right, bottom);
    }
  if (!lines.empty()) DrawBordered(painter, lines);
}

void RotKartaBild::PaintLegend(QPainter& painter) const {
  if (!hasLegend_) return;
  const RotMap& map = data_.map;
  const bool decimalPunkt = data_.drawing.decimalPunkt;
  const QFontMetrics metrics(font_);
  const int x = area_.right() + 1 + kMargin;
  const int barTop = area_.top() + metrics.height() + kGap;
  const std::pair<double, double> limits = AsymmetryLimits();
  const std::optional<QString> label = MarkedLabel(map, limits, decimalPunkt);
  const int below = label ? metrics.height() + kGap : 0;
  // Beside the surface drawn, at least kShortestBar long, within the area.
  const int surfaceBottom = yEdges_.empty() ? area_.bottom() : yEdges_.front();
  const int barBottom =
      std::max(barTop + 1, std::min(std::max(surfaceBottom, barTop + kShortestBar),
                                    area_.bottom() - below - metrics.height() / 2));
  const auto yOf = [&](double fraction) {
    return barBottom - static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) *
                                                    (barBottom - barTop)));
  };

  painter.setPen(Qt::black);
  painter.drawText(x, area_.top() + metrics.ascent(),
                   IsAsymmetry(map) ? QStringLiteral("K") : QStringLiteral("°C"));
  for (int y = barTop; y <= barBottom; ++y) {
    painter.setPen(ToQColor(MapColour(static_cast<double>(barBottom - y) / (barBottom - barTop))));
    painter.drawLine(x, y, x + kBar - 1, y);
  }
  if (label) {
    // The bar's hatched part: below the minimum ROT; below the asymmetry's
    // lower limit and above its upper one.
    const auto hatch = [&](double from, double to, Rgb under) {
      const int top = yOf(legend_.Fraction(to)), bottom = yOf(legend_.Fraction(from));
      painter.fillRect(QRect(x, top, kBar, bottom - top + 1), Hatching(under));
      for (const int y : {top, bottom})
        if (y > barTop && y < barBottom) DrawBordered(painter, {QLine(x - 3, y, x + kBar + 2, y)});
    };
    if (IsAsymmetry(map)) {
      if (limits.first > legend_.low) hatch(legend_.low, limits.first, MapColour(0));
      if (limits.second < legend_.high) hatch(limits.second, legend_.high, MapColour(1));
    } else {
      hatch(legend_.low, static_cast<double>(*map.minRot), MapColour(0));
    }
    const QRect swatch(x, barBottom + kGap + metrics.height() / 2, kBar, metrics.height());
    painter.fillRect(swatch, ToQColor(MapColour(0)));
    painter.fillRect(swatch, Hatching(MapColour(0)));
    painter.setPen(Qt::black);
    painter.drawText(swatch.right() + 1 + kGap, swatch.top() + metrics.ascent(), *label);
  }
  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(x, barTop, kBar - 1, barBottom - barTop);
  for (const double mark : legend_.marks) {
    const int y = yOf(legend_.Fraction(mark));
    painter.drawLine(x + kBar, y, x + kBar + 3, y);
    painter.drawText(x + kBar + kGap, y + (metrics.ascent() - metrics.descent()) / 2,
                     QString::fromStdString(FormatFixed(mark, legend_.decimals, decimalPunkt)));
  }
}

int RotKartaBild::CellAt(QPoint pixel) const {
  const RotMap& map = data_.map;
  if (xEdges_.empty()) return -1;
  for (int r = 0; r < map.rows; ++r) {
    if (pixel.y() < yEdges_[r + 1] || pixel.y() >= yEdges_[r]) continue;
    for (int c = 0; c < map.columns; ++c)
      if (pixel.x() >= xEdges_[c] && pixel.x() < xEdges_[c + 1])
        return map.At(c, r).done ? r * map.columns + c : -1;
  }
  return -1;
}

QString RotKartaBild::PointText(QPoint pixel) const {
  const int i = CellAt(pixel);
  if (i < 0) return {};
  // The point's row of the map's table, so that it reads as the table does.
  RotMap one;
  one.step = data_.map.step;
  one.quantity = data_.map.quantity;
  one.cells = {data_.map.cells[static_cast<std::size_t>(i)]};
  const std::vector<std::string> row = MapTable(one, data_.drawing.decimalPunkt)[1];
  if (IsAsymmetry(one))
    return QString::fromStdString(row[0] + " / " + row[1] + ": " + row[4] + " K");
  return QString::fromStdString(row[0] + " / " + row[1] + ": " + row[2]);
}

std::string KartaTitel(const TRoomRecord& room, MainSurface surface, double distance,
                       MapQuantity quantity, ComfortCategory category, bool decimalPunkt) {
  std::string title = MapTitle(room, surface, distance, decimalPunkt);
  if (quantity == MapQuantity::Asymmetry)
    title += ", strålningsasymmetri, kategori " + CategoryName(category);
  return title;
}

QImage RotKartaImage(const RotKartaData& data, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  RotKartaBild(data, size).Paint(painter);
  return image;
}

}  // namespace virano
