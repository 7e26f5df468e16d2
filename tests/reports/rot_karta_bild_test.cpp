// The map's picture: hatched cells below the minimum ROT or over the
// asymmetry's limit, and the point under the mouse.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <set>

#include "reports/rot_karta_bild.h"
#include "support/CaseName.h"

namespace virano {
namespace {

// A wall 3 m wide and 2 m high with points at 1 and 2 m, 1 m up: the right
// one hatched.
struct PictureCase {
  std::string name;
  MapQuantity quantity;
  QString left, right;  // the texts of the points under the mouse
};

class RotKartaBildTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(RotKartaBildTest, MarkedCellsAreHatchedAndThePointUnderTheMouseIsTold) {
  int argc = 1;
  char name[] = "reports_tests";
  char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const QGuiApplication app(argc, argv);

  RotKartaData data;
  RotMap& map = data.map;
  map.width = 3, map.height = 2, map.step = 1, map.columns = 2, map.rows = 1, map.minRot = 20;
  map.quantity = GetParam().quantity;
  // ROT 21 and 19,5 (below the minimum of 20 °C); asymmetry 4 and -12 K
  // (over the cool wall's 10 K).
  map.cells = {{1, 1, 21, 1, false, true, 20, 16, 4, 23, false},
               {2, 1, 19.5f, 1, true, true, 16, 28, -12, 10, true}};
  data.drawing.surfaces = {{"Vägg fram", "0", "3", "0", "2", "", "", "", "20"}};
  const QSize size(600, 400);
  const QImage image = RotKartaImage(data, size);
  const RotKartaBild picture(data, size);

  for (int cell = 0; cell < 2; ++cell) {
    QRect region;
    for (int y = 0; y < size.height(); ++y)
      for (int x = 0; x < size.width(); ++x)
        if (picture.CellAt({x, y}) == cell) region |= QRect(x, y, 1, 1);
    ASSERT_FALSE(region.isEmpty()) << cell;
    // The colours well inside the cell: one, or the cell's and the hatching's.
    std::set<QRgb> colours;
    const QPoint middle = region.center();
    for (int y = middle.y() - 10; y < middle.y() + 10; ++y)
      for (int x = middle.x() - 10; x < middle.x() + 10; ++x) colours.insert(image.pixel(x, y));
    EXPECT_EQ(colours.size(), cell == 0 ? 1u : 2u) << cell;
    EXPECT_EQ(picture.PointText(middle), cell == 0 ? GetParam().left : GetParam().right);
  }
  EXPECT_EQ(picture.CellAt({0, 0}), -1);
  EXPECT_EQ(picture.PointText({0, 0}), QString());
}

INSTANTIATE_TEST_SUITE_P(
    Quantities, RotKartaBildTest,
    ::testing::Values(PictureCase{"Rot", MapQuantity::Rot, QStringLiteral("1,00 / 1,00: 21,00"),
                                  QStringLiteral("2,00 / 1,00: 19,50")},
                      PictureCase{"Asymmetry", MapQuantity::Asymmetry,
                                  QStringLiteral("1,00 / 1,00: 4,00 K"),
                                  QStringLiteral("2,00 / 1,00: -12,00 K")}),
    testing::CaseName{});

}  // namespace
}  // namespace virano
