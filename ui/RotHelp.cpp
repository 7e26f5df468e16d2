// The menu "Hjälp": the About box and the manual, and the window's
// keyboard commands.
#include <QDir>
#include <QFileInfo>
#include <QLabel>

#include "Ombox.h"
#include "Rot.h"
#include "StringGrid.h"
#include "project/numbers.h"
#include "project/ui_rules.h"

namespace virano {

void TForm1::Om1Click() {
  AboutBox->Version->setText(QStringLiteral("Version ") +
                             QString::fromUtf8(kVersionText.data(),
                                               static_cast<qsizetype>(kVersionText.size())));
  AboutBox->exec();
}

void TForm1::Manual1Click() {
  ManualFil = QString::fromStdString(ManualFilNamn(
      ProgramBibl.toStdString(), QDir::separator().toLatin1(), DecimalPunkt));
  if (!QFileInfo::exists(ManualFil)) {
    dialogs_.Beep();
    dialogs_.Message(QStringLiteral("Hittar ej manual"));
    return;
  }
  if (!OpenDocument(ManualFil)) dialogs_.Message(QStringLiteral("Finns Acrobat Reader i datorn?"));
}

void TForm1::FormKeyDown(int key, Qt::KeyboardModifiers, bool& handled) {
  // Checked in this order for every key. Delete in an open cell editor is
  // the editor's: the grid itself has no focus then.
  if (key == Qt::Key_Delete && StringGrid1->hasFocus()) {
    RaderaYtorButtonClick();
    handled = true;
  }
  if (key == Qt::Key_F1) {
    Manual1Click();
    handled = true;
  }
}

}  // namespace virano
