// The menu "Hjälp": the About box and the manual, and the window's
// keyboard commands.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>

#include "main/Rot.h"
#include "project/numbers.h"
#include "rules/WindowRules.h"
#include "widgets/StringGrid.h"
#include "windows/Ombox.h"

namespace virano {

void TForm1::Om1Click() {
  AboutBox->Version->setText(QStringLiteral("Version ") +
                             QString::fromUtf8(kVersionText.data(),
                                               static_cast<qsizetype>(kVersionText.size())));
  AboutBox->exec();
}

void TForm1::Manual1Click() {
  ManualFil = QString::fromStdString(ManualFilNamn(
      ProgramBibl_.toStdString(), QDir::separator().toLatin1(), DecimalPunkt()));
  if (!QFileInfo::exists(ManualFil)) {
    dialogs_.Beep();
    dialogs_.Message(QStringLiteral("Hittar ej manual"));
    return;
  }
  if (!OpenDocument(ManualFil))
    dialogs_.Message(QStringLiteral("Manualen ") + ManualFil +
                     QStringLiteral(" kunde inte öppnas.\rFinns ett program som öppnar PDF-filer "
                                    "i datorn?"));
}

void TForm1::FormKeyDown(int key, Qt::KeyboardModifiers, bool& handled) {
  // The keys of the grids, checked in this order. A grid "itself" has the
  // focus while no cell editor is open; Delete in an open editor is the
  // editor's. F1 is the window's shortcut.
  const QWidget* focus = QApplication::focusWidget();
  if (key == Qt::Key_Delete && focus == StringGrid2) {
    handled = true;
    if (!RaderaPunkt()) return;  // cancelled: no other key command
  }
  if (key == Qt::Key_Delete && focus == StringGrid1) {
    RaderaYtorButtonClick();
    handled = true;
  }
  if (key == Qt::Key_F2 && focus == StringGrid1) {
    handled = true;
    UnderSokningsPunkt();
  }
}

}  // namespace virano
