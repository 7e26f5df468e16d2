// The rooms of the open project: adding, deleting, stepping with the room
// number's arrows, and the room chooser of the summary.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "app/RecordText.h"
#include "main/Rot.h"
#include "widgets/Colours.h"
#include "widgets/StringGrid.h"
#include "widgets/UpDown.h"

namespace virano {

void TForm1::VisaRumNummer(int number) {
  const QString before = Nummer->text();
  UpDown1->SetPosition(number);
  // Setting the same number again changes no text and so shows nothing.
  if (Nummer->text() == before) NummerChange();
}

void TForm1::VisaHoegstaRum() { UpDown1->SetMax(projekt_->HoegstaRum()); }

void TForm1::NyttRumButtonClick() {
  if (!FilVald()) return;
  // What was typed is stored first, so that the check sees it.
  if (!TaInmatning(Lagring::kSparaData)) return;
  const TKontroll kontroll = projekt_->Felsok(VisatRum());
  VisaKontroll(kontroll);
  const bool noName = RumsNamn->text().isEmpty();
  const bool noSurface = ComboBox1->currentText().isEmpty();
  MarkField(RumsNamn, noName);
  MarkField(ComboBox1, noSurface);
  if (noName || noSurface) {
    dialogs_.Beep();
    dialogs_.Message(QStringLiteral("Fel markerat med rött"));
    return;
  }
  if (FelHindrar()) return;
  projekt_->NyttRum();
  VisaHoegstaRum();
  NollStaellIndata();
  // NummerChange writes the new room's empty record and shows it.
  VisaRumNummer(projekt_->HoegstaRum());
  if (StringGrid1->Cells(0, 2).isEmpty()) ComboBox1Click();
}

void TForm1::RaderaRumButtonClick() {
  if (!FilVald()) return;
  dialogs_.Beep();
  if (!dialogs_.QuestionYesNo(QStringLiteral("Skall visat rum raderas?"), Question::Deletes)) return;
  const TRadering radering = projekt_->RaderaRum();
  VisaHoegstaRum();
  if (radering.nyttForsta) {
    // The only room becomes a new, empty room 1 of the room boxes, shown
    // as a new project shows it.
    NollStaellIndata();
    projekt_->BoerjaOm(RumsfaeltIFoenster());
    VisaRumNummer(1);
    projekt_->GloemAendring();
    return;
  }
  if (radering.toemFoenster) NollStaellIndata();
  if (radering.laesOm) {
    HamtaData();
    PaintBox1Click();
  } else {
    VisaRumNummer(radering.visa);
  }
}

void TForm1::UpDown1Changing(bool& allowChange) {
  if (!FilVald() || !TaInmatning(Lagring::kSparaData)) {
    allowChange = false;
    return;
  }
  const TKontroll kontroll = projekt_->Felsok(VisatRum());
  VisaKontroll(kontroll);
  if (FelHindrar()) allowChange = false;
}

void TForm1::NummerChange() {
  projekt_->SattRum(Nummer->text().toInt());
  ComboBox1->setCurrentIndex(FrontWall);
  if (projekt_->RumEjLagrat())
    NyttRumNollStaell();
  else
    HamtaData();
  if (StringGrid1->Cells(0, 2).isEmpty()) ComboBox1Click();
  // The grids now show the front wall: so do the captions naming it.
  RumsYta->setTitle(ComboBox1->currentText());
  Label7->setText(QStringLiteral("Mot - ") + ComboBox1->currentText());
  PaintBox1Click();
}

int TForm1::ComboBox2Rum(int index) const {
  bool ok = false;
  const int number = ComboBox2->itemData(index).toInt(&ok);
  return ok ? number : index + 1;
}

void TForm1::ComboBox2Change() {
  const int index = ComboBox2->currentIndex();
  if (index < 0) return;
  VisaRumNummer(ComboBox2Rum(index));
  VisaResultatRadioGroupClick();
}

}  // namespace virano
