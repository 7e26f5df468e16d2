// The point grid, F2 and the room drawing as the user drives them.
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>

#include "ProjectFixture.h"

namespace virano::testing {
namespace {

class PointsTest : public ProjectWindowTest {
 protected:
  // Room 1's front wall is 4 × 2,5 m with a window 1,2–2,4 × 0,9–2,1.
  void SetUp() override {
    ProjectWindowTest::SetUp();
    form->DecimalPunkt = false;  // the texts below use a decimal comma
    Open(MakeProject(QStringLiteral("hus.rot"), {"Kontor"}, [](int k, TRoomRecord& room) {
      if (k == 0) return;
      auto& wall = room.Ytor[FrontWall];
      wall[0].Y2.SetText("2,5");
      wall[1].Namn.SetText("Fönster");
      for (auto [field, text] : {std::pair{&wall[1].X1, "1,2"}, {&wall[1].X2, "2,4"},
                                 {&wall[1].Y1, "0,9"}, {&wall[1].Y2, "2,1"}})
        field->SetText(text);
    }));
    ClickTab(TForm1::kIndata);
  }

  QString Point(int row) const {
    const TStringGrid* grid = form->StringGrid2;
    return QStringList{grid->Cells(0, row), grid->Cells(1, row), grid->Cells(2, row)}.join(" / ");
  }
  void SetPoint(int row, const QString& xp, const QString& yp, const QString& zp) {
    for (int c = 0; c < 3; ++c) form->StringGrid2->SetCells(c, row, QStringList{xp, yp, zp}[c]);
  }
  // F2 in the surface grid's row `row`, on column `col` or the current one.
  void PressF2(int row, int col = -1) {
    form->StringGrid1->setFocus(Qt::MouseFocusReason);
    form->StringGrid1->SetRow(row);
    if (col >= 0) form->StringGrid1->SetCol(col);
    QTest::keyClick(form->StringGrid1, Qt::Key_F2);
  }
  void PressDelete(int row, bool yes) {
    dialogs.answers.push_back(yes);
    form->StringGrid2->setFocus(Qt::MouseFocusReason);
    form->StringGrid2->SetRow(row);
    QTest::keyClick(form->StringGrid2, Qt::Key_Delete);
  }
  // The numbers of the points drawn, and whether the axis cross is drawn.
  QStringList PointLabels() const {
    QStringList labels;
    for (const Shape& s : form->PaintBox1->Shapes())
      if (s.kind == Shape::Kind::Text && s.colour == ShapeColour::Green)
        labels << QString::fromStdString(s.text);
    return labels;
  }
  bool AxesDrawn() const {
    const auto& shapes = form->PaintBox1->Shapes();
    return std::any_of(shapes.begin(), shapes.end(),
                       [](const Shape& s) { return s.colour == ShapeColour::Red; });
  }
  // The colour of a point cell's top-left corner as painted.
  QColor CellColour(int col, int row) const {
    TStringGrid* grid = form->StringGrid2;
    const QRect rect = grid->visualRect(grid->model()->index(row - 1, col));
    return grid->viewport()->grab().toImage().pixelColor(rect.topLeft() + QPoint(1, 1));
  }
};

TEST_F(PointsTest, F2PlacesAPointInFrontOfTheMiddleOfARowInTheFirstFreeRow) {
  SetPoint(1, "0,5", "0,5", "1");
  SetPoint(3, "3", "2", "1");
  form->DataAendrad = false;
  PressF2(2);  // the front wall's own row
  EXPECT_EQ(Point(2), "2,00 / 1,25 / 1,0");
  EXPECT_TRUE(form->DataAendrad);
  EXPECT_EQ(PointLabels(), (QStringList{"0", "1", "2"}));
  PressF2(3, 0);  // the window
  EXPECT_EQ(Point(4), "1,80 / 1,50 / 1,0");
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_EQ(PointLabels(), (QStringList{"0", "1", "2", "3"}));
  PressF2(3, 2);
  EXPECT_EQ(dialogs.Messages(), std::vector<QString>{"Koordinat finns redan"});
  EXPECT_EQ(Point(5), " /  / ");
  PressF2(4, 0);  // an empty cell
  EXPECT_EQ(Point(5), " /  / ");
  EXPECT_EQ(dialogs.Messages().size(), 1u);
}

TEST_F(PointsTest, DeleteEmptiesTheCurrentPointRowAfterTheQuestion) {
  for (int r = 1; r <= 4; ++r) SetPoint(r, QString::number(r), "1", "1");
  form->DataAendrad = false;
  PressDelete(3, false);
  EXPECT_EQ(Point(3), "3 / 1 / 1");
  EXPECT_FALSE(form->DataAendrad);
  PressDelete(3, true);
  EXPECT_EQ(dialogs.calls.back().text, "Skall raden raderas?");
  EXPECT_EQ((QStringList{Point(1), Point(2), Point(3), Point(4)}),
            (QStringList{"1 / 1 / 1", "2 / 1 / 1", " /  / ", "4 / 1 / 1"}));
  EXPECT_TRUE(form->DataAendrad);
}

TEST_F(PointsTest, CellsLeftAreCheckedAndPointsBeyondTheWallMarked) {
  TypeCell(form->StringGrid2, 2, 1, "abc");
  QTest::keyClick(form->StringGrid2, Qt::Key_Down);
  EXPECT_EQ(dialogs.Messages(), std::vector<QString>{"Får endast vara siffror"});
  EXPECT_EQ(form->StringGrid2->Cells(2, 1), "");

  TypeCell(form->StringGrid2, 0, 3, "1.5");
  form->RumsNamn->setFocus(Qt::MouseFocusReason);  // leaves the grid
  EXPECT_EQ(form->StringGrid2->Cells(0, 3), "1,5");

  SetPoint(1, "5", "2", "1");
  form->FelMarkerat = false;
  EXPECT_EQ(CellColour(0, 1), colours::kRed);
  EXPECT_NE(CellColour(1, 1), colours::kRed);
  EXPECT_TRUE(form->FelMarkerat);
}

TEST_F(PointsTest, AxisCrossIsDrawnOverThePresentDrawingAndRemovedByARedraw) {
  const std::vector<Shape> before = form->PaintBox1->Shapes();
  ASSERT_FALSE(before.empty());
  SetPoint(1, "1", "1", "1");  // not drawn until the next redraw
  form->CheckBox1->setChecked(true);
  std::vector<Shape> expected = before;
  for (const Shape& s : AxisCross(form->PaintBox1->x(), form->PaintBox1->height())) expected.push_back(s);
  EXPECT_EQ(form->PaintBox1->Shapes(), expected);
  form->CheckBox1->setChecked(false);
  EXPECT_EQ(PointLabels(), QStringList{"0"});
  EXPECT_FALSE(AxesDrawn());
}

}  // namespace
}  // namespace virano::testing
