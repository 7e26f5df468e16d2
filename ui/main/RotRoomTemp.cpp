// Surface temperatures: the one of a surface grid row, computed from its
// U-value, "mi" and outside temperature against the room temperature, and
// all of the shown room's when the room temperature changes.
#include <QComboBox>
#include <QLineEdit>

#include "main/Rot.h"
#include "project/numbers.h"
#include "rules/Thermal.h"
#include "widgets/StringGrid.h"

namespace virano {

QString TForm1::YtTemperatur(int row) {
  TStringGrid* grid = StringGrid1;
  for (int c : {6, 5, 7}) grid->SetCells(c, row, FormatDecimal(grid->Cells(c, row)));
  return QString::fromStdString(YtTemperaturText(
      RumsTemp->text().toStdString(), grid->Cells(5, row).toStdString(),
      grid->Cells(6, row).toStdString(), grid->Cells(7, row).toStdString(), DecimalPunkt()));
}

void TForm1::RumsTempChange() {
  if (projekt_->FilNamn().isEmpty()) return;
  // A change the user makes keeps the edits of the shown surface; a room
  // being shown is stored as it was read.
  if (!projekt_->LaddarRum() && projekt_->DataAendrad()) {
    const TUtfall utfall = SparaData();
    if (!utfall.Lyckat()) {
      VisaUtfall(utfall);
      return;
    }
  }
  // A room without a record yet keeps the temperature in the window.
  if (!projekt_->UppdateraYtTemp(RumsTemp->text())) return;

  // Showing the room again ends the user's typing in the box: the box keeps
  // the focus and the place of the cursor.
  const bool typing = RumsTemp->hasFocus();
  const int cursor = RumsTemp->cursorPosition();
  ComboBox1Click();
  if (typing) {
    if (!RumsTemp->hasFocus()) RumsTemp->setFocus(Qt::OtherFocusReason);
    RumsTemp->setCursorPosition(cursor);
  }
}

}  // namespace virano
