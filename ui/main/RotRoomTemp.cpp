// Surface temperatures: the one of a surface grid row, computed from its
// U-value, "mi" and outside temperature against the room temperature, and
// all of the shown room's when the room temperature changes.
#include <QComboBox>
#include <QLineEdit>
#include <exception>

#include "app/RecordText.h"
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
      grid->Cells(6, row).toStdString(), grid->Cells(7, row).toStdString(), DecimalPunkt));
}

void TForm1::RumsTempChange() {
  if (FilNamn.isEmpty()) return;
  // A change the user makes keeps the edits of the shown surface; a room
  // being shown is stored as it was read.
  if (!LaddarRum && DataAendrad) SparaData();
  const int k = VisatRum();
  const ProjectFile file = ProjektFil(FilNamn);
  TRoomRecord& rec = WorkingRecord;
  try {
    file.Read(k, rec);
  } catch (const ReadPastEndError&) {
    return;  // the room has no record yet: the window keeps the temperature
  }
  const std::string rumsTemp = RumsTemp->text().toStdString();
  SetField(rec.RumsTemp, FormatDecimal(RumsTemp->text()));
  // The record is written also when no row has the values to compute from
  // and when a value is not a number, with the rows computed until then. A
  // room being shown is shown all the same: such a value is no error there.
  std::exception_ptr failure;
  try {
    for (int r = 0; r < kSurfaceRowsPerBlock && !rumsTemp.empty(); ++r) {
      for (auto& block : rec.Ytor) {
        TSurfaceRow& row = block[r];
        if (row.Mi.Empty() || row.UVarde.Empty() || row.TempUtsida.Empty()) continue;
        row.YtTemp.SetText(YtTemperaturText(rumsTemp, row.UVarde.Text(), row.Mi.Text(),
                                            row.TempUtsida.Text(), DecimalPunkt));
      }
    }
  } catch (const ConversionError&) {
    if (!LaddarRum) failure = std::current_exception();
  } catch (...) {
    failure = std::current_exception();
  }
  file.Write(k, rec);
  if (failure) std::rethrow_exception(failure);

  // Showing the room again ends the user's typing in the box: the box keeps
  // the focus and the place of the cursor.
  const bool typing = RumsTemp->hasFocus();
  const int cursor = RumsTemp->cursorPosition();
  ComboBox1Click();
  if (typing && !RumsTemp->hasFocus()) {
    RumsTemp->setFocus(Qt::OtherFocusReason);
    RumsTemp->setCursorPosition(cursor);
  }
}

}  // namespace virano
