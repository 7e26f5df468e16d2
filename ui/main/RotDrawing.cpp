// The room drawing on "Indata": the chosen main surface to scale with its
// sub-surfaces and the control points in front of it. The drawing is made
// from the grids, the room temperature and the area's size, and painted by
// the drawing area whenever it shows.
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>

#include "main/Rot.h"
#include "rules/RoomDrawing.h"
#include "widgets/PaintBox.h"
#include "widgets/StringGrid.h"

namespace virano {

void TForm1::PaintBox1Click() {
  RumsYta->setTitle(ComboBox1->currentText());
  PaintBox1->SetShapes({});
  Rita();
  emit VisatRumAendrat(VisatRumNu());  // the ROT map follows the room drawn
}

void TForm1::Rita() {
  // The points drawn are written back with the system's decimal separator.
  for (int r = 1; r < StringGrid2->RowCount(); ++r) {
    const bool point = !StringGrid2->Cells(0, r).isEmpty() && !StringGrid2->Cells(1, r).isEmpty() &&
                       !StringGrid2->Cells(2, r).isEmpty();
    for (int c = 0; point && c < StringGrid2->ColCount(); ++c)
      StringGrid2->SetCells(c, r, FormatDecimal(StringGrid2->Cells(c, r)));
  }
  // Points beyond the main surface are marked as the grid paints them.
  StringGrid2->Repaint();

  RoomDrawingInput input;
  for (int r = 2; r < StringGrid1->RowCount(); ++r) {
    auto& row = input.surfaces.emplace_back();
    for (int c = 0; c < static_cast<int>(row.size()); ++c)
      row[c] = StringGrid1->Cells(c, r).toStdString();
  }
  input.points = PunktRader();
  input.rumsTemp = RumsTemp->text().toStdString();
  input.width = PaintBox1->width();
  input.height = PaintBox1->height();
  input.left = PaintBox1->x();
  input.letterHeight = QFontMetrics(font()).height();
  input.axes = CheckBox1->isChecked();
  input.decimalPunkt = DecimalPunkt();
  PaintBox1->AddShapes(RoomDrawing(input));
}

void TForm1::KoordinatSystem() {
  PaintBox1->AddShapes(AxisCross(PaintBox1->x(), PaintBox1->height()));
}

void TForm1::CheckBox1Click() {
  if (CheckBox1->isChecked())
    KoordinatSystem();
  else
    PaintBox1Click();
}

}  // namespace virano
