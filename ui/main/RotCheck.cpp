// The input check of the rooms ("F&el": "&Sök", "&Visa"), the error mark it
// leaves, and the jump from a line of the error list to its room and surface.
#include <QComboBox>
#include <QFileInfo>

#include "main/Rot.h"
#include "widgets/PageControl.h"
#include "widgets/UpDown.h"
#include "windows/FelInfo.h"

namespace virano {

void TForm1::Felsok(int RumTest) { VisaKontroll(projekt_->Felsok(RumTest)); }

void TForm1::FelsokAll() { VisaKontroll(projekt_->FelsokAll()); }

void TForm1::VisaKontroll(const TKontroll& kontroll) {
  if (!kontroll.Gjord()) {
    // A check that cannot be made is shown and refuses nothing; while the
    // tab changes, its reason is told once.
    if (tabbyte_ && visadeKontrollfel_.contains(kontroll.misslyckades)) return;
    if (tabbyte_) visadeKontrollfel_ << kontroll.misslyckades;
    dialogs_.Message(kontroll.misslyckades, MessageKind::Error);
    return;
  }
  if (!kontroll.fel.empty()) Form2->Visa(kontroll.fel);
}

bool TForm1::FelHindrar() {
  UppdateraFelmarkering();
  if (!projekt_->FelMarkerat()) return false;
  // Red cells are told here; the errors a check found are in the error list.
  if (projekt_->RodaCeller()) {
    dialogs_.Beep();
    dialogs_.Message(QStringLiteral("Fel markerat med rött"));
  }
  return true;
}

void TForm1::Sk1Click() {
  if (!projekt_->FilOK()) {
    dialogs_.Message(QStringLiteral("Ingen fil är vald"));
    return;
  }
  // The check sees what was typed.
  if (!TaInmatning(Lagring::kSparaTest)) return;
  Felsok(VisatRum());
}

void TForm1::Visa1Click() {
  if (!projekt_->FilOK()) {
    dialogs_.Message(QStringLiteral("Ingen fil är vald"));
  } else if (!QFileInfo::exists(projekt_->FelFil())) {
    dialogs_.Message(QStringLiteral("Ingen felsökning är gjord"));
  } else if (const std::vector<TErrorRecord> lines = projekt_->SenasteFel(); lines.empty()) {
    dialogs_.Message(QStringLiteral("Inga fel registrerade"));
  } else {
    Form2->Visa(lines);
  }
}

void TForm1::FelAendra(int rum, int yta) {
  // What was typed is taken and stored: the load below replaces no edit.
  if (!TaInmatning(Lagring::kSparaTest)) return;
  PageControl1->setCurrentIndex(kIndata);
  UpDown1->SetPosition(rum);
  ComboBox1->setCurrentIndex(yta);
  ComboBox1Click();
}

}  // namespace virano
