// The input check of the rooms ("F&el": "&Sök", "&Visa"), the error flag it
// sets, and the jump from a line of the error list to its room and surface.
#include <QComboBox>
#include <QFileInfo>

#include "app/RecordText.h"
#include "main/Rot.h"
#include "project/input_check.h"
#include "widgets/PageControl.h"
#include "widgets/UpDown.h"
#include "windows/FelInfo.h"

namespace virano {

QString TForm1::FelFil() const { return FilNamn + QStringLiteral(".rof"); }

int TForm1::Felsok(int RumTest) {
  if (FilNamn.isEmpty()) return 0;
  // The check reads the stored room into a record of its own: the working
  // record keeps the room that "Indata" stores into.
  const int errors =
      CheckRoomFile(FilePath(FilNamn + QStringLiteral(".rot")), FilePath(FelFil()), RumTest);
  if (errors > 0) {
    FelMarkerat = true;
    VisaFelLista();
  }
  return errors;
}

void TForm1::FelsokAll() {
  if (!FilOK) return;
  const long long rooms = ProjektFil(FilNamn).Count() - 1;
  // Stops at the first room whose own check found errors, whatever the
  // flag held before.
  for (int k = 1; k <= rooms; ++k)
    if (Felsok(k) > 0) return;
}

void TForm1::KontrolleraRum(int RumTest) {
  try {
    if (RumTest == 0)
      FelsokAll();
    else
      Felsok(RumTest);
  } catch (const FileError& error) {
    dialogs_.Message(QString::fromUtf8(error.what()), MessageKind::Error);
  }
}

void TForm1::Sk1Click() {
  if (!FilOK) {
    dialogs_.Message(QStringLiteral("Ingen fil är vald"));
    return;
  }
  SparaTest();  // the check sees what was typed
  Felsok(VisatRum());
}

void TForm1::Visa1Click() {
  if (!FilOK) {
    dialogs_.Message(QStringLiteral("Ingen fil är vald"));
  } else if (!QFileInfo::exists(FelFil())) {
    dialogs_.Message(QStringLiteral("Ingen felsökning är gjord"));
  } else if (ErrorFile(FilePath(FelFil())).Count() == 0) {
    dialogs_.Message(QStringLiteral("Inga fel registrerade"));
  } else {
    VisaFelLista();
  }
}

void TForm1::VisaFelLista() { Form2->Visa(ErrorFile(FilePath(FelFil())).ReadAll()); }

void TForm1::FelAendra(int rum, int yta) {
  SparaTest();  // the load below replaces no unsaved edit
  PageControl1->setCurrentIndex(kIndata);
  UpDown1->SetPosition(rum);
  ComboBox1->setCurrentIndex(yta);
  ComboBox1Click();
}

}  // namespace virano
