// The point grid, F2 and the room drawing as the user drives them.
#include <QCheckBox>
#include <QLineEdit>

#include "support/ProjectFixture.h"
#include "widgets/Colours.h"
#include "widgets/PaintBox.h"
#include "widgets/StringGrid.h"

namespace virano::testing {
namespace {

class PointsTest : public ProjectWindowTest {
 protected:
  // Room 1's front wall is 4 × 2,5 m with a window 1,2–2,4 × 0,9–2,1.
  void SetUp() override {
    decimalPunkt = false;  // the texts below use a decimal comma
    ProjectWindowTest::SetUp();
    Open(MakeProject(QStringLiteral("hus.rot"), {"Kontor"}, [](int, TRoomRecord& room) {
      const char* texts[][5] = {{"Vägg fram", "0", "4", "0", "2,5"},
                                {"Fönster", "1,2", "2,4", "0,9", "2,1"}};
      for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 5; ++c) room.Ytor[FrontWall][r].cell(c).SetText(texts[r][c]);
    }));
    ClickTab(TForm1::kIndata);
  }
  QString Point(int row) const {
    const TStringGrid* grid = ui->StringGrid2;
    return QStringList{grid->Cells(0, row), grid->Cells(1, row), grid->Cells(2, row)}.join(" / ");
  }
  void SetPoint(int row, const QString& xp) {
    for (int c = 0; c < 3; ++c) ui->StringGrid2->SetCells(c, row, c == 0 ? xp : "1");
  }
  // A key in the grid's row `row` and column `col` (-1: the current one).
  void Press(TStringGrid* grid, Qt::Key key, int row, int col = -1) {
    grid->setFocus(Qt::MouseFocusReason);
    grid->SetRow(row);
    if (col >= 0) grid->SetCol(col);
    QTest::keyClick(grid, key);
  }
  // The wall and its number, and four arms and a number per point.
  std::size_t Shapes() const { return ui->PaintBox1->Shapes().size(); }
};

TEST_F(PointsTest, F2PlacesAPointInFrontOfTheMiddleOfARowInTheFirstFreeRow) {
  SetPoint(1, "0,5");
  SetPoint(3, "3");
  ASSERT_FALSE(form->Projekt().DataAendrad());  // set by the program, not typed
  Press(ui->StringGrid1, Qt::Key_F2, 2);  // the front wall's own row
  EXPECT_EQ(Point(2), "2,00 / 1,25 / 1,0");
  EXPECT_TRUE(form->Projekt().DataAendrad());
  Press(ui->StringGrid1, Qt::Key_F2, 3, 0);  // the window
  EXPECT_EQ(Point(4), "1,80 / 1,50 / 1,0");
  EXPECT_EQ(Shapes(), 2 + 4 * 5u);
  Press(ui->StringGrid1, Qt::Key_F2, 3, 2);
  Press(ui->StringGrid1, Qt::Key_F2, 4, 0);  // an empty cell
  ui->StringGrid1->SetCells(0, 5, "Radiator");
  Press(ui->StringGrid1, Qt::Key_F2, 5, 0);  // no coordinates: the error is shown
  EXPECT_EQ(dialogs.Messages(), (std::vector<QString>{"Koordinat finns redan",
                                                      "'' är inte ett giltigt flyttal"}));
  EXPECT_EQ(Point(5), " /  / ");
}

TEST_F(PointsTest, DeleteEmptiesTheCurrentPointRowAfterTheQuestion) {
  for (int r = 1; r <= 4; ++r) SetPoint(r, QString::number(r));
  ASSERT_FALSE(form->Projekt().DataAendrad());  // set by the program, not typed
  dialogs.answers = {false, true};
  Press(ui->StringGrid2, Qt::Key_Delete, 3);
  EXPECT_EQ(Point(3), "3 / 1 / 1");
  EXPECT_FALSE(form->Projekt().DataAendrad());
  Press(ui->StringGrid2, Qt::Key_Delete, 3);
  EXPECT_EQ(dialogs.calls.back().text, "Skall raden raderas?");
  EXPECT_EQ((QStringList{Point(1), Point(2), Point(3), Point(4)}),
            (QStringList{"1 / 1 / 1", "2 / 1 / 1", " /  / ", "4 / 1 / 1"}));
  EXPECT_TRUE(form->Projekt().DataAendrad());
}

TEST_F(PointsTest, CellsLeftAreCheckedAndPointsBeyondTheWallMarked) {
  TypeCell(ui->StringGrid2, 2, 1, "abc");
  QTest::keyClick(ui->StringGrid2, Qt::Key_Down);
  EXPECT_EQ(dialogs.Messages(), std::vector<QString>{"Får endast vara siffror"});
  EXPECT_EQ(ui->StringGrid2->Cells(2, 1), "");
  TypeCell(ui->StringGrid2, 0, 3, "1.5");
  ui->RumsNamn->setFocus(Qt::MouseFocusReason);  // leaves the grid
  EXPECT_EQ(ui->StringGrid2->Cells(0, 3), "1,5");

  SetPoint(1, "5");
  const QImage cells = ui->StringGrid2->viewport()->grab().toImage();
  const auto colour = [&](int col) {
    const QModelIndex cell = ui->StringGrid2->model()->index(0, col);
    return cells.pixelColor(ui->StringGrid2->visualRect(cell).topLeft());
  };
  EXPECT_EQ(colour(0), colours::kRed);
  EXPECT_NE(colour(1), colours::kRed);
  EXPECT_TRUE(form->Projekt().FelMarkerat());
}

TEST_F(PointsTest, AxisCrossIsDrawnOverThePresentDrawingAndRemovedByARedraw) {
  std::vector<Shape> expected = ui->PaintBox1->Shapes();
  SetPoint(1, "1");  // not drawn until the next redraw
  ui->CheckBox1->setChecked(true);
  for (const Shape& s : AxisCross(ui->PaintBox1->x(), ui->PaintBox1->height()))
    expected.push_back(s);
  EXPECT_EQ(ui->PaintBox1->Shapes(), expected);
  ui->CheckBox1->setChecked(false);
  EXPECT_EQ(Shapes(), 2 + 5u);
}

}  // namespace
}  // namespace virano::testing
