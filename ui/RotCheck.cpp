// The input check of the rooms ("F&el": "&Sök", "&Visa"), the error flag it
// sets, and the jump from a line of the error list to its room and surface.
#include <QComboBox>
#include <QFileInfo>

#include "Controls.h"
#include "FelInfo.h"
#include "Rot.h"
#include "RotRecord.h"
#include "project/input_check.h"

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
    Form2->Visa();
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
    Form2->Visa();
  }
}

void TForm1::FelAendra() {
  SparaTest();  // the load below replaces no unsaved edit
  PageControl1->setCurrentIndex(kIndata);
  UpDown1->SetPosition(Form2->RumNr.toInt());
  ComboBox1->setCurrentIndex(Form2->YtNr);
  ComboBox1Click();
}

}  // namespace virano
