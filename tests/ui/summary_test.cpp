// The summary views, the input check with its error list, and a whole room
// typed into the window and read back on "Resultat".
#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QToolButton>

#include "FelInfo.h"
#include "ProjectFixture.h"

namespace virano::testing {
namespace {

class SummaryTest : public ProjectWindowTest {
 protected:
  // Opens a project of rooms named `names` (4 m cubes, see MakeProject).
  QString OpenRooms(const QStringList& names, const std::function<void(int, TRoomRecord&)>& fill = {},
                    const QString& name = QStringLiteral("hus.rot")) {
    const QString file = MakeProject(name, names, fill);
    Open(file);
    return file;
  }
  void ChooseView(int item) { QTest::mouseClick(form->VisaResultatRadioGroup->Button(item), Qt::LeftButton); }
  QString Cell(int col, int row) const { return form->StringGrid3->Cells(col, row); }
  // The lines of the error list, each as "Nr|Rumsnamn|Yta|Delyta|Felmeddelande".
  QStringList ErrorLines() const {
    QStringList lines;
    const TStringGrid* grid = form->Form2->StringGrid1;
    for (int r = 1; r < grid->RowCount(); ++r) {
      QStringList cells;
      for (int c = 0; c < 5; ++c) cells << grid->Cells(c, r);
      lines << cells.join(QLatin1Char('|'));
    }
    return lines;
  }
  // A user's double click on line `row` of the error list.
  void DoubleClickErrorLine(int row) {
    TStringGrid* grid = form->Form2->StringGrid1;
    const QRect cell = grid->visualRect(grid->model()->index(row - 1, 0));
    // What the window system sends: press, release, double click, release.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
  }
  // True when the summary grid paints cell (col, row) with red text.
  bool PaintedRed(int col, int row) const {
    TStringGrid* grid = form->StringGrid3;
    const QImage image = grid->viewport()->grab().toImage();
    const QRect cell = grid->visualRect(grid->model()->index(row - grid->FixedRows(), col));
    for (int y = cell.top(); y <= cell.bottom(); ++y)
      for (int x = cell.left(); x <= cell.right(); ++x) {
        const QColor c = image.pixelColor(x, y);
        if (c.red() > 160 && c.green() < 100 && c.blue() < 100) return true;
      }
    return false;
  }
};

// Room 3's floor is missing.
void NoFloorIn3(int k, TRoomRecord& room) {
  if (k == 3) room.Ytor[Floor][0] = TSurfaceRow{};
}

TEST_F(SummaryTest, VisaTellsWhatTheLastCheckFound) {
  form->Visa1->trigger();
  OpenRooms({"A", "B", "C"}, NoFloorIn3);
  form->Visa1->trigger();
  form->Sk1->trigger();  // room 3 is shown and lacks its floor
  EXPECT_EQ(dialogs.Messages(), (std::vector{QStringLiteral("Ingen fil är vald"),
                                             QStringLiteral("Ingen felsökning är gjord")}));
  EXPECT_TRUE(form->FelMarkerat);
  EXPECT_TRUE(form->Form2->isVisible());
  EXPECT_EQ(form->Form2->windowTitle(), QStringLiteral("FELMEDDELANDE"));
  EXPECT_EQ(ErrorLines(), QStringList{"3|C|Golv||Saknar koordinater, "});
  form->Form2->hide();
  form->Visa1->trigger();
  EXPECT_TRUE(form->Form2->isVisible());
  dialogs.printerAnswers.push_back(false);
  QTest::mouseClick(form->Form2->SkrivarValButton, Qt::LeftButton);
  EXPECT_EQ(dialogs.calls.back().kind, DialogCall::PrinterSetup);

  form->UpDown1->SetPosition(1);  // a sound room
  form->Sk1->trigger();
  form->Visa1->trigger();
  EXPECT_EQ(dialogs.Messages().back(), QStringLiteral("Inga fel registrerade"));
  EXPECT_TRUE(form->FelMarkerat);  // a check never clears the mark
}

TEST_F(SummaryTest, AFaultyRoomKeepsTheUserOnIndata) {
  const QString file = OpenRooms({"A", "B", "C"}, NoFloorIn3);
  form->UpDown1->SetPosition(1);
  // A mark left from before does not end the walk over the rooms at room 1.
  form->FelMarkerat = true;
  ClickTab(TForm1::kAllmIndata);
  EXPECT_EQ(ErrorLines(), QStringList{"3|C|Golv||Saknar koordinater, "});
  ClickTab(TForm1::kIndata);
  ASSERT_EQ(form->ActivePage(), TForm1::kIndata);
  form->Form2->hide();
  ClickTab(TForm1::kSammanst);
  EXPECT_EQ(form->ActivePage(), TForm1::kIndata);
  EXPECT_TRUE(form->Form2->isVisible());

  // The walk read other rooms: room 1's surfaces stored now stay its own.
  QTest::keyClicks(form->RumsNamn, QStringLiteral("1"));
  ChooseSurface(Ceiling);
  const TRoomRecord room1 = Record(file, 1);
  EXPECT_EQ(FieldText(room1.RumsNamn), QStringLiteral("A1"));
  EXPECT_EQ(FieldText(room1.Ytor[Floor][0].Namn), QStringLiteral("Golv"));
}

TEST_F(SummaryTest, TheJumpAndSokStoreWhatWasTypedFirst) {
  const QString file = OpenRooms({"A", "B", "C"}, NoFloorIn3);
  form->UpDown1->SetPosition(1);
  ClickTab(TForm1::kIndata);  // the walk lists room 3
  QTest::keyClicks(form->RumsNamn, QStringLiteral("1"));
  DoubleClickErrorLine(1);
  EXPECT_EQ(FieldText(Record(file, 1).RumsNamn), QStringLiteral("A1"));
  EXPECT_EQ(form->ActivePage(), TForm1::kIndata);
  EXPECT_EQ(form->Nummer->text(), QStringLiteral("3"));
  EXPECT_EQ(form->RumsNamn->text(), QStringLiteral("C"));
  EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("Golv"));
  EXPECT_EQ(form->StringGrid1->Cells(0, 2), QStringLiteral("Golv"));
  EXPECT_EQ(form->Form2->YtNr, Floor);
  EXPECT_TRUE(form->Form2->isVisible());

  // The floor's row as shown and a sub-surface typed below it are checked.
  TypeCell(form->StringGrid1, 0, 3, QStringLiteral("Fönster"));
  form->Sk1->trigger();
  EXPECT_EQ(ErrorLines(), (QStringList{"3|C|Golv||Saknar koordinater,  saknar yttemp",
                                       "3|C|Golv|Fönster|Saknar koordinater,  saknar yttemp"}));
}

TEST_F(SummaryTest, ANewRoomIsCheckedWithWhatWasTyped) {
  const QString file = OpenRooms({"A"}, [](int k, TRoomRecord& room) {
    if (k == 1) room.Ytor[Ceiling][0].YtTemp.SetText("");
  });
  ClickTab(TForm1::kIndata);
  ChooseSurface(Ceiling);
  TypeCell(form->StringGrid1, 8, 2, QStringLiteral("21"));
  form->FelMarkerat = false;  // as selecting a cell does
  QTest::mouseClick(form->NyttRumButton, Qt::LeftButton);
  EXPECT_EQ(Records(file), 3);
  EXPECT_EQ(form->Nummer->text(), QStringLiteral("2"));
}

TEST_F(SummaryTest, ViewsOfTheShownRoom) {
  OpenRooms({"Kontor", "Smal"}, [](int k, TRoomRecord& room) {
    room.Punkter[FrontWall][0].Xp.SetText("2");
    room.Punkter[FrontWall][0].Yp.SetText("1,2");
    room.Punkter[FrontWall][0].Zp.SetText("1");
    if (k == 2) room.Ytor[Ceiling][0].X2.SetText("1");  // a gap above the point
  });
  form->UpDown1->SetPosition(1);
  ClickTab(TForm1::kSammanst);
  EXPECT_FALSE(form->Form2->isVisible());
  EXPECT_EQ(form->StringGrid3->ColCount(), 17);
  EXPECT_EQ(Cell(0, 3), QStringLiteral("Kontor"));
  EXPECT_EQ(Cell(0, 4), QStringLiteral("  Vägg fram"));
  EXPECT_EQ(Cell(14, 4), QStringLiteral("2"));
  EXPECT_FALSE(PaintedRed(4, 4));  // Y2

  ChooseView(1);
  EXPECT_EQ(form->StringGrid3->ColCount(), 10);
  EXPECT_EQ(form->StringGrid3->RowCount(), 6);
  EXPECT_EQ(Cell(2, 3), QStringLiteral("Min. 20"));
  EXPECT_EQ(Cell(4, 4), FormatDecimal(QStringLiteral("1,00")));
  EXPECT_FALSE(PaintedRed(4, 4));
  EXPECT_TRUE(Cell(0, 2).isEmpty());

  form->ComboBox2->setCurrentIndex(1);
  emit form->ComboBox2->activated(1);
  EXPECT_EQ(Cell(0, 3), QStringLiteral("Smal"));
  EXPECT_EQ(Cell(4, 4), FormatDecimal(QStringLiteral("0,98")));
  EXPECT_TRUE(PaintedRed(4, 4));

  ChooseView(2);
  EXPECT_EQ(Cell(0, 2), QStringLiteral("    Delytor"));
  EXPECT_GT(form->StringGrid3->RowCount(), 6);
  EXPECT_EQ(form->StringGrid3->ColWidths(9), 0);
}

TEST_F(SummaryTest, AnotherProjectRenamesTheRoomChooser) {
  OpenRooms({"Kontor", "Hall"});
  ClickTab(TForm1::kSammanst);
  OpenRooms({"Kök", "Bad"}, {}, QStringLiteral("annat.rot"));
  ASSERT_EQ(form->ComboBox2->count(), 2);
  EXPECT_EQ(form->ComboBox2->itemText(0), QStringLiteral("Kök"));
  EXPECT_EQ(form->ComboBox2->currentText(), QStringLiteral("Bad"));  // the room shown
  EXPECT_EQ(Cell(0, 3), QStringLiteral("Bad"));
}

#ifdef VIRANO_KALKYL
// The user types a whole room: six main surfaces, a window and a radiator
// in the front wall, and points; "Resultat" then shows what the command
// line prints for the stored project.
TEST_F(SummaryTest, ATypedRoomShowsTheCommandLinesResults) {
  Open(Path(QStringLiteral("typat.rot")));
  ClickTab(TForm1::kIndata);
  QTest::keyClicks(form->RumsNamn, QStringLiteral("Kontor"));
  // X2, Y2 and the surface temperature of each main surface (X1 and Y1
  // read 0), then the sub-surfaces and points.
  const char* sizes[kMainSurfaceCount][3] = {{"4", "2,5", "19"}, {"5", "2,5", "20"},
                                             {"5", "2,5", "20"}, {"4", "2,5", "20,5"},
                                             {"4", "5", "21"},   {"4", "5", "20"}};
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    ChooseSurface(s);
    for (int i = 0; i < 3; ++i)
      TypeCell(form->StringGrid1, std::array{2, 4, 8}[i], 2, FormatDecimal(QString::fromUtf8(sizes[s][i])));
    const QStringList point = s == FrontWall ? QStringList{"2", "1,2", "1"}
                              : s == Floor   ? QStringList{"1", "2,5", "0,6"}
                                             : QStringList{};
    for (int c = 0; c < point.size(); ++c) TypeCell(form->StringGrid2, c, 1, FormatDecimal(point[c]));
    if (s != FrontWall) continue;
    const QStringList subs[] = {{"Fönster", "1", "3", "1", "2", "", "", "", "12"},
                                {"Radiator", "1", "3", "0,1", "0,7", "", "", "", "45"}};
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c < 9; ++c)
        if (!subs[r][c].isEmpty()) TypeCell(form->StringGrid1, c, 3 + r, FormatDecimal(subs[r][c]));
  }
  form->FelMarkerat = false;  // as selecting a cell does
  ClickTab(TForm1::kSammanst);
  ASSERT_EQ(form->ActivePage(), TForm1::kSammanst);
  ChooseView(1);

  QProcess kalkyl;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("LC_ALL"), form->DecimalPunkt ? QStringLiteral("C") : QStringLiteral("sv_SE.UTF-8"));
  kalkyl.setProcessEnvironment(env);
  kalkyl.start(QStringLiteral(VIRANO_KALKYL), {form->FilNamn + QStringLiteral(".rot"), QStringLiteral("1")});
  ASSERT_TRUE(kalkyl.waitForFinished(30000));
  ASSERT_EQ(kalkyl.exitCode(), 0) << kalkyl.readAllStandardError().toStdString();
  QStringList printed = QString::fromUtf8(kalkyl.readAllStandardOutput()).split(QLatin1Char('\n'));
  printed.removeLast();  // after the last line's end
  ASSERT_EQ(printed.size(), form->StringGrid3->RowCount());
  ASSERT_EQ(printed.size(), 7);  // headings, room row, two points, the empty row
  for (int r = 0; r < printed.size(); ++r) {
    QStringList shown;
    for (int c = 0; c < 10; ++c) shown << Cell(c, r);
    EXPECT_EQ(shown.join(QLatin1Char('\t')), printed[r]) << "row " << r;
  }
}
#endif

}  // namespace
}  // namespace virano::testing
