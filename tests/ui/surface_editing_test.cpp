// A room's input as the user types it: moving through the surface grid,
// the checks of a cell left, surface temperatures, red marks, inserting and
// deleting rows, the room temperature, the air velocity and the target ROT.
#include <QLineEdit>

#include "support/ProjectFixture.h"
#include "widgets/Colours.h"
#include "widgets/StringGrid.h"
#include "widgets/UpDown.h"

namespace virano::testing {
namespace {

class InputEditingTest : public ProjectWindowTest {
 protected:
  // Room 1 of a new project, its front wall's rows given, shown on "Indata".
  void Show(const QStringList& rows, const std::function<void(TRoomRecord&)>& fill = {}) {
    file_ = MakeProject(QStringLiteral("hus.rot"), {"A"}, [&](int k, TRoomRecord& room) {
      for (int r = 0; k == 1 && r < rows.size(); ++r) SetCells(room.Ytor[FrontWall][r], rows[r]);
      if (k == 1 && fill) fill(room);
    });
    Open(file_);
    ClickTab(TForm1::kIndata);
    grid = ui->StringGrid1;
    dialogs.calls.clear();
  }
  QRect CellRect(int col, int row) {
    grid->scrollTo(grid->model()->index(row - 2, col));
    return grid->visualRect(grid->model()->index(row - 2, col));
  }
  void ClickCell(int col, int row) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellRect(col, row).center());
  }
  QColor Painted(int col, int row) {
    return grid->viewport()->grab().toImage().pixelColor(CellRect(col, row).bottomRight() - QPoint(2, 2));
  }
  static void Retype(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
  }
  std::pair<int, int> Current() const { return {grid->Col(), grid->Row()}; }
  QString F(const char* text) const { return FormatDecimal(QString::fromUtf8(text)); }
  TRoomRecord Room() const { return Record(file_, 1); }

  QString file_;
  TStringGrid* grid = nullptr;
};

const QString kWall = QStringLiteral("Vägg fram|0|4|0|2,5||||18");

TEST_F(InputEditingTest, TheMainSurfacesNameAndOriginAreNotEntered) {
  Show({kWall, "Fönster|1|2|1|2||||10"});
  ClickCell(5, 3);
  ClickCell(0, 2);
  ClickCell(1, 2);
  EXPECT_EQ(Current(), std::pair(5, 3));
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
}

// The system's decimal separator: a point (true) or a comma.
class InputEditingSeparatorTest : public InputEditingTest,
                                  public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    decimalPunkt = GetParam();
    InputEditingTest::SetUp();
  }
};

TEST_P(InputEditingSeparatorTest, ACellLeftIsConvertedAndChecked) {
  const bool punkt = GetParam();
  Show({kWall});
  for (int col : {5, 0}) TypeCell(grid, col, 3, QStringLiteral("abc"));
  TypeCell(grid, 1, 3, punkt ? QStringLiteral("1,5") : QStringLiteral("1.5"));
  EXPECT_EQ(dialogs.Messages(), std::vector{QStringLiteral("Får endast vara siffror")});
  EXPECT_EQ(QStringList({grid->Cells(5, 3), grid->Cells(0, 3), grid->Cells(1, 3)}),
            QStringList({"", "abc", punkt ? "1.5" : "1,5"}));
}

std::string SeparatorName(const ::testing::TestParamInfo<bool>& param) {
  return param.param ? "DecimalPoint" : "DecimalComma";
}

INSTANTIATE_TEST_SUITE_P(SurfaceGrid, InputEditingSeparatorTest, ::testing::Bool(), SeparatorName);

TEST_F(InputEditingTest, SurfaceTemperatureFollowsItsInputsAndDeleteEditsAnOpenCell) {
  Show({kWall});
  ASSERT_FALSE(form->Projekt().DataAendrad());
  for (int col : {5, 6, 7}) TypeCell(grid, col, 3, QStringList{F("0,3"), F("0,13"), "-20"}[col - 5]);
  EXPECT_EQ(grid->Cells(8, 3), F("18,4"));
  EXPECT_TRUE(form->Projekt().DataAendrad());
  // Delete in the open editor of the outside temperature: first its sign, then all of it.
  for (const Qt::KeyboardModifiers select : {Qt::NoModifier, Qt::ControlModifier}) {
    grid->MoveTo(7, 3);
    grid->SetEditorMode(true);
    QWidget* editor = QApplication::focusWidget();
    QTest::keyClick(editor, select == Qt::NoModifier ? Qt::Key_Home : Qt::Key_A, select);
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClick(editor, Qt::Key_Tab);
    if (select == Qt::NoModifier) {
      EXPECT_EQ(grid->Cells(8, 3), F("20,0"));
    }
  }
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(grid->Cells(8, 3), QString());  // only the outside temperature removed
}

TEST_F(InputEditingTest, WrongAndMissingCellsArePaintedRed) {
  Show({kWall, "Fönster||5|1|2||||10"});
  EXPECT_EQ(QList({Painted(1, 3), Painted(2, 3), Painted(3, 3), Painted(1, 4)}),
            QList({colours::kRed, colours::kRed, Painted(3, 4), Painted(3, 4)}));
  EXPECT_TRUE(form->Projekt().FelMarkerat());
  ClickCell(5, 3);
  EXPECT_TRUE(form->Projekt().FelMarkerat());  // the red cells are still shown
  TypeCell(grid, 1, 3, QStringLiteral("1"));
  TypeCell(grid, 2, 3, QStringLiteral("2"));
  EXPECT_FALSE(form->Projekt().FelMarkerat());
}

TEST_F(InputEditingTest, RowsAreInsertedAndDeletedWithTheRowAfterTheShownOnes) {
  Show({kWall, "A", "B"});
  const int follower = grid->RowCount();
  grid->SetCells(0, follower, QStringLiteral("Dold"));
  grid->setFocus();
  grid->MoveTo(0, 3);
  QTest::mouseClick(ui->InfogaYtorButton, Qt::LeftButton);
  EXPECT_EQ(QStringList({grid->Cells(0, 4), grid->Cells(0, 5), grid->Cells(0, follower + 1)}),
            QStringList({"", "B", "Dold"}));
  dialogs.answers = {true, true, true};
  QTest::mouseClick(ui->RaderaYtorButton, Qt::LeftButton);  // "A"
  EXPECT_EQ(QStringList({grid->Cells(0, 3), grid->Cells(0, follower)}), QStringList({"", "Dold"}));
  EXPECT_EQ(grid->RowCount(), follower);
  grid->MoveTo(4, 2);
  QTest::keyClick(grid, Qt::Key_Delete);  // the wall's own row keeps its place and its sub-surfaces
  EXPECT_EQ(QStringList({grid->Cells(0, 2), grid->Cells(1, 2), grid->Cells(2, 2), grid->Cells(0, 4)}),
            QStringList({"Vägg fram", "0", "", "B"}));
  EXPECT_EQ(dialogs.calls.back(), (DialogCall{DialogCall::QuestionYesCancel, "Skall ytan/raden raderas?",
                                               MessageKind::Plain, {}, true}));  // Cancel the default
  grid->SetRowCount(3);
  QTest::mouseClick(ui->RaderaYtorButton, Qt::LeftButton);  // the only row is emptied
  EXPECT_EQ(QStringList({grid->Cells(0, 2), QString::number(grid->RowCount())}), QStringList({"", "3"}));
  grid->SetRowCount(22);
  QTest::mouseClick(ui->InfogaYtorButton, Qt::LeftButton);
  EXPECT_EQ(dialogs.Messages().back(), QStringLiteral("Det får finnas max 20 ytor"));
  EXPECT_EQ(grid->RowCount(), 22);
}

TEST_F(InputEditingTest, RoomTemperatureRecomputesTheStoredRoom) {
  Show({"Vägg fram|0|4|0|2,5|0,3|0,13|-20|18,4", "Fönster|1|2|1|2|1|0,13||15"},
       [](TRoomRecord& room) { SetCells(room.Ytor[Ceiling][1], QStringLiteral("Lampa|||||2|0,13|-18")); });
  TypeCell(grid, 0, 4, QStringLiteral("Dörr"));  // an edit not yet stored stays
  Retype(ui->RumsTemp, QStringLiteral("18"));
  const auto ytor = Room().Ytor;
  EXPECT_EQ(QStringList({FieldText(ytor[FrontWall][0].YtTemp), grid->Cells(8, 2),
                         FieldText(ytor[FrontWall][1].YtTemp), FieldText(ytor[Ceiling][1].YtTemp),
                         grid->Cells(0, 4)}),
            QStringList({F("16,5"), F("16,5"), "15", F("8,6"), "Dörr"}));
  EXPECT_TRUE(ui->RumsTemp->hasFocus());
  ChooseSurface(Ceiling);
  EXPECT_EQ(grid->Cells(8, 3), F("8,6"));

  Show({});  // no row to compute: the temperature typed is stored all the same
  Retype(ui->RumsTemp, QStringLiteral("22"));
  EXPECT_EQ(FieldText(Room().RumsTemp), QStringLiteral("22"));
}

TEST_F(InputEditingTest, ShowingARoomStoresNothing) {
  const QString file = MakeProject(QStringLiteral("två.rot"), {"A", "B"}, [](int k, TRoomRecord& room) {
    if (k == 2) room.RumsTemp.SetText("18");
    if (k == 2) room.Ytor[FrontWall][0].X2.SetText("7");
  });
  Open(file);
  ClickTab(TForm1::kIndata);
  ui->UpDown1->Step(-1);
  EXPECT_EQ(FieldText(Record(file, 1).Ytor[FrontWall][0].X2), QStringLiteral("4"));
  EXPECT_EQ(ui->StringGrid1->Cells(2, 2), QStringLiteral("4"));
}

// An air velocity chosen from the list: the increase it gives, the minimum
// ROT with the target 20, and whether the user gives the increase.
struct Velocity {
  const char* name;
  int item;
  const char *incRot, *minRot;
  bool open;
};

class AirVelocityTest : public InputEditingTest, public ::testing::WithParamInterface<Velocity> {};

TEST_P(AirVelocityTest, ChosenItemGivesTheIncreaseAndTheMinimumRot) {
  const Velocity& v = GetParam();
  Show({kWall});
  ui->LuftHastComboBox->setCurrentIndex(v.item);
  emit ui->LuftHastComboBox->activated(v.item);
  EXPECT_EQ(QStringList({ui->IncROT->text(), ui->MinRot->text()}), QStringList({F(v.incRot), F(v.minRot)}));
  EXPECT_EQ(ui->IncROT->isEnabled(), v.open);
  EXPECT_EQ(ui->IncROT->palette().color(QPalette::Base) == colours::kRed, v.open);
}

INSTANTIATE_TEST_SUITE_P(SurfaceGrid, AirVelocityTest,
                         ::testing::Values(Velocity{"Velocity025", 4, "0,7", "20,7", false},
                                           Velocity{"Velocity020", 3, "0", "20", false},
                                           Velocity{"Above035", 7, "0", "20", true}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(InputEditingTest, AnOwnIncreaseAndTheTargetRotAreStoredTogether) {
  Show({kWall});
  ui->LuftHastComboBox->setCurrentIndex(7);
  emit ui->LuftHastComboBox->activated(7);  // ">0,35": the user gives the increase
  Retype(ui->IncROT, F("2,5"));
  EXPECT_NE(ui->IncROT->palette().color(QPalette::Base), colours::kRed);
  Retype(ui->Rot, QStringLiteral("21"));
  ClickTab(TForm1::kAllmIndata);  // typed alone, both are stored
  EXPECT_EQ(QStringList({FieldText(Room().IncROT), FieldText(Room().Rot), FieldText(Room().MinRot)}),
            QStringList({F("2,5"), "21", F("23,5")}));
}

class InputEditingPointTest : public InputEditingTest {
 protected:
  void SetUp() override {
    decimalPunkt = true;
    InputEditingTest::SetUp();
  }
};

TEST_F(InputEditingPointTest, TypedVelocityRunsTheRuleWhenTheBoxIsLeft) {
  Show({kWall});
  QLineEdit* luftHast = ui->LuftHastComboBox->lineEdit();
  const auto typeAndLeave = [&](const char* text) {
    if (*text != 0) Retype(luftHast, QString::fromLatin1(text));
    else luftHast->setFocus();
    ui->RumsNamn->setFocus();
    const bool red = ui->IncROT->palette().color(QPalette::Base) == colours::kRed;
    return QStringList({luftHast->text(), ui->IncROT->text(),
                        ui->IncROT->isEnabled() ? (red ? "open, red" : "open") : "closed"});
  };
  EXPECT_EQ(typeAndLeave("0,25"), QStringList({"0.25", "0.7", "closed"}));
  EXPECT_EQ(typeAndLeave("0.3"), QStringList({"0.3", "1.3", "closed"}));
  EXPECT_EQ(typeAndLeave("0.5"), QStringList({"0.5", "1.3", "open, red"}));  // kept
  Retype(ui->IncROT, QStringLiteral("2.5"));
  EXPECT_EQ(typeAndLeave(""), QStringList({"0.5", "2.5", "open"}));
}

}  // namespace
}  // namespace virano::testing
