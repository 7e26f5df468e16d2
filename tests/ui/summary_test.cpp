// The summary views, the input check with its error list, and a whole room
// typed into the window and read back on "Resultat".
#include <QAction>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QToolButton>
#include <optional>

#include "support/ProjectFixture.h"
#include "support/ReadOnlyFolder.h"
#include "widgets/RadioGroup.h"
#include "widgets/StringGrid.h"
#include "widgets/UpDown.h"
#include "windows/FelInfo.h"

namespace virano::testing {
namespace {

class SummaryTest : public ProjectWindowTest {
 protected:
  // Opens rooms A, B, C; room 3 has no floor. Shows room 1.
  QString OpenNoFloorIn3() {
    const QString file = MakeProject(QStringLiteral("hus.rot"), {"A", "B", "C"}, [](int k, TRoomRecord& r) {
      if (k == 3) r.Ytor[Floor][0] = TSurfaceRow{};
    });
    Open(file);
    ui->UpDown1->SetPosition(1);
    return file;
  }
  void ChooseView(int item) { QTest::mouseClick(ui->VisaResultatRadioGroup->Button(item), Qt::LeftButton); }
  void ChooseRoom(int entry) {
    ui->ComboBox2->setCurrentIndex(entry);
    emit ui->ComboBox2->activated(entry);
  }
  QString Cell(int col, int row) const { return ui->StringGrid3->Cells(col, row); }
  // True when cell (col, row) of the summary shows red text.
  bool PaintedRed(int col, int row) const {
    TStringGrid* grid = ui->StringGrid3;
    const QImage image = grid->viewport()->grab().toImage();
    const QRect cell = grid->visualRect(grid->model()->index(row - grid->FixedRows(), col));
    for (int y = cell.top(); y <= cell.bottom(); ++y)
      for (int x = cell.left(); x <= cell.right(); ++x)
        if (const QColor c = image.pixelColor(x, y); c.red() > 160 && c.green() < 100 && c.blue() < 100)
          return true;
    return false;
  }
};

const QString kNoFloorIn3 = QStringLiteral("3|C|Golv||Saknar koordinater, ");

TEST_F(SummaryTest, VisaTellsWhatTheLastCheckFound) {
  ui->Visa1->trigger();
  OpenNoFloorIn3();
  ui->Visa1->trigger();
  ui->Sk1->trigger();  // room 1 is sound
  ui->Visa1->trigger();
  EXPECT_EQ(dialogs.Messages(), (std::vector<QString>{"Ingen fil är vald", "Ingen felsökning är gjord",
                                                      "Inga fel registrerade"}));
  ui->UpDown1->SetPosition(3);
  ui->Sk1->trigger();
  EXPECT_TRUE(form->Projekt().FelMarkerat());
  EXPECT_EQ(ErrorLines(), QStringList{kNoFloorIn3});
  form->Form2->hide();
  ui->Visa1->trigger();
  EXPECT_TRUE(form->Form2->isVisible());
  EXPECT_EQ(form->Form2->windowTitle(), QStringLiteral("FELMEDDELANDE"));
  dialogs.printerAnswers.push_back(false);
  QTest::mouseClick(form->Form2->SkrivarValButton, Qt::LeftButton);
  EXPECT_EQ(dialogs.calls.back().kind, DialogCall::PrinterSetup);
}

TEST_F(SummaryTest, AFaultyRoomKeepsTheUserOnIndata) {
  const QString file = OpenNoFloorIn3();
  ClickTab(TForm1::kAllmIndata);
  EXPECT_EQ(ErrorLines(), QStringList{kNoFloorIn3});
  ClickTab(TForm1::kIndata);
  ASSERT_EQ(form->ActivePage(), TForm1::kIndata);
  form->Form2->hide();
  ClickTab(TForm1::kSammanst);
  EXPECT_EQ(form->ActivePage(), TForm1::kIndata);
  EXPECT_TRUE(form->Form2->isVisible());
  // The walk read room 3: room 1's surfaces stored now stay its own.
  QTest::keyClicks(ui->RumsNamn, QStringLiteral("1"));
  ChooseSurface(Ceiling);
  EXPECT_EQ(FieldText(Record(file, 1).RumsNamn), QStringLiteral("A1"));
  EXPECT_EQ(FieldText(Record(file, 1).Ytor[Floor][0].Namn), QStringLiteral("Golv"));
}

// The errors of a project closed (true) or of a room deleted no longer keep
// the user on "Indata".
class ErrorsGoneTest : public SummaryTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ErrorsGoneTest, WithTheirProjectOrRoom) {
  OpenNoFloorIn3();
  ClickTab(TForm1::kIndata);
  ui->UpDown1->SetPosition(3);  // where the walk stopped
  ASSERT_TRUE(form->Form2->isVisible());
  if (GetParam()) {
    dialogs.files.push_back(MakeProject(QStringLiteral("sund.rot"), {"D"}));
    ui->Oppna1->trigger();
  } else {
    dialogs.answers.push_back(true);
    QTest::mouseClick(ui->RaderaRumButton, Qt::LeftButton);
  }
  ClickTab(TForm1::kSammanst);
  EXPECT_EQ(form->ActivePage(), TForm1::kSammanst);
}

INSTANTIATE_TEST_SUITE_P(Summary, ErrorsGoneTest, ::testing::Bool(),
                         [](const auto& param) {
                           return std::string(param.param ? "AnotherProjectOpened" : "TheRoomDeleted");
                         });

// A project whose rooms cannot be checked, its file gone (true) or its
// folder taking no error file, keeps the user on no tab and in no room.
class UncheckableTest : public SummaryTest, public ::testing::WithParamInterface<bool> {};

TEST_P(UncheckableTest, RefusesNothing) {
  const bool removed = GetParam();
  const QString file = MakeProject(QStringLiteral("hus.rot"), {"A", "B"});
  Open(file);
  ClickTab(TForm1::kIndata);
  QFile::remove(Path(QStringLiteral("hus.rof")));
  std::optional<ReadOnlyFolder> folder;
  if (removed) QFile::remove(file); else folder.emplace(dir_.path().toStdString());
  if (!removed) ui->UpDown1->Step(-1);
  ClickTab(TForm1::kSammanst);
  EXPECT_EQ(form->ActivePage(), TForm1::kSammanst);
  EXPECT_EQ(ui->Nummer->text(), removed ? QStringLiteral("2") : QStringLiteral("1"));
  EXPECT_FALSE(dialogs.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Summary, UncheckableTest, ::testing::Bool(),
                         [](const auto& param) {
                           return std::string(param.param ? "ProjectFileGone" : "FolderLocked");
                         });

TEST_F(SummaryTest, TheJumpAndSokStoreWhatWasTypedFirst) {
  const QString file = OpenNoFloorIn3();
  ClickTab(TForm1::kIndata);  // the walk lists room 3
  QTest::keyClicks(ui->RumsNamn, QStringLiteral("1"));
  DoubleClickErrorLine(1);
  EXPECT_EQ(FieldText(Record(file, 1).RumsNamn), QStringLiteral("A1"));
  EXPECT_EQ(form->ActivePage(), TForm1::kIndata);
  EXPECT_EQ(ui->RumsNamn->text(), QStringLiteral("C"));
  EXPECT_EQ(ui->ComboBox1->currentText(), QStringLiteral("Golv"));
  EXPECT_EQ(ui->StringGrid1->Cells(0, 2), QStringLiteral("Golv"));
  EXPECT_TRUE(form->Form2->isVisible());

  TypeCell(ui->StringGrid1, 0, 3, QStringLiteral("Fönster"));
  ui->Sk1->trigger();
  EXPECT_EQ(ErrorLines(), (QStringList{"3|C|Golv||Saknar koordinater,  saknar yttemp",
                                       "3|C|Golv|Fönster|Saknar koordinater,  saknar yttemp"}));
}

TEST_F(SummaryTest, ANewRoomIsCheckedWithWhatWasTyped) {
  const QString file = MakeProject(QStringLiteral("hus.rot"), {"A"}, [](int, TRoomRecord& r) {
    r.Ytor[Ceiling][0].YtTemp.SetText("");
  });
  Open(file);
  ClickTab(TForm1::kIndata);
  ChooseSurface(Ceiling);
  TypeCell(ui->StringGrid1, 8, 2, QStringLiteral("21"));
  QTest::mouseClick(ui->NyttRumButton, Qt::LeftButton);
  EXPECT_EQ(Records(file), 3);
}

TEST_F(SummaryTest, ViewsOfTheShownRoomAndItsSums) {
  Open(MakeProject(QStringLiteral("hus.rot"), {"Kontor", "Smal"}, [](int k, TRoomRecord& r) {
    SetCells(r.Punkter[FrontWall][0], QStringLiteral("2|1,2|1"));
    if (k == 2) r.Ytor[Ceiling][0].X2.SetText("1");  // a gap above the point
  }));
  ChooseRoom(0);
  ClickTab(TForm1::kSammanst);
  EXPECT_EQ(ui->StringGrid3->ColCount(), 17);
  EXPECT_EQ(Cell(0, 4) + Cell(14, 4), QStringLiteral("  Vägg fram2"));
  EXPECT_FALSE(PaintedRed(4, 4));  // Y2
  ChooseView(1);
  EXPECT_EQ(ui->StringGrid3->RowCount(), 6);
  EXPECT_EQ(Cell(2, 3), QStringLiteral("Min. 20"));
  EXPECT_EQ(Cell(4, 4), FormatDecimal(QStringLiteral("1,00")));
  EXPECT_FALSE(PaintedRed(4, 4));
  ChooseRoom(1);
  EXPECT_EQ(Cell(4, 4), FormatDecimal(QStringLiteral("0,98")));
  EXPECT_TRUE(PaintedRed(4, 4));
  ChooseView(2);
  EXPECT_EQ(Cell(0, 2), QStringLiteral("    Delytor"));
  EXPECT_EQ(ui->StringGrid3->ColWidths(9), 0);

  // Another project of as many rooms: the chooser names its rooms.
  Open(MakeProject(QStringLiteral("annat.rot"), {"Kök", "Bad"}));
  EXPECT_EQ(ui->ComboBox2->itemText(0), QStringLiteral("Kök"));
  EXPECT_EQ(ui->ComboBox2->currentText(), QStringLiteral("Bad"));  // the room shown
  EXPECT_EQ(Cell(0, 3), QStringLiteral("Bad"));
}

#ifdef VIRANO_KALKYL
TEST_F(SummaryTest, ATypedRoomShowsWhatTheCommandLinePrints) {
  Open(Path(QStringLiteral("typat.rot")));
  ClickTab(TForm1::kIndata);
  QTest::keyClicks(ui->RumsNamn, QStringLiteral("Kontor"));
  // Per main surface: X2, Y2 and the surface temperature of its own row
  // (X1 and Y1 read 0), its sub-surfaces and its point.
  const struct {
    const char* size;
    QStringList subs = {};
    const char* point = nullptr;
  } room[] = {{"4|2,5|19", {"Fönster|1|3|1|2||||12", "Radiator|1|3|0,1|0,7||||45"}, "2|1,2|1"},
              {"5|2,5|20"}, {"5|2,5|20"}, {"4|2,5|20,5"}, {"4|5|21", {}, "1|2,5|0,6"}, {"4|5|20"}};
  const auto type = [this](TStringGrid* grid, int row, const QString& cells, QList<int> cols) {
    const QStringList texts = cells.split(QLatin1Char('|'));
    for (int i = 0; i < texts.size(); ++i)
      if (!texts[i].isEmpty()) TypeCell(grid, cols.isEmpty() ? i : cols[i], row, FormatDecimal(texts[i]));
  };
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    ChooseSurface(s);
    type(ui->StringGrid1, 2, QString::fromUtf8(room[s].size), {2, 4, 8});
    for (int r = 0; r < room[s].subs.size(); ++r) type(ui->StringGrid1, 3 + r, room[s].subs[r], {});
    if (room[s].point != nullptr) type(ui->StringGrid2, 1, QString::fromUtf8(room[s].point), {});
  }
  ClickTab(TForm1::kSammanst);
  ASSERT_EQ(form->ActivePage(), TForm1::kSammanst);
  ChooseView(1);

  QProcess kalkyl;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("LC_ALL"), QLatin1String(form->DecimalPunkt() ? "C" : "sv_SE.UTF-8"));
  kalkyl.setProcessEnvironment(env);
  kalkyl.start(QStringLiteral(VIRANO_KALKYL), {form->Projekt().FilNamn() + QStringLiteral(".rot"), QStringLiteral("1")});
  ASSERT_TRUE(kalkyl.waitForFinished(30000));
  ASSERT_EQ(kalkyl.exitCode(), 0) << kalkyl.readAllStandardError().toStdString();
  const QStringList printed = QString::fromUtf8(kalkyl.readAllStandardOutput()).split(QLatin1Char('\n'));
  ASSERT_EQ(printed.size() - 1, 7);  // headings, room row, two points, the last empty row
  ASSERT_EQ(ui->StringGrid3->RowCount(), 7);
  for (int r = 0; r < 7; ++r) {
    QStringList shown;
    for (int c = 0; c < 10; ++c) shown << Cell(c, r);
    EXPECT_EQ(shown.join(QLatin1Char('\t')), printed[r]) << "row " << r;
  }
}
#endif

}  // namespace
}  // namespace virano::testing
