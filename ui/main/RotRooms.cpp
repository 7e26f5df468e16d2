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

void TForm1::NyttRumButtonClick() {
  if (!FilVald()) return;
  // What was typed is stored first, so that the check sees it.
  if (DataAendrad) SparaData();
  KontrolleraRum(VisatRum());
  const bool noName = RumsNamn->text().isEmpty();
  const bool noSurface = ComboBox1->currentText().isEmpty();
  if (noName || noSurface || FelMarkerat) {
    MarkField(RumsNamn, noName);
    MarkField(ComboBox1, noSurface);
    dialogs_.Beep();
    dialogs_.Message(QStringLiteral("Fel markerat med rött"));
    return;
  }
  RumEjLagrat = true;
  UpDown1->SetMax(UpDown1->Max() + 1);
  NollStaellIndata();
  // NummerChange writes the new room's empty record and shows it.
  VisaRumNummer(UpDown1->Max());
  if (StringGrid1->Cells(0, 2).isEmpty()) ComboBox1Click();
}

void TForm1::RaderaRumButtonClick() {
  if (!FilVald()) return;
  dialogs_.Beep();
  if (!dialogs_.QuestionYesNo(QStringLiteral("Skall visat rum raderas?"), Question::Deletes)) return;
  // Errors marked may be the deleted room's; the checks mark again those of
  // the rooms that remain.
  FelMarkerat = false;
  const ProjectFile file = ProjektFil(FilNamn);
  const int rooms = static_cast<int>(file.Count() - 1);
  const int k = VisatRum();
  if (k == rooms) {
    if (k == 1) {
      // The only room becomes a new, empty room 1 of the room boxes, shown
      // as a new project shows it.
      NollStaellIndata();
      RumsfaltTillPost();
      RumEjLagrat = true;
      VisaRumNummer(1);
      DataAendrad = false;
      return;
    }
    file.Truncate(rooms);
    UpDown1->SetMax(UpDown1->Max() - 1);
    RumEjLagrat = false;
    VisaRumNummer(k - 1);
  } else if (k < rooms) {
    // The rooms after k move down by one; room k shows the next one.
    file.Remove(k);
    UpDown1->SetMax(UpDown1->Max() - 1);
    HamtaData();
    PaintBox1Click();
  } else {
    // The shown room has no record yet. The room before it is read from
    // the file, not written empty as a new room would be.
    NollStaellIndata();
    UpDown1->SetMax(UpDown1->Max() - 1);
    RumEjLagrat = false;
    VisaRumNummer(k - 1);
  }
}

void TForm1::UpDown1Changing(bool& allowChange) {
  if (!FilVald() || (DataAendrad && !SparaMedFraga([this] { SparaData(); }))) {
    allowChange = false;
    return;
  }
  KontrolleraRum(VisatRum());
  if (FelMarkerat) allowChange = false;
}

void TForm1::NummerChange() {
  ComboBox1->setCurrentIndex(FrontWall);
  if (RumEjLagrat)
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
