// What is typed reaches the project file whichever way the user leaves the
// edit, and what refuses the user says why: the one road from a cell, a box
// or the air velocity to the store, the error mark, and the error list.
#include <QApplication>
#include <QLineEdit>
#include <QTabBar>
#include <optional>

#include "support/ProjectFixture.h"
#include "support/ReadOnlyFolder.h"
#include "support/RunProgram.h"
#include "widgets/UpDown.h"

namespace virano::testing {
namespace {

// The ways of leaving an edit on "Indata" of room 2.
enum class Way { kTabClick, kExit, kStepper, kErrorListJump, kSurfaceChooser };

std::string WayName(Way way) {
  const char* names[] = {"TabClick", "Exit", "Stepper", "ErrorListJump", "SurfaceChooser"};
  return names[static_cast<int>(way)];
}

class CommitPathTest : public ProjectWindowTest {
 protected:
  // Rooms A, whose floor is missing unless `whole`, and B, complete; B,
  // with `fill` stored in it, is shown.
  void OpenRooms(const std::function<void(TRoomRecord&)>& fill = {}, bool whole = false) {
    file_ = MakeProject(QStringLiteral("hus.rot"), {"A", "B"}, [&](int k, TRoomRecord& room) {
      if (k == 1 && !whole) room.Ytor[Floor][0] = TSurfaceRow{};
      if (k == 2 && fill) fill(room);
    });
    Open(file_);
  }
  // The same on "Indata"; the error list shows room 1's missing floor.
  void ShowRoom2(const std::function<void(TRoomRecord&)>& fill = {}, bool whole = false) {
    OpenRooms(fill, whole);
    ClickTab(TForm1::kIndata);
    dialogs.calls.clear();
  }
  void Leave(Way way) {
    switch (way) {
      case Way::kTabClick: ClickTab(TForm1::kSammanst); break;
      case Way::kExit:
        dialogs.answers.push_back(true);
        QTest::mouseClick(ui->ExitSpeedButton, Qt::LeftButton);
        break;
      case Way::kStepper: ui->UpDown1->Step(-1); break;
      case Way::kErrorListJump: DoubleClickErrorLine(1); break;
      case Way::kSurfaceChooser: ChooseSurface(Ceiling); break;
    }
  }
  TRoomRecord Room2() const { return Record(file_, 2); }
  QString F(const char* text) const { return FormatDecimal(QString::fromUtf8(text)); }
  bool Told(const QString& message) const {
    const std::vector<QString> messages = dialogs.Messages();
    return std::find(messages.begin(), messages.end(), message) != messages.end();
  }

  QString file_;
};

// "abc" typed into a number cell and left, the editor still open.
struct Typed {
  int grid;  // 1: the surface grid's U-value of the main row, 2: the first point's Xp
  Way way;
};

class TypedTextTest : public CommitPathTest, public ::testing::WithParamInterface<Typed> {};

TEST_P(TypedTextTest, ThatIsNoNumberIsNeverStored) {
  ShowRoom2([](TRoomRecord& room) { SetCells(room.Punkter[FrontWall][0], QStringLiteral("1|1|1")); });
  const bool surface = GetParam().grid == 1;
  TypeOpen(surface ? ui->StringGrid1 : ui->StringGrid2, surface ? 5 : 0, surface ? 2 : 1,
           QStringLiteral("abc"));
  Leave(GetParam().way);
  EXPECT_TRUE(Told(QStringLiteral("Får endast vara siffror")));
  const TRoomRecord room = Room2();
  EXPECT_TRUE(surface ? room.Ytor[FrontWall][0].UVarde.Empty() : room.Punkter[FrontWall][0].Xp.Empty());
}

INSTANTIATE_TEST_SUITE_P(CommitPath, TypedTextTest,
                         ::testing::Values(Typed{1, Way::kTabClick}, Typed{1, Way::kExit},
                                           Typed{1, Way::kStepper}, Typed{1, Way::kErrorListJump},
                                           Typed{2, Way::kTabClick}, Typed{2, Way::kExit},
                                           Typed{2, Way::kStepper}, Typed{2, Way::kErrorListJump}),
                         [](const auto& param) {
                           return std::string(param.param.grid == 1 ? "SurfaceCell" : "PointCell") +
                                  WayName(param.param.way);
                         });

class WayTest : public CommitPathTest, public ::testing::WithParamInterface<Way> {};

std::string WayTestName(const ::testing::TestParamInfo<Way>& param) { return WayName(param.param); }

// The front wall's U-value 2 becomes 1,2 against -15 °C outside with mi 0,13.
TEST_P(WayTest, ANewUValueStoresItsSurfaceTemperature) {
  ShowRoom2([](TRoomRecord& room) {
    SetCells(room.Ytor[FrontWall][0], QStringLiteral("Vägg fram|0|4|0|4|2|0,13|-15|10,9"));
  });
  TypeOpen(ui->StringGrid1, 5, 2, F("1,2"));
  Leave(GetParam());
  EXPECT_EQ(FieldText(Room2().Ytor[FrontWall][0].YtTemp), F("14,5"));
}

TEST_P(WayTest, ATypedAirVelocityGetsItsRule) {
  ShowRoom2();
  QLineEdit* luftHast = ui->LuftHastComboBox->lineEdit();
  luftHast->setFocus();
  luftHast->selectAll();
  QTest::keyClicks(luftHast, F("0,25"));
  Leave(GetParam());
  EXPECT_EQ(QStringList({FieldText(Room2().IncROT), FieldText(Room2().MinRot)}),
            QStringList({F("0,7"), F("20,7")}));
}

INSTANTIATE_TEST_SUITE_P(CommitPath, WayTest,
                         ::testing::Values(Way::kTabClick, Way::kExit, Way::kStepper,
                                           Way::kErrorListJump, Way::kSurfaceChooser),
                         WayTestName);

TEST_F(CommitPathTest, EscapeGivesTheCellBackItsText) {
  ShowRoom2();
  QWidget* editor = TypeOpen(ui->StringGrid1, 2, 2, QStringLiteral("7"));
  QTest::keyClick(editor, Qt::Key_Escape);
  EXPECT_EQ(ui->StringGrid1->Cells(2, 2), QStringLiteral("4"));
  ClickTab(TForm1::kSammanst);
  EXPECT_EQ(Room2().Ytor[FrontWall][0].X2.Text(), "4");
}

TEST_F(CommitPathTest, ARedCellMendedInPlaceLetsTheTabChange) {
  ShowRoom2([](TRoomRecord& room) { room.Ytor[FrontWall][0].YtTemp.SetText(""); }, true);
  ASSERT_TRUE(form->Projekt().FelMarkerat());
  TypeOpen(ui->StringGrid1, 8, 2, QStringLiteral("20"));
  ClickTab(TForm1::kSammanst);
  EXPECT_EQ(form->ActivePage(), TForm1::kSammanst);
  EXPECT_EQ(Room2().Ytor[FrontWall][0].YtTemp.Text(), "20");
}

TEST_F(CommitPathTest, ErrorsOfAnotherRoomNeitherHoldTheStepperNorMarkRed) {
  ShowRoom2();  // the walk found room 1's missing floor
  ui->UpDown1->Step(-1);
  EXPECT_EQ(ui->Nummer->text(), QStringLiteral("1"));
  ShowRoom2();
  QTest::mouseClick(ui->NyttRumButton, Qt::LeftButton);
  EXPECT_FALSE(Told(QStringLiteral("Fel markerat med rött")));
  EXPECT_EQ(Records(file_), 4);
}

// A window reaching past its wall is no gap the check lists, but it is red.
TEST_F(CommitPathTest, ARefusalForARedCellSaysWhy) {
  Open(MakeProject(QStringLiteral("hus.rot"), {"A"}, [](int, TRoomRecord& room) {
    SetCells(room.Ytor[FrontWall][1], QStringLiteral("Fönster|1|5|1|2||||10"));
  }));
  ClickTab(TForm1::kIndata);
  ClickTab(TForm1::kSammanst);
  EXPECT_EQ(form->ActivePage(), TForm1::kIndata);
  EXPECT_FALSE(form->Form2->isVisible());
  EXPECT_TRUE(Told(QStringLiteral("Fel markerat med rött")));
}

// After the walk found room 1's errors while room 2 is shown, the error list
// entered with a tab keeps room 1's lines, also when its activation comes
// after the check of the room shown has rewritten the error file.
class LateActivationTest : public CommitPathTest, public ::testing::WithParamInterface<int> {};

TEST_P(LateActivationTest, KeepsTheLinesOfTheWalk) {
  OpenRooms();
  ClickTab(TForm1::kAllmIndata);
  ClickTab(GetParam());
  ASSERT_EQ(form->ActivePage(), GetParam());
  QApplication::setActiveWindow(form->Form2.get());
  QCoreApplication::processEvents();
  ASSERT_TRUE(form->Form2->isVisible());
  ASSERT_EQ(ErrorLines().size(), 1);
  EXPECT_TRUE(ErrorLines()[0].startsWith(QStringLiteral("1|A|Golv")));
}

INSTANTIATE_TEST_SUITE_P(CommitPath, LateActivationTest,
                         ::testing::Values(int(TForm1::kIndata), int(TForm1::kSammanst)),
                         [](const auto& param) {
                           return std::string(param.param == TForm1::kIndata ? "Indata" : "Summary");
                         });

TEST_F(CommitPathTest, AShownRoomWithoutANameIsTheRoomSummedUpAndPrinted) {
  file_ = MakeProject(QStringLiteral("hus.rot"), {"Kontor", ""}, [](int k, TRoomRecord& room) {
    if (k == 2) SetCells(room.Ytor[FrontWall][1], QStringLiteral("Skrubbfönster|1|2|1|2||||12"));
  });
  Open(file_);
  ClickTab(TForm1::kSammanst);
  EXPECT_EQ(ui->ComboBox2->currentText(), QString());
  dialogs.printToFile = Path(QStringLiteral("rapport.pdf"));
  dialogs.printerAnswers.push_back(true);
  QTest::mouseClick(ui->UtskriftVyerSpeedButton, Qt::LeftButton);
  const std::string text = RunShell(dir_.path().toStdString(), "pdftotext rapport.pdf -").out;
  EXPECT_NE(text.find("Skrubbfönster"), std::string::npos);
  EXPECT_EQ(text.find("Kontor"), std::string::npos);
  EXPECT_EQ(ui->Nummer->text(), QStringLiteral("2"));
}

TEST_F(CommitPathTest, PassingThroughAnOwnIncreaseKeepsIt) {
  ShowRoom2([](TRoomRecord& room) {
    room.LuftHast.SetText(">0,35");
    room.IncROT.SetText("2,5");
    room.MinRot.SetText("22,5");
  });
  EXPECT_EQ(ui->LuftHastComboBox->currentIndex(), ui->LuftHastComboBox->findText(QStringLiteral(">0,35")));
  QWidget* box = ui->LuftHastComboBox;
  const std::function<void()> passes[] = {
      [box] { box->setFocus(Qt::TabFocusReason), QTest::keyClick(box, Qt::Key_Tab); },
      [box] { box->setFocus(Qt::MouseFocusReason), QTest::keyClick(box, Qt::Key_Return); },
      [this, box] { box->setFocus(Qt::MouseFocusReason), QTest::mouseClick(ui->RumsNamn, Qt::LeftButton); }};
  for (const auto& pass : passes) {
    pass();
    EXPECT_EQ(QStringList({ui->IncROT->text(), ui->MinRot->text()}), QStringList({F("2,5"), F("22,5")}));
  }
}

TEST_F(CommitPathTest, DeletedRowsNeverLeaveTheCursorOnTheMainSurfacesOwnCells) {
  ShowRoom2([](TRoomRecord& room) {
    for (int r = 1; r <= 7; ++r)
      SetCells(room.Ytor[FrontWall][r], QStringLiteral("Del %1|1|2|1|2||||20").arg(r));
  });
  TStringGrid* grid = ui->StringGrid1;
  ASSERT_EQ(grid->RowCount(), 10);
  grid->setFocus(Qt::MouseFocusReason);
  grid->MoveTo(0, 9);
  for (int i = 0; i < 7; ++i) {
    dialogs.answers.push_back(true);
    QTest::keyClick(grid, Qt::Key_Delete);
  }
  ASSERT_EQ(grid->RowCount(), 3);
  EXPECT_EQ(std::pair(grid->Col(), grid->Row()), std::pair(2, 2));
}

TEST_F(CommitPathTest, TheRoomTemperatureKeepsTheFocusFromRoomToRoom) {
  ShowRoom2();
  ui->RumsTemp->setFocus(Qt::MouseFocusReason);
  ui->UpDown1->Step(-1);
  EXPECT_EQ(QApplication::focusWidget(), ui->RumsTemp);
}

TEST_F(CommitPathTest, AnErrorFileThatCannotBeWrittenIsToldOnceATabChange) {
  OpenRooms({}, true);
  QFile::remove(Path(QStringLiteral("hus.rof")));
  const ReadOnlyFolder locked(dir_.path().toStdString());
  dialogs.calls.clear();
  ClickTab(TForm1::kIndata);
  EXPECT_EQ(dialogs.Messages().size(), 1u);
  ClickTab(TForm1::kSammanst);
  EXPECT_EQ(dialogs.Messages().size(), 2u);
}

}  // namespace
}  // namespace virano::testing
