// The print jobs: "&Utskrift" on the tab "Sammanställning", which prints
// the rooms' reports from what the summary shows, and the printer of the
// program run that the set-up dialog changes and the error list prints on.
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QSignalBlocker>
#include <QSpinBox>

#include "app/RecordText.h"
#include "main/Rot.h"
#include "reports/PdfFile.h"
#include "reports/printer_canvas.h"
#include "reports/utskrift.h"
#include "widgets/RadioGroup.h"
#include "widgets/StringGrid.h"

namespace virano {

namespace {

// The grid's rows from `first` on, each cell as text.
template <typename Row>
std::vector<Row> GridRows(const TStringGrid* grid, int first) {
  std::vector<Row> rows;
  for (int r = first; r < grid->RowCount(); ++r) {
    Row& row = rows.emplace_back();
    for (std::size_t c = 0; c < row.size(); ++c)
      row[c] = grid->Cells(static_cast<int>(c), r).toStdString();
  }
  return rows;
}

}  // namespace

QPrinter& TForm1::Skrivare() {
  if (!printer_) {
    printer_ = std::make_shared<QPrinter>(QPrinter::HighResolution);
    SetUpPrinter(*printer_);
  }
  return *printer_;
}

bool TForm1::SkrivarVal(PrinterChoice purpose) {
  // The dialog proposes a PDF file named after the project, beside it,
  // unless the user chose another file in this run.
  QPrinter& printer = Skrivare();
  printer.setDocName(QFileInfo(projekt_->FilNamn()).fileName());
  if (printer.outputFormat() == QPrinter::PdfFormat && !projekt_->FilNamn().isEmpty() &&
      (printer.outputFileName().isEmpty() || printer.outputFileName() == pdfFoerslag_)) {
    pdfFoerslag_ = projekt_->FilNamn() + QStringLiteral(".pdf");
    printer.setOutputFileName(pdfFoerslag_);
  }
  while (dialogs_.PrinterSetup(Skrivare(), purpose)) {
    const auto problem = Skrivare().outputFormat() == QPrinter::PdfFormat
                             ? PdfTargetProblem(Skrivare().outputFileName().toStdString())
                             : std::nullopt;
    if (!problem) return true;
    dialogs_.Beep();
    dialogs_.Message(QString::fromStdString(*problem) + QStringLiteral(".\rVälj en annan fil."),
                     MessageKind::Warning);
  }
  return false;
}

ReportSettings TForm1::UtskriftInstaellningar() const {
  ReportSettings settings;
  settings.FilNamn = projekt_->FilNamn().toStdString();
  settings.ProjektFil = FilePath(projekt_->ProjektFil());
  settings.TextStorlek = TextStorlek->value();
  settings.DecimalPunkt = DecimalPunkt();
  settings.Allmaent = {Anl1->text().toStdString(), Anl2->text().toStdString(),
                       Signatur->text().toStdString(), Datum->text().toStdString(),
                       RevDatum->text().toStdString()};
  return settings;
}

void TForm1::UtskriftsJobb(const std::function<void(Canvas&, const ReportSettings&)>& job) {
  const ReportSettings settings = UtskriftInstaellningar();
  PrinterCanvas canvas(Skrivare());
  QString failure;
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    job(canvas, settings);
  } catch (const PrintError& error) {
    failure = QString::fromUtf8(error.what());
  } catch (const std::exception& error) {
    failure = QString::fromUtf8(PrintError(error.what()).what());
  }
  QGuiApplication::restoreOverrideCursor();
  if (!failure.isEmpty()) dialogs_.Message(failure, MessageKind::Error);
}

std::vector<int> TForm1::UtskriftRum() const {
  if (projekt_->FilNamn().isEmpty()) return {};
  // One room: the one whose numbers the summary shows, named or not.
  if (!CheckBox2->isChecked()) return {VisatRum()};
  std::vector<int> rooms;
  // The list ends at its first empty entry.
  for (int entry = 0; entry < ComboBox2->count(); ++entry) {
    if (ComboBox2->itemText(entry).isEmpty()) break;
    rooms.push_back(ComboBox2Rum(entry));
  }
  return rooms;
}

void TForm1::UtskriftVyerSpeedButtonClick() {
  if (!TaInmatning(Lagring::kIngen) || UtskriftRum().empty() || !SkrivarVal(PrinterChoice::Print))
    return;
  SkrivUt();
}

void TForm1::VisaFoerUtskrift(int view, int room) {
  const int entry = ComboBox2->findData(room);
  if (entry >= 0) ComboBox2->setCurrentIndex(entry);
  if (VisatRum() != room) VisaRumNummer(room);
  {
    const QSignalBlocker quiet(VisaResultatRadioGroup);
    VisaResultatRadioGroup->SetItemIndex(view);
  }
  VisaResultatRadioGroupClick();
}

void TForm1::SkrivUt() {
  const std::vector<int> rooms = UtskriftRum();
  if (rooms.empty()) return;
  const ReportChoice choice{IndataCheckBox->isChecked(), ResultatCheckBox->isChecked(),
                            ResultDetaljCheckBox->isChecked(), WallsCheckBox->isChecked()};
  // The reports print the summary's cells: each table is shown before it
  // is printed, and the summary stays on the last one.
  RoomTables tables;
  tables.Indata = [this](int room) {
    VisaFoerUtskrift(kIndataView, room);
    return GridRows<InputViewRow>(StringGrid3, kInputViewHeadingRows);
  };
  tables.Resultat = [this](int room, bool detailed) {
    VisaFoerUtskrift(detailed ? kDetaljView : kResultatView, room);
    ResultTable table;
    table.rows = GridRows<ResultTable::Row>(StringGrid3, 0);
    return table;
  };
  UtskriftsJobb([&](Canvas& canvas, const ReportSettings& settings) {
    virano::SkrivUt(canvas, settings, choice, rooms, tables);
  });
}

}  // namespace virano
