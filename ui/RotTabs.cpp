// Leaving and entering the tabs of the main window.
#include <QComboBox>
#include <QLineEdit>

#include "Controls.h"
#include "Rot.h"
#include "project/record.h"

namespace virano {

void TForm1::PageControl1Changing(bool& allowChange) {
  // With errors marked, "Indata" cannot be left.
  if (FilOK && FelMarkerat && ActivePage() == kIndata) allowChange = false;
}

void TForm1::PageControl1Change() {
  switch (ActivePage()) {
    case kIndata:
      if (!FilNamn.isEmpty()) {
        ComboBox1->setCurrentIndex(FrontWall);
      } else {
        dialogs_.Beep();
        dialogs_.Message(QStringLiteral("Ingen fil är vald\ringen ROT-beräkning utförs\r"
                                        "data sparas ej vid byte av huvudyta"),
                         MessageKind::Warning);
      }
      break;
    case kSammanst:
      if (VisaResultatRadioGroup->ItemIndex() < 0) VisaResultatRadioGroup->SetItemIndex(0);
      ComboBox2->setCurrentIndex(Nummer->text().toInt() - 1);
      break;
    case kFilhantering:
    case kAllmIndata:
      break;
  }
}

}  // namespace virano
