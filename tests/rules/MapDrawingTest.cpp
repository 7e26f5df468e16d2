// The pieces of the ROT map's picture: colour scale, legend, cell edges and
// the stored surface as the room drawing reads it.
#include <gtest/gtest.h>

#include <memory>

#include "rules/MapDrawing.h"

namespace virano {
namespace {

double Lightness(Rgb c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

TEST(MapDrawing, ColourScaleLegendAndCellEdges) {
  EXPECT_EQ(MapColour(-1), (Rgb{68, 1, 84}));
  EXPECT_EQ(MapColour(0.05), (Rgb{70, 19, 101}));  // halfway between the first two
  EXPECT_EQ(MapColour(0.5), (Rgb{33, 145, 140}));
  EXPECT_EQ(MapColour(2), (Rgb{253, 231, 37}));
  for (double t = 0; t < 0.95; t += 0.1)
    EXPECT_LT(Lightness(MapColour(t)), Lightness(MapColour(t + 0.1))) << t;
  EXPECT_FALSE(LightColour(MapColour(0)));
  EXPECT_TRUE(LightColour(MapColour(1)));

  const struct {
    double low, high;
    double step;
    int decimals;
    std::vector<double> marks;
  } legends[] = {
      {18.35, 22.74, 1, 0, {19, 20, 21, 22}},
      {20, 20, 0.2, 1, {19.6, 19.8, 20, 20.2, 20.4}},  // one temperature: 1 °C round it
      {20.31, 20.38, 0.02, 2, {20.32, 20.34, 20.36, 20.38}},
  };
  for (const auto& l : legends) {
    const MapLegend legend = LegendFor(l.low, l.high);
    EXPECT_EQ(legend.step, l.step) << l.low;
    EXPECT_EQ(legend.decimals, l.decimals) << l.low;
    ASSERT_EQ(legend.marks.size(), l.marks.size()) << l.low;
    for (std::size_t i = 0; i < l.marks.size(); ++i) EXPECT_NEAR(legend.marks[i], l.marks[i], 1e-9);
    EXPECT_NEAR(legend.Fraction((legend.low + legend.high) / 2), 0.5, 1e-9);
  }

  const std::vector<double> edges = CellEdges({0.1f, 0.2f, 0.3f}, 0.4f);
  ASSERT_EQ(edges.size(), 4u);
  for (std::size_t i = 0; i < edges.size(); ++i)
    EXPECT_NEAR(edges[i], (std::vector<double>{0, 0.15, 0.25, 0.4})[i], 1e-6);
}

TEST(MapDrawing, StoredSurfaceAsTheRoomDrawingReadsItAndTheTitle) {
  auto room = std::make_unique<TRoomRecord>();
  room->RumsNamn.SetText("Kök");
  room->RumsTemp.SetText("20");
  room->Ytor[Floor][1].Namn.SetText("Matta");
  room->Ytor[Floor][1].YtTemp.SetText("22,5");
  room->Punkter[Floor][9].Zp.SetText("0,6");
  const RoomDrawingInput input = RoomDrawingOf(*room, Floor, false);
  EXPECT_EQ(input.surfaces.size(), 21u);
  EXPECT_EQ(input.surfaces[1][0] + input.surfaces[1][8], "Matta22,5");
  ASSERT_EQ(input.points.size(), 10u);  // the block's spill row is left out
  EXPECT_EQ(input.points[9][2], "0,6");
  EXPECT_EQ(input.rumsTemp, "20");
  EXPECT_EQ(MapTitle(*room, Floor, 0.6, false), "Kök – Golv, 0,60 m från ytan");
  room->RumsNamn.SetText("");
  EXPECT_EQ(MapTitle(*room, Ceiling, 1, true), "Tak, 1.00 m från ytan");
}

}  // namespace
}  // namespace virano
