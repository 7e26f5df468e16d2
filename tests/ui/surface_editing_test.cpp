// Editing the surface grid as a user does: moving with the mouse, Tab,
// arrows and Enter, the checks of a cell left, surface temperatures, red
// marks, inserting and deleting rows, and the room temperature.
#include <QLineEdit>

#include "ProjectFixture.h"

namespace virano::testing {
namespace {

class SurfaceEditingTest : public ProjectWindowTest {
 protected:
  // Room 1 of a new project, its front wall's block rows given, shown on "Indata".
  void Show(const std::vector<QStringList>& rows,
            const std::function<void(TRoomRecord&)>& fill = {}) {
    file_ = MakeProject(QStringLiteral("hus.rot"), {"A"}, [&](int k, TRoomRecord& room) {
      if (k == 0) return;
      for (std::size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) SetField(room.Ytor[FrontWall][r].cell(c), rows[r][c]);
      if (fill) fill(room);
    });
    Open(file_);
    ClickTab(TForm1::kIndata);
    grid = form->StringGrid1;
  }
  void ClickCell(int col, int row) {
    const QModelIndex index = grid->model()->index(row - grid->FixedRows(), col);
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
  }
  std::pair<int, int> Current() const { return {grid->Col(), grid->Row()}; }
  // Opens the cell's editor and deletes its text.
  void EmptyCell(int col, int row) {
    grid->setFocus();
    grid->MoveTo(col, row);
    grid->SetEditorMode(true);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClick(editor, Qt::Key_Return);
  }
  QColor Painted(int col, int row) {
    const QImage image = grid->viewport()->grab().toImage();
    const QModelIndex index = grid->model()->index(row - grid->FixedRows(), col);
    return image.pixelColor(grid->visualRect(index).bottomRight() - QPoint(2, 2));
  }
  QString F(const char* text) const { return FormatDecimal(QString::fromUtf8(text)); }
  QString Yt(int s, int r) const { return FieldText(Record(file_, 1).Ytor[s][r].YtTemp); }

  QString file_;
  TStringGrid* grid = nullptr;
};

const QStringList kWall{"Vägg fram", "0", "4", "0", "2,5", "", "", "", "18"};

TEST_F(SurfaceEditingTest, TheMainSurfacesNameAndOriginAreNotEntered) {
  Show({kWall, {"Fönster", "1", "2", "1", "2", "", "", "", "10"}});
  ClickCell(5, 3);
  for (int col : {0, 1}) {
    ClickCell(col, 2);
    EXPECT_EQ(Current(), std::pair(5, 3));
  }
  ClickCell(3, 2);
  EXPECT_EQ(Current(), std::pair(4, 2));
  ClickCell(2, 2);
  QTest::keyClick(grid, Qt::Key_Tab);
  EXPECT_EQ(Current(), std::pair(4, 2));
  QTest::keyClick(grid, Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(Current(), std::pair(2, 2));
  QTest::keyClick(grid, Qt::Key_Down);
  QTest::keyClick(grid, Qt::Key_Return);  // Enter moves on as Tab does
  EXPECT_EQ(Current(), std::pair(3, 3));
  TypeCell(grid, 2, 2, QStringLiteral("4"));
  EXPECT_EQ(Current(), std::pair(4, 2));
}

TEST_F(SurfaceEditingTest, ACellLeftIsConvertedAndChecked) {
  Show({kWall});
  for (const bool punkt : {false, true}) {
    form->DecimalPunkt = punkt;
    dialogs.calls.clear();
    TypeCell(grid, 5, 3, QStringLiteral("abc"));
    TypeCell(grid, 0, 3, QStringLiteral("abc"));
    TypeCell(grid, 1, 3, punkt ? QStringLiteral("1,5") : QStringLiteral("1.5"));
    EXPECT_EQ(dialogs.Messages(), std::vector{QStringLiteral("Får endast vara siffror")});
    EXPECT_EQ(grid->Cells(5, 3), QString());
    EXPECT_EQ(grid->Cells(0, 3), QStringLiteral("abc"));
    EXPECT_EQ(grid->Cells(1, 3), punkt ? QStringLiteral("1.5") : QStringLiteral("1,5"));
  }
}

TEST_F(SurfaceEditingTest, SurfaceTemperatureFollowsUValueMiAndOutsideTemperature) {
  Show({kWall});
  form->DataAendrad = false;
  TypeCell(grid, 5, 3, F("0,3"));
  TypeCell(grid, 6, 3, F("0,13"));
  TypeCell(grid, 7, 3, QStringLiteral("-20"));
  EXPECT_EQ(grid->Cells(8, 3), F("18,4"));
  EXPECT_TRUE(form->DataAendrad);
  EmptyCell(7, 3);
  EXPECT_EQ(grid->Cells(8, 3), QString());
}

TEST_F(SurfaceEditingTest, WrongAndMissingCellsArePaintedRed) {
  Show({kWall, {"Fönster", "", "5", "1", "2", "", "", "", "10"}});
  form->FelMarkerat = false;
  EXPECT_EQ(Painted(1, 3), colours::kRed);  // a named row without X1
  EXPECT_EQ(Painted(2, 3), colours::kRed);  // beyond the wall's X2, its value in maroon
  EXPECT_NE(Painted(3, 3), colours::kRed);
  EXPECT_NE(Painted(1, 4), colours::kRed);  // an unnamed empty row
  EXPECT_TRUE(form->FelMarkerat);
  ClickCell(5, 3);
  EXPECT_FALSE(form->FelMarkerat);
}

TEST_F(SurfaceEditingTest, RowsAreInsertedAndDeletedWithTheRowAfterTheShownOnes) {
  Show({kWall, {"A"}, {"B"}});
  const int follower = grid->RowCount();
  grid->SetCells(0, follower, QStringLiteral("Dold"));
  grid->setFocus();
  grid->MoveTo(0, 3);
  QTest::mouseClick(form->InfogaYtorButton, Qt::LeftButton);
  EXPECT_EQ(grid->Cells(0, 4), QString());
  EXPECT_EQ(grid->Cells(0, 5), QStringLiteral("B"));
  EXPECT_EQ(grid->Cells(0, follower + 1), QStringLiteral("Dold"));
  dialogs.answers = {true, true};
  QTest::mouseClick(form->RaderaYtorButton, Qt::LeftButton);  // deletes "A"
  EXPECT_EQ(grid->Cells(0, 3), QString());
  EXPECT_EQ(grid->Cells(0, follower), QStringLiteral("Dold"));
  EXPECT_EQ(grid->RowCount(), follower);
  grid->MoveTo(4, 2);
  QTest::mouseClick(form->RaderaYtorButton, Qt::LeftButton);  // the wall's own row
  EXPECT_EQ(grid->Cells(0, 2), QStringLiteral("Vägg fram"));
  EXPECT_EQ(grid->Cells(1, 2), QStringLiteral("0"));
  EXPECT_EQ(grid->Cells(2, 2), QString());
  EXPECT_EQ(grid->Cells(0, 4), QStringLiteral("B"));

  grid->SetRowCount(22);
  QTest::mouseClick(form->InfogaYtorButton, Qt::LeftButton);
  EXPECT_EQ(dialogs.Messages().back(), QStringLiteral("Det får finnas max 20 ytor"));
  EXPECT_EQ(grid->RowCount(), 22);
  grid->SetRowCount(3);
  dialogs.answers = {true};
  QTest::keyClick(grid, Qt::Key_Delete);
  EXPECT_EQ(dialogs.calls.back().text, QStringLiteral("Skall ytan/raden raderas?"));
  EXPECT_EQ(grid->Cells(0, 2), QString());
  EXPECT_EQ(grid->RowCount(), 3);
}

TEST_F(SurfaceEditingTest, DeleteInAnOpenEditorEditsTheText) {
  Show({kWall, {"Fönster"}});
  dialogs.calls.clear();
  grid->setFocus();
  grid->MoveTo(0, 3);
  grid->SetEditorMode(true);
  QWidget* editor = QApplication::focusWidget();
  QTest::keyClick(editor, Qt::Key_Home);
  QTest::keyClick(editor, Qt::Key_Delete);
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EQ(grid->Cells(0, 3), QStringLiteral("önster"));
  EXPECT_EQ(dialogs.calls.size(), 0u);
  grid->MoveTo(0, 3);
  dialogs.answers = {false};
  QTest::keyClick(grid, Qt::Key_Delete);
  EXPECT_EQ(dialogs.calls.back().kind, DialogCall::QuestionYesCancel);
  EXPECT_EQ(grid->Cells(0, 3), QStringLiteral("önster"));
}

// The room temperature recomputes every surface of the room in the file.
TEST_F(SurfaceEditingTest, RoomTemperatureRecomputesTheWholeRoom) {
  Show({{"Vägg fram", "0", "4", "0", "2,5", "0,3", "0,13", "-20", "18,4"},
        {"Fönster", "1", "2", "1", "2", "1", "0,13", "", "15"}},
       [](TRoomRecord& room) {
         for (int c : {0, 5, 6, 7}) SetField(room.Ytor[Ceiling][1].cell(c), QStringList{"Lampa", "", "", "", "", "2", "0,13", "-18"}[c]);
       });
  TypeCell(grid, 0, 4, QStringLiteral("Dörr"));  // an edit not yet stored
  form->RumsTemp->setFocus();
  form->RumsTemp->selectAll();
  QTest::keyClicks(form->RumsTemp, QStringLiteral("18"));
  EXPECT_EQ(Yt(FrontWall, 0), F("16,5"));
  EXPECT_EQ(grid->Cells(8, 2), F("16,5"));
  EXPECT_EQ(Yt(FrontWall, 1), QStringLiteral("15"));  // no outside temperature
  EXPECT_EQ(Yt(Ceiling, 1), F("8,6"));
  EXPECT_EQ(grid->Cells(0, 4), QStringLiteral("Dörr"));
  EXPECT_TRUE(form->RumsTemp->hasFocus());
  ChooseSurface(Ceiling);
  EXPECT_EQ(grid->Cells(8, 3), F("8,6"));

  // A room without building data keeps the temperature typed.
  Show({});
  form->RumsTemp->selectAll();
  QTest::keyClicks(form->RumsTemp, QStringLiteral("22"));
  EXPECT_EQ(FieldText(Record(file_, 1).RumsTemp), QStringLiteral("22"));
  EXPECT_EQ(form->RumsTemp->text(), QStringLiteral("22"));
}

// Showing another room never stores the window while its boxes change.
TEST_F(SurfaceEditingTest, ShowingARoomStoresNothing) {
  const QString file = MakeProject(QStringLiteral("två.rot"), {"A", "B"}, [](int k, TRoomRecord& room) {
    if (k == 2) room.RumsTemp.SetText("18");
    if (k == 2) room.Ytor[FrontWall][0].X2.SetText("7");
  });
  Open(file);
  ClickTab(TForm1::kIndata);
  form->UpDown1->Step(-1);
  EXPECT_EQ(form->RumsTemp->text(), QStringLiteral("20"));
  EXPECT_EQ(FieldText(Record(file, 1).Ytor[FrontWall][0].X2), QStringLiteral("4"));
  EXPECT_EQ(form->StringGrid1->Cells(2, 2), QStringLiteral("4"));
}

}  // namespace
}  // namespace virano::testing
