// Input that cannot be right is caught where it is typed: control points
// outside the room, "mi" typed as a heat-transfer coefficient; a stopped
// calculation names its point; a map outside the room is refused; the
// summary and the error list show their texts whole; the user list follows
// the users file.
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QScreen>

#include "project/users.h"
#include "support/ProjectFixture.h"
#include "widgets/Colours.h"
#include "widgets/RadioGroup.h"
#include "windows/Karta.h"

namespace virano::testing {
namespace {

class ImpossibleInputTest : public ProjectWindowTest {
 protected:
  // A room 4 m wide, 4,2 m deep and 2,5 m high, with `fill` stored into it.
  QString Office(const std::function<void(TRoomRecord&)>& fill = {}) {
    return MakeProject(QStringLiteral("kontor.rot"), {"Kontor"}, [&](int k, TRoomRecord& room) {
      if (k != 1) return;
      for (int s = 0; s < kMainSurfaceCount; ++s) {
        const QString caption = Utf8Text(kMainSurfaceCaptions[s]);
        const char* sizes[] = {"4|2,5", "4,2|2,5", "4,2|2,5", "4|2,5", "4|4,2", "4|4,2"};
        const QStringList wh = QString::fromLatin1(sizes[s]).split(QLatin1Char('|'));
        SetCells(room.Ytor[s][0], caption + "|0|" + wh[0] + "|0|" + wh[1] + "||||20");
      }
      if (fill) fill(room);
    });
  }
  bool Red(TStringGrid* grid, int col, int row) {
    const QRect cell = grid->visualRect(grid->model()->index(row - grid->FixedRows(), col));
    return grid->viewport()->grab().toImage().pixelColor(cell.topLeft() + QPoint(1, 1)) == colours::kRed;
  }
  QString F(const char* text) const { return FormatDecimal(QString::fromUtf8(text)); }
};

// A point typed into the front wall's point grid: "Xp|Yp|Zp", and the cell
// that is red.
struct OutsidePoint {
  const char* name;
  const char* point;
  int redCol;
};

class OutsidePointTest : public ImpossibleInputTest,
                         public ::testing::WithParamInterface<OutsidePoint> {};

TEST_P(OutsidePointTest, IsRedAndListedByTheCheck) {
  Open(Office());
  ClickTab(TForm1::kIndata);
  const QStringList cells = QString::fromLatin1(GetParam().point).split(QLatin1Char('|'));
  for (int c = 0; c < 3; ++c) TypeCell(ui->StringGrid2, c, 1, F(cells[c].toUtf8().constData()));
  EXPECT_TRUE(Red(ui->StringGrid2, GetParam().redCol, 1));
  EXPECT_TRUE(form->Projekt().FelMarkerat());
  ClickTab(TForm1::kSammanst);
  EXPECT_EQ(form->ActivePage(), TForm1::kIndata);
  EXPECT_EQ(ErrorLines(), QStringList{QStringLiteral("1|Kontor|Vägg fram||Punkt 0 ligger utanför rummet")});
}

INSTANTIATE_TEST_SUITE_P(ImpossibleInput, OutsidePointTest,
                         ::testing::Values(OutsidePoint{"OnTheWallsEdge", "0|1,2|1", 0},
                                           OutsidePoint{"Negative", "-1|1,2|1", 0},
                                           OutsidePoint{"AboveTheWall", "2|3|1", 1},
                                           OutsidePoint{"BehindTheRearWall", "2|1,2|5", 2}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(ImpossibleInputTest, AStoppedCalculationNamesItsPoint) {
  Open(Office([](TRoomRecord& room) { SetCells(room.Punkter[FrontWall][0], "0|1,2|1"); }));
  ClickTab(TForm1::kSammanst);
  QTest::mouseClick(ui->VisaResultatRadioGroup->Button(1), Qt::LeftButton);
  const std::vector<QString> messages = dialogs.Messages();
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages.back(), QStringLiteral("Division med noll i VinkelRataFallet\n"
                                            "Punkt 0 framför Vägg fram: punkten ligger i en ytas plan"));
}

// "mi" typed as the heat-transfer coefficient 8 instead of the resistance.
TEST_F(ImpossibleInputTest, MiAboveTheResistanceOfASurfaceIsRedAndTold) {
  Open(Office());
  ClickTab(TForm1::kIndata);
  EXPECT_EQ(ui->StringGrid1->Cells(6, 1), QStringLiteral("m2*K/W"));
  for (const auto& [col, text] : {std::pair{5, "1"}, {7, "-20"}, {6, "8"}})
    TypeCell(ui->StringGrid1, col, 2, F(text));
  EXPECT_EQ(dialogs.Messages(), std::vector{QStringLiteral(
                                    "u-värde × mi är större än 1. mi är ytans värmemotstånd i "
                                    "m2*K/W, oftast 0,13.")});
  EXPECT_EQ(ui->StringGrid1->Cells(8, 2), QStringLiteral("20"));  // not written
  EXPECT_TRUE(Red(ui->StringGrid1, 6, 2));
  TypeCell(ui->StringGrid1, 6, 2, F("0,13"));
  EXPECT_EQ(ui->StringGrid1->Cells(8, 2), F("14,8"));
  EXPECT_FALSE(form->Projekt().FelMarkerat());
}

TEST_F(ImpossibleInputTest, AMapOutsideTheRoomIsRefusedInItsStatusLine) {
  Open(Office());
  ClickTab(TForm1::kIndata);
  ui->RotKarta1->trigger();
  TKartaForm* karta = form->KartaForm;
  for (const auto& [distance, step, status] :
       {std::tuple{"5", "0,1", QStringLiteral("Avståndet från ytan ska vara större än 0 och mindre än "
                                              "rummets djup framför Vägg fram, ") + F("4,2") + " m"},
        {"1", "5", QStringLiteral("Steget 5 m ger inga punkter på Vägg fram")}}) {
    karta->Avstand->setText(F(distance));
    karta->Steg->setText(F(step));
    emit karta->Steg->editingFinished();
    QTRY_COMPARE_WITH_TIMEOUT(karta->Status->text(), status, 5000);
    EXPECT_TRUE(karta->Karta().map.cells.empty());
  }
  QTest::keyClick(karta, Qt::Key_Escape);
  EXPECT_FALSE(karta->isVisible());
}

// At the window's smallest size no number of the input view is cut, and
// the error list opens wide enough for its longest message.
TEST_F(ImpossibleInputTest, TextsAreShownWhole) {
  Open(Office([](TRoomRecord& room) {
    room.LuftHast.SetText("0,15");
    SetCells(room.Ytor[FrontWall][1], "Fönster|1,25|2,75|0,95|2,05|2,8|0,13|-20|12,7");
    SetCells(room.Punkter[FrontWall][0], "2,125|1,25|0,75");
    SetCells(room.Ytor[Floor][1], "Dörr 1|1|2|0|2|1,1|0,13");  // the longest message
  }));
  form->resize(form->minimumSize());
  ClickTab(TForm1::kSammanst);
  TStringGrid* grid = ui->StringGrid3;
  const QFontMetrics metrics(grid->font());
  for (int r = 3; r < grid->RowCount(); ++r)
    for (int c = 1; c < grid->ColCount(); ++c)
      EXPECT_GE(grid->ColWidths(c), metrics.horizontalAdvance(grid->Cells(c, r)) + 10)
          << grid->Cells(c, r).toStdString() << " in column " << c;

  ASSERT_TRUE(form->Form2->isVisible());
  const int message = form->Form2->StringGrid1->ColWidths(4);
  EXPECT_GE(message, QFontMetrics(form->Form2->StringGrid1->font())
                         .horizontalAdvance(QStringLiteral(" saknar byggnadsdata,  saknar yttemp")));
  EXPECT_LE(form->Form2->width(), form->Form2->screen()->availableGeometry().width());
}

TEST_F(ImpossibleInputTest, ThePrintDialogProposesAPdfBesideTheProject) {
  Open(Office());
  ClickTab(TForm1::kSammanst);
  dialogs.printerAnswers.push_back(false);
  QTest::mouseClick(ui->UtskriftVyerSpeedButton, Qt::LeftButton);
  EXPECT_EQ(form->Skrivare().outputFileName(), Path(QStringLiteral("kontor.pdf")));
}

TEST_F(ImpossibleInputTest, TheUserListFollowsTheUsersFile) {
  const UserFile users(FilePath(programDir.filePath(QStringLiteral("Custom.roi"))));
  users.Append(MakeUser("Greta", "/hem/greta"));
  QTRY_COMPARE_WITH_TIMEOUT(ui->UserComboBox->findText(QStringLiteral("Greta")) >= 0, true, 5000);
}

}  // namespace
}  // namespace virano::testing
