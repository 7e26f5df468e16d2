// The room drawing on "Indata": the chosen main surface to scale with its
// sub-surfaces and the control points in front of it.
#include <QComboBox>
#include <QGroupBox>

#include "Controls.h"
#include "Rot.h"

namespace virano {

void TForm1::PaintBox1Click() {
  RumsYta->setTitle(ComboBox1->currentText());
  PaintBox1->update();
}

}  // namespace virano
