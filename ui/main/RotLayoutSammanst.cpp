// The tab "Sammanställning": the summary table and printing.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Pictures.h"
#include "main/Rot.h"
#include "main/RotLayoutKit.h"
#include "widgets/Colours.h"
#include "widgets/RadioGroup.h"
#include "widgets/StringGrid.h"

namespace virano {

using namespace layout;

void TForm1::BuildSammanst() {
  QWidget* tab = Sammanst;

  VisaResultatRadioGroup = Named(
      new TRadioGroup(QStringLiteral("Visa på skärm"),
                      {QStringLiteral("&Indata"), QStringLiteral("&Resultat"),
                       QStringLiteral("Resultat &Detalj")},
                      tab),
      "VisaResultatRadioGroup");
  SetColour(VisaResultatRadioGroup, QPalette::WindowText, colours::kMaroon);

  Panel3 = Panel("Panel3", tab);
  Label10 = Label("Label10", QStringLiteral("Rum"), Panel3);
  SetColour(Label10, QPalette::WindowText, colours::kMaroon);
  ComboBox2 = Combo("ComboBox2", false, Panel3);
  ComboBox2->setMinimumWidth(150);
  Label10->setBuddy(ComboBox2);
  auto* chooser = new QHBoxLayout(Panel3);
  chooser->setContentsMargins(4, 4, 4, 4);
  chooser->addWidget(Label10);
  chooser->addWidget(ComboBox2);

  GroupBox15 = Group("GroupBox15", QStringLiteral("Skriv ut rum / väggvyer "), tab);
  UtskriftVyerSpeedButton = Named(new QToolButton(GroupBox15), "UtskriftVyerSpeedButton");
  UtskriftVyerSpeedButton->setText(QStringLiteral("&Utskrift"));
  UtskriftVyerSpeedButton->setIcon(PrinterGlyph());
  UtskriftVyerSpeedButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  UtskriftVyerSpeedButton->setToolTip(QStringLiteral("Skriv ut enligt val."));
  UtskriftVyerSpeedButton->setMinimumSize(90, 28);
  CheckBox2 = Check("CheckBox2", QStringLiteral("Skriv ut alla rum"), false, GroupBox15);
  IndataCheckBox = Check("IndataCheckBox", QStringLiteral("Indata"), true, GroupBox15);
  ResultatCheckBox = Check("ResultatCheckBox", QStringLiteral("Resultat"), true, GroupBox15);
  ResultDetaljCheckBox =
      Check("ResultDetaljCheckBox", QStringLiteral("Resultat detalj"), true, GroupBox15);
  WallsCheckBox = Check("WallsCheckBox", QStringLiteral("Väggvyer"), true, GroupBox15);
  // The input and result reports are always printed.
  IndataCheckBox->setEnabled(false);
  ResultatCheckBox->setEnabled(false);
  auto* print = new QGridLayout(GroupBox15);
  print->setContentsMargins(8, 2, 8, 4);
  print->setVerticalSpacing(0);
  print->addWidget(UtskriftVyerSpeedButton, 0, 0, 2, 1, Qt::AlignVCenter);
  print->addWidget(CheckBox2, 2, 0);
  print->addWidget(IndataCheckBox, 0, 1);
  print->addWidget(ResultatCheckBox, 1, 1);
  print->addWidget(ResultDetaljCheckBox, 0, 2);
  print->addWidget(WallsCheckBox, 1, 2);

  StringGrid3 = Named(new TStringGrid(17, 4, 3, tab), "StringGrid3");
  StringGrid3->SetDefaultRowHeight(17);
  StringGrid3->SetEditable(false);

  auto* controls = new QHBoxLayout;
  controls->setSpacing(8);
  controls->addWidget(VisaResultatRadioGroup);
  controls->addWidget(Panel3, 0, Qt::AlignTop);
  controls->addStretch(1);
  controls->addWidget(GroupBox15);

  auto* page = new QVBoxLayout(tab);
  page->setContentsMargins(4, 4, 4, 4);
  page->setSpacing(4);
  page->addLayout(controls);
  page->addWidget(StringGrid3, 1);
}

}  // namespace virano
