#pragma once
// The main window's controls as a user finds them: by their names.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QWidget>

#include "main/Rot.h"
#include "widgets/PageControl.h"
#include "widgets/PaintBox.h"
#include "widgets/RadioGroup.h"
#include "widgets/StringGrid.h"
#include "widgets/UpDown.h"

namespace virano::testing {

struct Kontroller {
  explicit Kontroller(const TForm1& form) {
    const auto find = [&form](auto*& control, const char* name) {
      using Control = std::remove_pointer_t<std::remove_reference_t<decltype(control)>>;
      control = form.findChild<Control*>(QString::fromLatin1(name));
      EXPECT_NE(control, nullptr) << name;
    };
    find(MainMenu1, "MainMenu1");
    find(Filer1, "Filer1");
    find(Ny1, "Ny1");
    find(Oppna1, "Oppna1");
    find(SparaSom1, "SparaSom1");
    find(Konvertering1, "Konvertering1");
    find(RaderaBibl1, "RaderaBibl1");
    find(RaderaFil1, "RaderaFil1");
    find(Avsluta1, "Avsluta1");
    find(Fel1, "Fel1");
    find(Sk1, "Sk1");
    find(Visa1, "Visa1");
    find(Hjalp1, "Hjalp1");
    find(Manual1, "Manual1");
    find(Om1, "Om1");
    find(Panel1, "Panel1");
    find(Path, "Path");
    find(VisaFilNamn, "VisaFilNamn");
    find(ExitSpeedButton, "ExitSpeedButton");
    find(PageControl1, "PageControl1");
    find(Filhantering, "Filhantering");
    find(AllmIndata, "AllmIndata");
    find(Indata, "Indata");
    find(Sammanst, "Sammanst");
    find(GroupBox8, "GroupBox8");
    find(OpenButton, "OpenButton");
    find(SaveAsButton, "SaveAsButton");
    find(GroupBox9, "GroupBox9");
    find(RaderaBiblButton, "RaderaBiblButton");
    find(RaderaFilButton, "RaderaFilButton");
    find(TextStorlekGroupBox, "TextStorlekGroupBox");
    find(TextStorlek, "TextStorlek");
    find(Radavst, "Radavst");
    find(MaterialData, "MaterialData");
    find(KonverteringButton, "KonverteringButton");
    find(UserGroupBox, "UserGroupBox");
    find(UserComboBox, "UserComboBox");
    find(NyAnvButton, "NyAnvButton");
    find(RedigeraUserButton, "RedigeraUserButton");
    find(Pixels, "Pixels");
    find(GroupBox10, "GroupBox10");
    find(Anl1, "Anl1");
    find(Anl2, "Anl2");
    find(GroupBox11, "GroupBox11");
    find(Signatur, "Signatur");
    find(GroupBox12, "GroupBox12");
    find(Datum, "Datum");
    find(GroupBox13, "GroupBox13");
    find(RevDatum, "RevDatum");
    find(GroupBox5, "GroupBox5");
    find(RumsNamn, "RumsNamn");
    find(GroupBox7, "GroupBox7");
    find(RumsTemp, "RumsTemp");
    find(GroupBox3, "GroupBox3");
    find(Rot, "Rot");
    find(GroupBox4, "GroupBox4");
    find(LuftHastComboBox, "LuftHastComboBox");
    find(IncROT, "IncROT");
    find(MinRot, "MinRot");
    find(GroupBox2, "GroupBox2");
    find(ComboBox1, "ComboBox1");
    find(RumsYta, "RumsYta");
    find(PaintBox1, "PaintBox1");
    find(GroupBox14, "GroupBox14");
    find(Nummer, "Nummer");
    find(UpDown1, "UpDown1");
    find(NyttRumButton, "NyttRumButton");
    find(RaderaRumButton, "RaderaRumButton");
    find(GroupBox6, "GroupBox6");
    find(Label7, "Label7");
    find(StringGrid2, "StringGrid2");
    find(CheckBox1, "CheckBox1");
    find(Panel2, "Panel2");
    find(RadioGroup1, "RadioGroup1");
    find(TakHeatPanel, "TakHeatPanel");
    find(WattPerKvmTak, "WattPerKvmTak");
    find(EgetAltPanel, "EgetAltPanel");
    find(Temp05OG, "Temp05OG");
    find(Temp18OG, "Temp18OG");
    find(GroupBox1, "GroupBox1");
    find(StringGrid1, "StringGrid1");
    find(RaderaYtorButton, "RaderaYtorButton");
    find(InfogaYtorButton, "InfogaYtorButton");
    find(VisaResultatRadioGroup, "VisaResultatRadioGroup");
    find(Panel3, "Panel3");
    find(Label10, "Label10");
    find(ComboBox2, "ComboBox2");
    find(GroupBox15, "GroupBox15");
    find(UtskriftVyerSpeedButton, "UtskriftVyerSpeedButton");
    find(CheckBox2, "CheckBox2");
    find(IndataCheckBox, "IndataCheckBox");
    find(ResultatCheckBox, "ResultatCheckBox");
    find(ResultDetaljCheckBox, "ResultDetaljCheckBox");
    find(WallsCheckBox, "WallsCheckBox");
    find(StringGrid3, "StringGrid3");
    find(Verktyg1, "Verktyg1");
    find(RotKarta1, "RotKarta1");
    find(ExportTabell1, "ExportTabell1");
  }

  QMenuBar* MainMenu1 = nullptr;
  QMenu* Filer1 = nullptr;
  QAction* Ny1 = nullptr;
  QAction* Oppna1 = nullptr;
  QAction* SparaSom1 = nullptr;
  QAction* Konvertering1 = nullptr;
  QAction* RaderaBibl1 = nullptr;
  QAction* RaderaFil1 = nullptr;
  QAction* Avsluta1 = nullptr;
  QMenu* Fel1 = nullptr;
  QAction* Sk1 = nullptr;
  QAction* Visa1 = nullptr;
  QMenu* Hjalp1 = nullptr;
  QAction* Manual1 = nullptr;
  QAction* Om1 = nullptr;
  QFrame* Panel1 = nullptr;
  QLabel* Path = nullptr;
  QLabel* VisaFilNamn = nullptr;
  QPushButton* ExitSpeedButton = nullptr;
  TPageControl* PageControl1 = nullptr;
  QWidget* Filhantering = nullptr;
  QWidget* AllmIndata = nullptr;
  QWidget* Indata = nullptr;
  QWidget* Sammanst = nullptr;
  QGroupBox* GroupBox8 = nullptr;
  QPushButton* OpenButton = nullptr;
  QPushButton* SaveAsButton = nullptr;
  QGroupBox* GroupBox9 = nullptr;
  QPushButton* RaderaBiblButton = nullptr;
  QPushButton* RaderaFilButton = nullptr;
  QGroupBox* TextStorlekGroupBox = nullptr;
  QSpinBox* TextStorlek = nullptr;
  QSpinBox* Radavst = nullptr;
  QGroupBox* MaterialData = nullptr;
  QPushButton* KonverteringButton = nullptr;
  QGroupBox* UserGroupBox = nullptr;
  QComboBox* UserComboBox = nullptr;
  QPushButton* NyAnvButton = nullptr;
  QPushButton* RedigeraUserButton = nullptr;
  QLabel* Pixels = nullptr;
  QGroupBox* GroupBox10 = nullptr;
  QLineEdit* Anl1 = nullptr;
  QLineEdit* Anl2 = nullptr;
  QGroupBox* GroupBox11 = nullptr;
  QLineEdit* Signatur = nullptr;
  QGroupBox* GroupBox12 = nullptr;
  QLineEdit* Datum = nullptr;
  QGroupBox* GroupBox13 = nullptr;
  QLineEdit* RevDatum = nullptr;
  QGroupBox* GroupBox5 = nullptr;
  QLineEdit* RumsNamn = nullptr;
  QGroupBox* GroupBox7 = nullptr;
  QLineEdit* RumsTemp = nullptr;
  QGroupBox* GroupBox3 = nullptr;
  QLineEdit* Rot = nullptr;
  QGroupBox* GroupBox4 = nullptr;
  QComboBox* LuftHastComboBox = nullptr;
  QLineEdit* IncROT = nullptr;
  QLineEdit* MinRot = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QGroupBox* RumsYta = nullptr;
  TPaintBox* PaintBox1 = nullptr;
  QGroupBox* GroupBox14 = nullptr;
  QLineEdit* Nummer = nullptr;
  TUpDown* UpDown1 = nullptr;
  QPushButton* NyttRumButton = nullptr;
  QPushButton* RaderaRumButton = nullptr;
  QGroupBox* GroupBox6 = nullptr;
  QLabel* Label7 = nullptr;
  TStringGrid* StringGrid2 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QFrame* Panel2 = nullptr;
  TRadioGroup* RadioGroup1 = nullptr;
  QFrame* TakHeatPanel = nullptr;
  QLineEdit* WattPerKvmTak = nullptr;
  QFrame* EgetAltPanel = nullptr;
  QLineEdit* Temp05OG = nullptr;
  QLineEdit* Temp18OG = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  TStringGrid* StringGrid1 = nullptr;
  QPushButton* RaderaYtorButton = nullptr;
  QPushButton* InfogaYtorButton = nullptr;
  TRadioGroup* VisaResultatRadioGroup = nullptr;
  QFrame* Panel3 = nullptr;
  QLabel* Label10 = nullptr;
  QComboBox* ComboBox2 = nullptr;
  QGroupBox* GroupBox15 = nullptr;
  QToolButton* UtskriftVyerSpeedButton = nullptr;
  QCheckBox* CheckBox2 = nullptr;
  QCheckBox* IndataCheckBox = nullptr;
  QCheckBox* ResultatCheckBox = nullptr;
  QCheckBox* ResultDetaljCheckBox = nullptr;
  QCheckBox* WallsCheckBox = nullptr;
  TStringGrid* StringGrid3 = nullptr;
  QMenu* Verktyg1 = nullptr;
  QAction* RotKarta1 = nullptr;
  QAction* ExportTabell1 = nullptr;
};

}  // namespace virano::testing
