#include "app/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "project/numbers.h"

namespace virano {
namespace {

const QColor kDeepBlue{0x12, 0x2b, 0x52};
const QColor kSteel{0x2f, 0x5f, 0x8f};
const QColor kWarm{0xe0, 0x3c, 0x28};
const QColor kPointGreen{0x2e, 0xc2, 0x4a};

// A room seen from its open front: the back wall inside `outer`, the floor,
// ceiling and side walls as the bands between them.
PictureShapes RoomShapes(const QRectF& outer, qreal depth, qreal lineWidth) {
  const QRectF back = outer.adjusted(depth, depth * 0.8, -depth, -depth * 0.8);
  const auto white = [lineWidth](const PictureShape& s) {
    return s.Outlined(Qt::white, lineWidth, Qt::RoundJoin);
  };
  PictureShapes shapes;
  // Floor and ceiling shaded so the room reads as a box.
  shapes.push_back(white(PicturePolygon({outer.bottomLeft(), outer.bottomRight(), back.bottomRight(),
                                       back.bottomLeft()}))
                       .Filled(QColor(255, 255, 255, 40)));
  shapes.push_back(
      white(PicturePolygon({outer.topLeft(), outer.topRight(), back.topRight(), back.topLeft()}))
          .Filled(QColor(255, 255, 255, 20)));
  shapes.push_back(white(PictureRect(back)));
  shapes.push_back(white(PictureLine(outer.topLeft(), back.topLeft())));
  shapes.push_back(white(PictureLine(outer.topRight(), back.topRight())));
  shapes.push_back(white(PictureLine(outer.bottomLeft(), back.bottomLeft())));
  shapes.push_back(white(PictureLine(outer.bottomRight(), back.bottomRight())));

  // A window in the back wall and a warm radiator below it.
  const QRectF window(back.left() + back.width() * 0.28, back.top() + back.height() * 0.16,
                      back.width() * 0.44, back.height() * 0.38);
  shapes.push_back(white(PictureRect(window)).Filled(QColor(0xa8, 0xd4, 0xf5)));
  shapes.push_back(white(PictureLine(QPointF(window.center().x(), window.top()),
                                   QPointF(window.center().x(), window.bottom()))));
  const QRectF radiator(window.left(), back.top() + back.height() * 0.66, window.width(),
                        back.height() * 0.18);
  shapes.push_back(PictureRect(radiator).Filled(kWarm).Outlined(QColor(0xff, 0xd0, 0xc0), lineWidth));
  return shapes;
}

// The control point: a diagonal green cross.
PictureShapes PointShapes(QPointF centre, qreal arm, qreal lineWidth) {
  const auto stroke = [lineWidth](const PictureShape& s) {
    return s.Outlined(kPointGreen, lineWidth, Qt::BevelJoin, Qt::RoundCap);
  };
  return {stroke(PictureLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm))),
          stroke(PictureLine(centre + QPointF(arm, -arm), centre + QPointF(-arm, arm)))};
}

void Append(PictureShapes& shapes, const PictureShapes& more) { shapes.insert(shapes.end(), more.begin(), more.end()); }

}  // namespace

PictureShapes ProgramIconShapes(int size) {
  const qreal s = size;
  PictureShapes shapes{PictureRect(QRectF(0, 0, s, s), s * 0.16).Filled(kSteel, kDeepBlue)};
  Append(shapes, RoomShapes(QRectF(s * 0.1, s * 0.1, s * 0.8, s * 0.8), s * 0.16,
                            std::max(1.0, s / 32)));
  Append(shapes, PointShapes(QPointF(s * 0.5, s * 0.72), s * 0.07, std::max(1.5, s / 16)));
  return shapes;
}

QPixmap ProgramIconPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  PaintPicture(p, ProgramIconShapes(size));
  return pixmap;
}

QByteArray ProgramIconSvg() { return PictureSvg(ProgramIconShapes(kIconSvgSize), kIconSvgSize); }

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : kIconSizes) icon.addPixmap(ProgramIconPixmap(size));
  return icon;
}

QPixmap SplashPicture() {
  QPixmap pixmap(kSplashWidth, kSplashHeight);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QLinearGradient background(0, 0, kSplashWidth, kSplashHeight);
  background.setColorAt(0, kSteel);
  background.setColorAt(1, kDeepBlue);
  p.fillRect(pixmap.rect(), background);

  // The room on the right, with the lines of sight from the point to the walls.
  const QRectF room(186, 44, 136, 120);
  PaintPicture(p, RoomShapes(room, 26, 1.5));
  const QPointF point(254, 142);
  p.setPen(QPen(QColor(255, 255, 255, 110), 1, Qt::DashLine));
  for (QPointF target : {QPointF(212, 65), QPointF(296, 65), QPointF(212, 143), QPointF(296, 143)})
    p.drawLine(point, target);
  PaintPicture(p, PointShapes(point, 5, 2.5));

  // The name and what the program does.
  p.setPen(Qt::white);
  QFont title(QStringLiteral("DejaVu Sans"));
  title.setPixelSize(33);
  title.setBold(true);
  title.setLetterSpacing(QFont::PercentageSpacing, 106);
  p.setFont(title);
  p.drawText(QRectF(18, 40, 170, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VIRANO"));
  QFont text(QStringLiteral("DejaVu Sans"));
  text.setPixelSize(13);
  p.setFont(text);
  p.drawText(QRectF(20, 94, 165, 40), Qt::AlignLeft | Qt::TextWordWrap,
             QStringLiteral("Riktad operativ temperatur"));
  p.setPen(QColor(0xff, 0xc8, 0x8a));
  p.drawText(QRectF(20, 132, 165, 20), Qt::AlignLeft, QStringLiteral("ROT"));

  p.setPen(QColor(255, 255, 255, 200));
  text.setPixelSize(11);
  p.setFont(text);
  p.drawText(QRectF(20, 214, 300, 18), Qt::AlignLeft,
             QStringLiteral("Version ") + QString::fromUtf8(kVersionText.data(),
                                                            static_cast<qsizetype>(kVersionText.size())));
  p.drawText(QRectF(20, 230, 300, 18), Qt::AlignLeft, QStringLiteral("Startar …"));
  p.setPen(QPen(QColor(255, 255, 255, 60), 1));
  p.drawLine(QPointF(20, 204), QPointF(321, 204));
  return pixmap;
}

QIcon PrinterGlyph() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setPen(QColor(0x40, 0x40, 0x40));
  p.setBrush(Qt::white);
  p.drawRect(4, 1, 7, 5);     // paper in
  p.setBrush(QColor(0xb0, 0xb0, 0xb0));
  p.drawRect(1, 6, 13, 6);    // body
  p.setBrush(Qt::white);
  p.drawRect(4, 10, 7, 5);    // paper out
  p.setPen(kPointGreen);
  p.drawPoint(12, 8);
  return QIcon(pixmap);
}

}  // namespace virano
