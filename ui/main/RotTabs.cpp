// Leaving and entering the tabs of the main window.
#include <QComboBox>
#include <QLineEdit>

#include "main/Rot.h"
#include "project/record.h"
#include "widgets/RadioGroup.h"
#include "widgets/StringGrid.h"

namespace virano {

void TForm1::PageControl1Changing(bool& allowChange) {
  LuftHastComboBoxExit();
  if (!SparaMedFraga([this] { SparaTest(); })) {
    allowChange = false;
    return;
  }
  if (!FilOK) return;
  KontrolleraRum(0);
  // With errors marked, "Indata" cannot be left.
  if (FelMarkerat && ActivePage() == kIndata) allowChange = false;
}

void TForm1::PageControl1Change() {
  switch (ActivePage()) {
    case kIndata:
      if (StringGrid1->Cells(0, 2).isEmpty()) ComboBox1Click();
      if (!FilNamn.isEmpty()) {
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
