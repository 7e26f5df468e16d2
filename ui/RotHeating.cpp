// The heating system: its extra inputs are shown only for the systems that
// use them.
#include <QFrame>

#include "Controls.h"
#include "Rot.h"
#include "project/ui_rules.h"

namespace virano {

void TForm1::RadioGroup1Click() {
  const HeatPanels panels = HeatPanelsFor(RadioGroup1->ItemIndex());
  TakHeatPanel->setVisible(panels.takHeat);
  EgetAltPanel->setVisible(panels.egetAlt);
  DataAendrad = true;
}

}  // namespace virano
