// What the window stores into the project and shows from it: general data,
// room boxes, the surface and point grids, and when it is stored.
#include <QGroupBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <cstring>
#include <string>

#include "support/ProjectFixture.h"
#include "widgets/Colours.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"
#include "widgets/StringGrid.h"
#include "widgets/UpDown.h"

namespace virano::testing {
namespace {

class TransferTest : public ProjectWindowTest {};

TEST_F(TransferTest, TypedDataSurviveClosingAndOpeningAgain) {
  const QString file = Path(QStringLiteral("hus.rot"));
  Open(file);
  ClickTab(TForm1::kAllmIndata);
  Type(ui->Anl1, QStringLiteral("Skolan Östra"));
  QTest::keyClicks(ui->Anl2, QStringLiteral("Hus B"));
  QTest::keyClicks(ui->Signatur, QStringLiteral("KE"));

  ClickTab(TForm1::kIndata);
  QTest::keyClicks(ui->RumsNamn, QStringLiteral("Kontor"));
  ui->LuftHastComboBox->setCurrentIndex(4);  // "0,25"
  QTest::mouseClick(ui->RadioGroup1->Button(3), Qt::LeftButton);  // "Takvärme"
  ui->WattPerKvmTak->selectAll();
  QTest::keyClicks(ui->WattPerKvmTak, QStringLiteral("80"));
  TypeCell(ui->StringGrid1, 2, 2, QStringLiteral("4,5"));
  TypeCell(ui->StringGrid1, 4, 2, QStringLiteral("2,7"));
  TypeCell(ui->StringGrid1, 0, 3, QStringLiteral("Fönster"));
  TypeCell(ui->StringGrid1, 1, 3, QStringLiteral("1"));
  TypeCell(ui->StringGrid2, 0, 1, QStringLiteral("2"));
  TypeCell(ui->StringGrid2, 2, 1, QStringLiteral("0,6"));
  ASSERT_EQ(ui->StringGrid1->Cells(0, 3), QStringLiteral("Fönster"));

  // Choosing the floor stores the front wall first.
  ChooseSurface(Floor);
  EXPECT_EQ(ui->StringGrid1->Cells(0, 2), QStringLiteral("Golv"));
  EXPECT_TRUE(ui->StringGrid1->Cells(0, 3).isEmpty());
  EXPECT_EQ(ui->Label7->text(), QStringLiteral("Mot - Golv"));
  EXPECT_EQ(ui->RumsYta->title(), QStringLiteral("Golv"));
  TypeCell(ui->StringGrid1, 2, 2, QStringLiteral("4,5"));

  // Closing on "Indata" stores the shown surface.
  dialogs.answers.push_back(true);
  form->close();
  form.reset();
  EXPECT_EQ(QFileInfo(file).size(), 39998);

  MakeForm({file});
  EXPECT_EQ(ui->Anl1->text(), QStringLiteral("Skolan Östra"));
  EXPECT_EQ(ui->Anl2->text(), QStringLiteral("Hus B"));
  EXPECT_EQ(ui->Signatur->text(), QStringLiteral("KE"));
  EXPECT_EQ(ui->RumsNamn->text(), QStringLiteral("Kontor"));
  EXPECT_EQ(ui->RadioGroup1->ItemIndex(), 3);
  EXPECT_EQ(ui->LuftHastComboBox->currentText(), QStringLiteral("0,25"));
  EXPECT_FALSE(ui->TakHeatPanel->isHidden());  // the group's click handler ran
  EXPECT_EQ(ui->WattPerKvmTak->text(), QStringLiteral("80"));
  EXPECT_EQ(ui->StringGrid1->Cells(2, 2), FormatDecimal(QStringLiteral("4,5")));
  EXPECT_EQ(ui->StringGrid1->Cells(4, 2), FormatDecimal(QStringLiteral("2,7")));
  EXPECT_EQ(ui->StringGrid1->Cells(0, 3), QStringLiteral("Fönster"));
  EXPECT_EQ(ui->StringGrid1->Cells(1, 3), QStringLiteral("1"));
  EXPECT_EQ(ui->StringGrid2->Cells(0, 1), QStringLiteral("2"));
  EXPECT_EQ(ui->StringGrid2->Cells(2, 1), FormatDecimal(QStringLiteral("0,6")));
  form->show();
  ChooseSurface(Floor);
  EXPECT_EQ(ui->StringGrid1->Cells(2, 2), FormatDecimal(QStringLiteral("4,5")));
  EXPECT_TRUE(ui->StringGrid2->Cells(0, 1).isEmpty());
}

// A cell editor takes no more than the record's cell holds, and only
// characters the code page stores.
struct CellText {
  const char* name;
  bool surface;  // the surface grid's name column, else the point grid's Xp
  const char *typed, *shown;
};

class CellTextTest : public TransferTest, public ::testing::WithParamInterface<CellText> {};

TEST_P(CellTextTest, TakesWhatTheRecordStores) {
  const CellText& c = GetParam();
  Open(Path(QStringLiteral("hus.rot")));
  ClickTab(TForm1::kIndata);
  TStringGrid* grid = c.surface ? ui->StringGrid1 : ui->StringGrid2;
  const int row = c.surface ? 3 : 1;
  TypeCell(grid, 0, row, QString::fromUtf8(c.typed));
  EXPECT_EQ(grid->Cells(0, row), FormatDecimal(QString::fromUtf8(c.shown)));
}

INSTANTIATE_TEST_SUITE_P(
    Transfer, CellTextTest,
    ::testing::Values(CellText{"NameCutToFifteen", true, "Radiator under fönstret", "Radiator under "},
                      CellText{"NameWithoutLettersTheCodePageLacks", true, "Fönster ā € ł", "Fönster  € "},
                      CellText{"PointCutToSeven", false, "1,2345678", "1,23456"},
                      CellText{"PointWithoutLettersTheCodePageLacks", false, "ł2", "2"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(TransferTest, LeavingATabStoresItAndStampsTheRevisionDate) {
  const QString file = MakeProject(QStringLiteral("hus.rot"), {"A", "B"});
  Open(file);
  ClickTab(TForm1::kIndata);
  ClickTab(TForm1::kAllmIndata);  // nothing changed: nothing stored
  EXPECT_TRUE(Record(file, 0).RevDatum.Empty());
  ClickTab(TForm1::kIndata);
  Type(ui->RumsNamn, QStringLiteral("2"));
  ClickTab(TForm1::kSammanst);
  EXPECT_EQ(FieldText(Record(file, 2).RumsNamn), QStringLiteral("B2"));
  EXPECT_EQ(FieldText(Record(file, 0).RevDatum), Idag());
  EXPECT_EQ(ui->RevDatum->text(), Idag());
  EXPECT_FALSE(form->Projekt().RumSparat());
}

TEST_F(TransferTest, ANewProjectGetsNoRevisionDate) {
  const QString file = Path(QStringLiteral("nytt.rot"));
  Open(file);
  ClickTab(TForm1::kIndata);
  QTest::keyClicks(ui->RumsNamn, QStringLiteral("Hall"));
  ClickTab(TForm1::kAllmIndata);
  EXPECT_EQ(FieldText(Record(file, 1).RumsNamn), QStringLiteral("Hall"));
  EXPECT_TRUE(Record(file, 0).RevDatum.Empty());
}

TEST_F(TransferTest, SparaTestOnTheSummaryStampsWithoutStoring) {
  const QString file = MakeProject(QStringLiteral("hus.rot"), {"A"});
  Open(file);
  ClickTab(TForm1::kIndata);
  QTest::keyClicks(ui->RumsNamn, QStringLiteral("B"));
  ChooseSurface(LeftWall);  // stores the room: the revision date is due
  ASSERT_TRUE(form->Projekt().RumSparat());
  ui->PageControl1->setCurrentIndex(TForm1::kSammanst);
  ui->RumsNamn->setText(QStringLiteral("Ändrat"));
  ui->Anl1->setText(QStringLiteral("Ändrat"));
  ASSERT_TRUE(form->Projekt().DataAendrad());
  form->SparaTest();
  EXPECT_EQ(FieldText(Record(file, 1).RumsNamn), QStringLiteral("AB"));
  EXPECT_EQ(FieldText(Record(file, 0).RevDatum), Idag());
  EXPECT_EQ(ui->RevDatum->text(), Idag());
  EXPECT_FALSE(form->Projekt().RumSparat());
}

TEST_F(TransferTest, ABoxsHandlerRunsOnlyWhenItsTextChanges) {
  Open(MakeProject(QStringLiteral("hus.rot"), {"A"}));
  ASSERT_FALSE(form->Projekt().DataAendrad());
  ui->RumsNamn->setText(QStringLiteral("A"));
  ui->WattPerKvmTak->setText(QStringLiteral("0"));
  ui->LuftHastComboBox->setEditText(QStringLiteral("0,15"));
  EXPECT_FALSE(form->Projekt().DataAendrad());
  ui->LuftHastComboBox->setEditText(QStringLiteral("0,2"));
  EXPECT_TRUE(form->Projekt().DataAendrad());
  ui->RumsNamn->setText(QString());
  EXPECT_EQ(ui->RumsNamn->palette().color(QPalette::Base), colours::kRed);
}

// A room whose target ROT or room temperature is empty or no number (a file
// written elsewhere) is shown whole and in its own place, without messages;
// typing such a target is still refused.
TEST_F(TransferTest, ARoomWithoutANumberWhereOneBelongsIsShownWhole) {
  const std::pair<const char*, const char*> foreign[] = {{"", "20"}, {"", ""}, {"20", "x"}};
  for (const auto& [rot, rumsTemp] : foreign) {
    const QString file = MakeProject(QStringLiteral("hus.rot"), {"A", "B"}, [&](int k, TRoomRecord& r) {
      SetCells(r.Ytor[FrontWall][1], k == 1 ? QStringLiteral("Fönster|1|3|1|2|2|0,13|-18|10")
                                            : QStringLiteral("Dörr|1|2|0|2|2|0,13|-18|18"));
      if (k == 2) r.Rot.SetText(rot), r.RumsTemp.SetText(rumsTemp);
    });
    Open(file);
    EXPECT_EQ(ui->VisaFilNamn->text(), form->Projekt().FilNamn());
    ClickTab(TForm1::kIndata);
    ui->UpDown1->Step(-1);
    ui->UpDown1->Step(1);
    EXPECT_EQ(ui->StringGrid1->Cells(0, 3) + ui->RumsTemp->text(), QStringLiteral("Dörr") + rumsTemp);
    ClickTab(TForm1::kFilhantering);
    EXPECT_EQ(FieldText(Record(file, 2).Ytor[FrontWall][1].Namn), QStringLiteral("Dörr"));
    EXPECT_EQ(dialogs.Messages(), std::vector<QString>());
  }
  ClickTab(TForm1::kIndata);
  ui->Rot->setFocus();
  ui->Rot->selectAll();
  QTest::keyClick(ui->Rot, Qt::Key_Backspace);
  EXPECT_EQ(dialogs.Messages(), std::vector{QStringLiteral("'' är inte ett giltigt flyttal")});
}

TEST_F(TransferTest, CeilingOutputAndOwnTemperaturesAreStoredWhenEdited) {
  const QString file = MakeProject(QStringLiteral("hus.rot"), {"A"});
  Open(file);
  ClickTab(TForm1::kIndata);
  ui->RadioGroup1->SetItemIndex(5);
  ChooseSurface(FrontWall);  // stores the room
  ASSERT_FALSE(form->Projekt().DataAendrad());
  QTest::keyClicks(ui->Temp05OG, QStringLiteral("1"));
  EXPECT_TRUE(form->Projekt().DataAendrad());
  ui->Temp18OG->clear();  // an empty box is stored as "0"
  ClickTab(TForm1::kFilhantering);
  const TRoomRecord room = Record(file, 1);
  EXPECT_EQ(room.Temp05OG.Text(), "01");
  EXPECT_EQ(room.Temp18OG.Text(), "0");
  EXPECT_EQ(room.HeatSystem.Get(), 5);
}

TEST_F(TransferTest, TheGridShowsEveryUsedRowAndKeepsTheRestOfTheRecord) {
  const QString file = MakeProject(QStringLiteral("hus.rot"), {"A"}, [](int k, TRoomRecord& r) {
    if (k == 0) return;
    r.Ytor[FrontWall][12].Namn.SetText("Dörr");
    r.Ytor[FrontWall][12].UVarde.SetText("0.3");
    r.Ytor[FrontWall][20].Namn.SetText("Spill");
    r.Ytor[Ceiling][0].Namn.SetText("Tak");
    r.Punkter[FrontWall][10].Xp.SetText("9");
    r.Punkter[Floor][0].Xp.SetText("1");
    for (int row = 0; row < 21; ++row) r.Ytor[LeftWall][row].Namn.SetText("V" + std::to_string(row));
  });
  Open(file);
  const TRoomRecord before = Record(file, 1);
  EXPECT_EQ(ui->StringGrid1->RowCount(), 2 + 13);  // the design's 8 data rows were too few
  EXPECT_EQ(ui->StringGrid1->Cells(0, 14), QStringLiteral("Dörr"));
  EXPECT_EQ(ui->StringGrid1->Cells(5, 14), FormatDecimal(QStringLiteral("0.3")));

  ClickTab(TForm1::kIndata);
  TypeCell(ui->StringGrid1, 2, 2, QStringLiteral("5"));
  ClickTab(TForm1::kFilhantering);
  const TRoomRecord after = Record(file, 1);
  EXPECT_EQ(after.Ytor[FrontWall][0].X2.Text(), "5");
  EXPECT_EQ(FieldText(after.Ytor[FrontWall][12].UVarde), FormatDecimal(QStringLiteral("0.3")));
  EXPECT_EQ(after.Ytor[FrontWall][20].Namn.Text(), "Spill");
  EXPECT_EQ(after.Ytor[Ceiling][0].Namn.Text(), "Tak");
  EXPECT_EQ(after.Punkter[FrontWall][10].Xp.Text(), "9");
  EXPECT_EQ(after.Punkter[Floor][0].Xp.Text(), "1");
  EXPECT_EQ(std::memcmp(&after.Ytor[Floor], &before.Ytor[Floor], sizeof before.Ytor[Floor]), 0);

  // A full block: 20 data rows shown, the 21st row goes back unchanged.
  ClickTab(TForm1::kIndata);
  ChooseSurface(LeftWall);
  EXPECT_EQ(ui->StringGrid1->RowCount(), 22);
  TypeCell(ui->StringGrid1, 0, 3, QStringLiteral("Fönster"));
  ClickTab(TForm1::kFilhantering);
  const TRoomRecord full = Record(file, 1);
  EXPECT_EQ(FieldText(full.Ytor[LeftWall][1].Namn), QStringLiteral("Fönster"));
  EXPECT_EQ(full.Ytor[LeftWall][19].Namn.Text(), "V19");
  EXPECT_EQ(full.Ytor[LeftWall][20].Namn.Text(), "V20");
}

TEST_F(TransferTest, ClosingStoresOnlyWhatTheShownTabChanged) {
  const QString file = MakeProject(QStringLiteral("hus.rot"), {"A"});
  Open(file);
  ClickTab(TForm1::kAllmIndata);
  QTest::keyClicks(ui->Anl2, QStringLiteral("Ny rad"));
  dialogs.answers = {false, true};
  form->close();
  EXPECT_TRUE(Record(file, 0).Anl2.Empty());
  form->close();
  EXPECT_EQ(Record(file, 0).Anl2.Text(), "Ny rad");
}

}  // namespace
}  // namespace virano::testing
