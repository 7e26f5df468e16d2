// The menu "Verktyg": the window "ROT-karta" following the shown room, its
// exports, and the summary grid written as CSV.
#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <map>
#include <set>

#include "rules/Csv.h"
#include "support/ProjectFixture.h"
#include "widgets/RadioGroup.h"
#include "widgets/StringGrid.h"
#include "widgets/UpDown.h"
#include "windows/Karta.h"

namespace virano::testing {
namespace {

class KartaTest : public ProjectWindowTest {
 protected:
  // Room 1 has a cold window above a warm radiator in its front wall; room 2
  // is a plain cube. Room 2 is shown.
  QString OpenProject() {
    const QString file = MakeProject(QStringLiteral("hus.rot"), {"Kontor", "Hall"},
                                     [](int k, TRoomRecord& r) {
                                       if (k != 1) return;
                                       SetCells(r.Ytor[FrontWall][1], "Fönster|1|3|1,6|3,2||||12");
                                       SetCells(r.Ytor[FrontWall][2], "Radiator|1|3|0,1|0,7||||45");
                                       r.MinRot.SetText("20,5");
                                     });
    Open(file);
    return file;
  }
  TKartaForm* Karta() { return form->KartaForm; }
  void WaitForMap() { QTRY_VERIFY_WITH_TIMEOUT(!Karta()->Beraknar(), 30000); }
  // The map's table as the engine computes it from the stored room.
  std::vector<RotMapRow> Expected(const QString& file, int room, MainSurface surface,
                                  long double distance = 1.0L) const {
    RotMapRequest request;
    request.surface = surface;
    request.distance = distance;
    return RotMapTable(ComputeRotMap(Record(file, room), request, form->DecimalPunkt()),
                       form->DecimalPunkt());
  }
  std::vector<RotMapRow> Shown() { return RotMapTable(Karta()->Karta().map, form->DecimalPunkt()); }
};

TEST_F(KartaTest, WithoutAProjectNothingOpens) {
  for (QAction* item : {ui->RotKarta1, ui->ExportTabell1}) {
    item->trigger();
    EXPECT_EQ(dialogs.Messages(), std::vector<QString>{QStringLiteral("Ingen fil är vald")});
    dialogs.calls.clear();
  }
  EXPECT_EQ(form->KartaForm, nullptr);
}

TEST_F(KartaTest, FollowsTheShownRoomAndSurfaceAndReadsWhatWasStored) {
  const QString file = OpenProject();
  ui->RotKarta1->trigger();
  ASSERT_TRUE(Karta()->isVisible());
  EXPECT_EQ(Karta()->windowTitle(), QStringLiteral("ROT-karta"));
  WaitForMap();
  EXPECT_EQ(Shown(), Expected(file, 2, FrontWall));
  EXPECT_EQ(Karta()->Karta().title.substr(0, 4), "Hall");

  ClickTab(TForm1::kIndata);
  ChooseSurface(Floor);
  WaitForMap();
  EXPECT_EQ(Shown(), Expected(file, 2, Floor));
  ui->UpDown1->Step(-1);  // room 1, its front wall
  WaitForMap();
  EXPECT_EQ(Shown(), Expected(file, 1, FrontWall));
  Karta()->Avstand->setText(QStringLiteral("0,5"));
  emit Karta()->Avstand->editingFinished();
  WaitForMap();
  EXPECT_EQ(Shown(), Expected(file, 1, FrontWall, 0.5L));
  EXPECT_EQ(Karta()->Avstand->text(), FormatDecimal(QStringLiteral("0,5")));

  // A change typed on "Indata" is stored when the map is asked for.
  TypeCell(ui->StringGrid1, 8, 3, QStringLiteral("5"));
  ui->RotKarta1->trigger();
  WaitForMap();
  EXPECT_EQ(FieldText(Record(file, 1).Ytor[FrontWall][1].YtTemp), QStringLiteral("5"));
  EXPECT_EQ(Shown(), Expected(file, 1, FrontWall, 0.5L));
  EXPECT_FALSE(form->Projekt().DataAendrad());

  // A step that is no length shows no map; closing stops the window.
  Karta()->Steg->setText(QStringLiteral("0"));
  emit Karta()->Steg->editingFinished();
  WaitForMap();
  EXPECT_TRUE(Karta()->Karta().map.cells.empty());
  EXPECT_FALSE(Karta()->SparaBildButton->isEnabled());
  Karta()->close();
  EXPECT_FALSE(Karta()->Beraknar());
}

TEST_F(KartaTest, PointUnderTheMouseAndTheExports) {
  OpenProject();
  ui->UpDown1->Step(-1);
  ui->RotKarta1->trigger();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Karta()));
  WaitForMap();
  const RotKartaBild picture(Karta()->Karta(), Karta()->KartaYta->size());
  const RotMap& map = Karta()->Karta().map;
  QPoint over;  // a pixel over the cell of the point (2,00; 0,40), in front of the radiator
  for (int y = 0; y < Karta()->KartaYta->height() && over.isNull(); ++y)
    for (int x = 0; x < Karta()->KartaYta->width(); ++x)
      if (const int i = picture.CellAt({x, y}); i >= 0 && map.cells[i].Xp == 2.0f &&
                                                 map.cells[i].Yp == 0.4f) {
        over = {x, y};
        break;
      }
  ASSERT_FALSE(over.isNull());
  QMouseEvent move(QEvent::MouseMove, over, Karta()->KartaYta->mapToGlobal(over), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(Karta()->KartaYta, &move);
  const RotMapRow row = Shown()[1 + 3 * map.columns + 19];
  EXPECT_EQ(Karta()->Punkt->text(),
            QLatin1String(form->DecimalPunkt() ? "2.00 / 0.40: " : "2,00 / 0,40: ") +
                QString::fromStdString(row[2]));

  dialogs.calls.clear();
  dialogs.files = {Path(QStringLiteral("karta")), Path(QStringLiteral("karta.png"))};
  QTest::mouseClick(Karta()->ExportCsvButton, Qt::LeftButton);
  QTest::mouseClick(Karta()->SparaBildButton, Qt::LeftButton);
  EXPECT_EQ(dialogs.calls.front().options.fileName, QStringLiteral("hus rum 1 Vägg fram.csv"));
  const QByteArray csv = Bytes(Path(QStringLiteral("karta.csv")));
  EXPECT_EQ(csv.toStdString(), CsvText(Shown(), form->DecimalPunkt()));
  EXPECT_TRUE(csv.contains(form->DecimalPunkt() ? "\r\n2.00,0.40," : "\r\n2,00;0,40;"));
  EXPECT_EQ(QImage(Path(QStringLiteral("karta.png"))).size(), Karta()->KartaYta->size());
}

// The asymmetry 0,5 m before room 1's front wall, its window typed down to
// 0 °C above the warm radiator, on a grid of 0,5 m: what the map shows is
// chosen from the keyboard and judged against category A, then C; the
// status line names the largest asymmetry and the points over the limit,
// those alone are hatched, and the export is the map's table.
TEST_F(KartaTest, TheAsymmetryMapJudgedAgainstTheChosenCategory) {
  const QString file = OpenProject();
  ClickTab(TForm1::kIndata);
  ui->UpDown1->Step(-1);
  TypeCell(ui->StringGrid1, 8, 3, QStringLiteral("0"));
  ui->RotKarta1->trigger();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Karta()));
  WaitForMap();
  EXPECT_FALSE(Karta()->Kategori->isEnabled());
  for (QLineEdit* box : {Karta()->Avstand, Karta()->Steg}) {
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, FormatDecimal(QStringLiteral("0,5")));
    QTest::keyClick(box, Qt::Key_Return);
  }
  Karta()->Storhet->setFocus();
  QTest::keyClick(Karta()->Storhet, Qt::Key_Down);
  EXPECT_EQ(Karta()->Storhet->currentText(), QStringLiteral("Strålningsasymmetri"));
  ASSERT_TRUE(Karta()->Kategori->isEnabled());
  const bool punkt = form->DecimalPunkt();
  RotMapRequest request;
  request.quantity = MapQuantity::Asymmetry;
  request.distance = request.step = 0.5L;
  const auto byMagnitude = [](const RotMapCell& a, const RotMapCell& b) {
    return std::fabs(a.asymmetry) < std::fabs(b.asymmetry);
  };
  std::vector<long> over;
  for (const auto category : {ComfortCategory::A, ComfortCategory::C}) {
    if (category == ComfortCategory::C)
      for (int down = 0; down < 2; ++down) QTest::keyClick(Karta()->Kategori, Qt::Key_Down);
    WaitForMap();
    request.category = category;
    const RotMap expected = ComputeRotMap(Record(file, 1), request, punkt);
    const RotMap& shown = Karta()->Karta().map;
    ASSERT_EQ(MapTable(shown, punkt), MapTable(expected, punkt));
    const auto largest = std::max_element(expected.cells.begin(), expected.cells.end(), byMagnitude);
    over.push_back(std::count_if(expected.cells.begin(), expected.cells.end(),
                                 [](const RotMapCell& cell) { return cell.overLimit; }));
    EXPECT_EQ(Karta()->Status->text(),
              QStringLiteral("%1 punkter, största asymmetri %2 K vid %3 / %4, %5 över gränsen")
                  .arg(expected.cells.size())
                  .arg(QString::fromStdString(KelvinText(largest->asymmetry, punkt)),
                       QString::fromStdString(FormatFixed(largest->Xp, 2, punkt)),
                       QString::fromStdString(FormatFixed(largest->Yp, 2, punkt)))
                  .arg(over.back()));
    EXPECT_TRUE(Karta()->Karta().title.ends_with(", strålningsasymmetri, kategori " +
                                                 CategoryName(category)));

    // The middle of a cell over the limit is hatched, of one below it plain.
    const QImage image = Karta()->KartaYta->grab().toImage();
    const RotKartaBild picture(Karta()->Karta(), Karta()->KartaYta->size());
    std::map<int, QRect> cells;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (const int i = picture.CellAt({x, y}); i >= 0) cells[i] |= QRect(x, y, 1, 1);
    const auto smallest = std::min_element(expected.cells.begin(), expected.cells.end(), byMagnitude);
    for (const auto cell : {largest, smallest}) {
      const auto i = static_cast<int>(std::distance(expected.cells.begin(), cell));
      std::set<QRgb> colours;
      const QPoint middle = cells[i].center();
      for (int y = middle.y() - 3; y <= middle.y() + 3; ++y)
        for (int x = middle.x() - 3; x <= middle.x() + 3; ++x) colours.insert(image.pixel(x, y));
      EXPECT_EQ(colours.size(), cell->overLimit ? 2u : 1u) << i;
    }
  }
  EXPECT_GT(over[0], over[1]);
  EXPECT_GT(over[1], 0);

  dialogs.calls.clear();
  dialogs.files = {Path(QStringLiteral("asymmetri.csv"))};
  QTest::mouseClick(Karta()->ExportCsvButton, Qt::LeftButton);
  EXPECT_EQ(dialogs.calls.front().options.fileName,
            QStringLiteral("hus rum 1 Vägg fram asymmetri.csv"));
  EXPECT_EQ(Bytes(Path(QStringLiteral("asymmetri.csv"))).toStdString(),
            CsvText(MapTable(Karta()->Karta().map, punkt), punkt));
}

TEST_F(KartaTest, TheSummaryGridsViewAsCsv) {
  OpenProject();
  ClickTab(TForm1::kSammanst);
  QTest::mouseClick(ui->VisaResultatRadioGroup->Button(1), Qt::LeftButton);
  ASSERT_TRUE(ui->StringGrid3->actions().contains(ui->ExportTabell1));
  dialogs.files = {Path(QStringLiteral("tabell.csv"))};
  ui->ExportTabell1->trigger();
  std::vector<std::vector<std::string>> rows;
  for (int r = 0; r < ui->StringGrid3->RowCount(); ++r) {
    rows.emplace_back();
    // The result views' marker column, hidden in the grid, is left out.
    for (int c = 0; c < 9; ++c) rows.back().push_back(ui->StringGrid3->Cells(c, r).toStdString());
  }
  EXPECT_EQ(Bytes(Path(QStringLiteral("tabell.csv"))).toStdString(),
            CsvText(rows, form->DecimalPunkt()));
  EXPECT_EQ(rows[3][0], "Hall");

  // From "Indata" the summary is shown first; a file that cannot be written is told.
  ClickTab(TForm1::kIndata);
  dialogs.files = {Path(QStringLiteral("saknas/tabell.csv"))};
  ui->ExportTabell1->trigger();
  EXPECT_EQ(form->ActivePage(), TForm1::kSammanst);
  EXPECT_TRUE(dialogs.Messages().back().startsWith(QStringLiteral("Filen kunde inte skrivas: ")));
}

}  // namespace
}  // namespace virano::testing
