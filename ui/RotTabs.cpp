// Leaving and entering the tabs of the main window.
#include <QComboBox>
#include <QLineEdit>

#include "Controls.h"
#include "StringGrid.h"
#include "Rot.h"
#include "project/record.h"

namespace virano {

namespace {

// The room chooser's entry of room `number`; -1 when it is not listed.
int RoomChooserEntry(const TForm1& form, int number) {
  for (int i = 0; i < form.ComboBox2->count(); ++i)
    if (form.ComboBox2Rum(i) == number) return i;
  return -1;
}

}  // namespace

void TForm1::PageControl1Changing(bool& allowChange) {
  SparaTest();
  // With errors marked, "Indata" cannot be left.
  if (FilOK && FelMarkerat && ActivePage() == kIndata) allowChange = false;
}

void TForm1::PageControl1Change() {
  switch (ActivePage()) {
    case kIndata:
      if (StringGrid1->Cells(0, 2).isEmpty()) ComboBox1Click();
      if (!FilNamn.isEmpty()) {
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
      ComboBox2->setCurrentIndex(RoomChooserEntry(*this, VisatRum()));
      NollStaellSammanst();
      break;
    case kFilhantering:
    case kAllmIndata:
      break;
  }
  if (ActivePage() == kIndata) PaintBox1Click();
}

}  // namespace virano
