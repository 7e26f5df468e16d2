// Leaving and entering the tabs of the main window.
#include <QComboBox>
#include <QLineEdit>
#include <QScopeGuard>

#include "main/Rot.h"
#include "project/record.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"
#include "widgets/StringGrid.h"

namespace virano {

void TForm1::PageControl1Changing(bool& allowChange) {
  // A reason a check cannot be made is told once while the tab changes.
  tabbyte_ = true;
  visadeKontrollfel_.clear();
  LuftHastComboBoxExit();
  if (!TaInmatning(Lagring::kSparaTest)) {
    allowChange = false;
  } else if (projekt_->FilOK()) {
    const TKontroll kontroll = projekt_->FelsokAll();
    VisaKontroll(kontroll);
    // With errors marked, "Indata" cannot be left.
    if (ActivePage() == kIndata && FelHindrar()) allowChange = false;
  }
  if (!allowChange) tabbyte_ = false;
}

void TForm1::PageControl1Change() {
  const QScopeGuard slut([this] { tabbyte_ = false; });
  switch (ActivePage()) {
    case kIndata:
      if (StringGrid1->Cells(0, 2).isEmpty()) ComboBox1Click();
      if (!projekt_->FilNamn().isEmpty()) {
        Felsok(VisatRum());
        ComboBox1->setCurrentIndex(FrontWall);
        HamtaData();
        ComboBox1Click();
      } else {
        dialogs_.Beep();
        dialogs_.Message(QStringLiteral("Ingen fil är vald\ringen ROT-beräkning utförs\r"
                                        "data sparas ej vid byte av huvudyta"),
                         MessageKind::Warning);
      }
      break;
    case kSammanst:
      if (VisaResultatRadioGroup->ItemIndex() < 0) VisaResultatRadioGroup->SetItemIndex(0);
      VisaRum();  // chooses the shown room's entry
      NollStaellSammanst();
      VisaResultatRadioGroupClick();
      Sk1Click();
      break;
    case kFilhantering:
    case kAllmIndata:
      break;
  }
  if (ActivePage() == kIndata) PaintBox1Click();
}

}  // namespace virano
