// The main surface shown on "Indata": choosing it in ComboBox1 stores the
// surface shown before and loads the chosen one. Edits of the grids mark
// the window changed.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

#include "main/Rot.h"
#include "widgets/PaintBox.h"
#include "widgets/StringGrid.h"

namespace virano {

void TForm1::ComboBox1Enter() {
  // The chooser takes the focus before the user can choose: what was typed
  // on the surface shown is taken and stored before ComboBox1Click empties
  // the grids. A user who stays after a failed store keeps the surface.
  ytaVidInfart_ = VisadHuvudyta();
  ytbyteHindrat_ = !TaInmatning(Lagring::kSparaData);
}

void TForm1::ComboBox1Val() {
  if (ytbyteHindrat_) {
    ComboBox1->setCurrentIndex(ytaVidInfart_);
    return;
  }
  ComboBox1Click();
}

void TForm1::ComboBox1Click() {
  NollStaellIndata();
  if (!projekt_->RumEjLagrat()) HamtaData();
  const QString surface = ComboBox1->currentText();
  StringGrid1->SetCells(0, 2, surface);
  StringGrid1->SetCells(1, 2, QStringLiteral("0"));
  StringGrid1->SetCells(3, 2, QStringLiteral("0"));
  StringGrid2->SetTopRow(StringGrid2->FixedRows());
  RumsYta->setTitle(surface);
  Label7->setText(QStringLiteral("Mot - ") + surface);
  PaintBox1Click();
}

void TForm1::StringGrid1SetEditText() { projekt_->MarkeraAendrad(); }

void TForm1::StringGrid2SetEditText() { projekt_->MarkeraAendrad(); }

}  // namespace virano
