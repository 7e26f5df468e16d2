// The menu "Verktyg", placed before "Hjälp": the window "ROT-karta" of the
// shown room and main surface, and the summary grid's view written as CSV,
// also from the grid's context menu.
#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <string>
#include <vector>

#include "app/Export.h"
#include "engine/resulttable.h"
#include "main/Rot.h"
#include "main/RotLayoutKit.h"
#include "rules/Csv.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"
#include "widgets/StringGrid.h"
#include "windows/Karta.h"

namespace virano {

using namespace layout;

void TForm1::ConnectVerktyg() {
  Verktyg1 = Named(new QMenu(QStringLiteral("&Verktyg"), MainMenu1), "Verktyg1");
  MainMenu1->insertMenu(Hjalp1->menuAction(), Verktyg1);
  RotKarta1 = Named(Verktyg1->addAction(QStringLiteral("ROT-&karta...")), "RotKarta1");
  ExportTabell1 =
      Named(Verktyg1->addAction(QStringLiteral("Exportera tabell (CSV)...")), "ExportTabell1");
  StringGrid3->setContextMenuPolicy(Qt::ActionsContextMenu);
  StringGrid3->addAction(ExportTabell1);
  connect(RotKarta1, &QAction::triggered, this, [this] { RotKarta1Click(); });
  connect(ExportTabell1, &QAction::triggered, this, [this] { ExportTabell1Click(); });
}

void TForm1::RotKarta1Click() {
  if (!FilVald()) return;
  // The map is made from the stored room: what was typed is stored first.
  if (!TaInmatning(ActivePage() == kIndata ? Lagring::kSparaData : Lagring::kIngen)) return;
  if (KartaForm == nullptr) {
    KartaForm = new TKartaForm(dialogs_, VisatRumNu(), this);
    connect(this, &TForm1::VisatRumAendrat, KartaForm, &TKartaForm::VisaRum);
  }
  KartaForm->Visa();
}

void TForm1::ExportTabell1Click() {
  if (!FilVald()) return;
  // From another tab the summary is brought up to date as its tab shows it.
  if (ActivePage() == kSammanst ? !TaInmatning(Lagring::kIngen)
                                : !PageControl1->SelectPage(kSammanst))
    return;
  const int view = VisaResultatRadioGroup->ItemIndex();
  if (view < kIndataView) {
    dialogs_.Message(QStringLiteral("Välj först vad som ska visas under Visa på skärm"));
    return;
  }
  // The cells the grid shows: the result views' marker column is hidden.
  std::vector<std::vector<std::string>> rows(static_cast<std::size_t>(StringGrid3->RowCount()));
  for (int r = 0; r < StringGrid3->RowCount(); ++r)
    for (int c = 0; c < StringGrid3->ColCount(); ++c)
      if (view == kIndataView || c != ResultTable::kMarker)
        rows[r].push_back(StringGrid3->Cells(c, r).toStdString());

  const QString views[] = {QStringLiteral("indata"), QStringLiteral("resultat"),
                           QStringLiteral("resultat detalj")};
  FileDialogOptions options;
  options.title = QStringLiteral("Exportera tabell (CSV)");
  options.filter = QStringLiteral("CSV-filer (*.csv)|*.csv");
  options.startDir = QFileInfo(projekt_->FilNamn()).absolutePath();
  options.fileName = QStringLiteral("%1 rum %2 %3.csv")
                         .arg(QFileInfo(projekt_->FilNamn()).fileName(), Nummer->text(), views[view]);
  if (const std::optional<QString> path = ExportFilVal(dialogs_, options, QStringLiteral("csv")))
    SkrivExportFil(dialogs_, *path, QByteArray::fromStdString(CsvText(rows, DecimalPunkt())));
}

}  // namespace virano
