// The main window as it stands after start: controls found by name, their
// captions, defaults, item lists, limits and enabled states.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QToolButton>

#include "support/WindowFixture.h"
#include "widgets/Colours.h"
#include "widgets/PageControl.h"
#include "widgets/PaintBox.h"
#include "widgets/RadioGroup.h"
#include "widgets/StringGrid.h"
#include "widgets/UpDown.h"
#include "windows/FelInfo.h"
#include "windows/Katalog.h"
#include "windows/Ombox.h"

namespace virano::testing {
namespace {

class LayoutTest : public WindowTest {};

TEST_F(LayoutTest, CaptionCarriesTheVersion) {
  EXPECT_EQ(form->windowTitle(),
            QStringLiteral("VIRANO - Beräkning av riktad operativ temperatur Version 1,12"));
}

TEST_F(LayoutTest, FourTabsInOrderStartingOnFilhantering) {
  auto* tabs = Find<TPageControl>("PageControl1");
  ASSERT_EQ(tabs->count(), 4);
  const QStringList captions = {QStringLiteral("Filhantering"), QStringLiteral("Allmänna indata"),
                                QStringLiteral("Indata"), QStringLiteral("Sammanställning")};
  const QStringList names = {QStringLiteral("Filhantering"), QStringLiteral("AllmIndata"),
                             QStringLiteral("Indata"), QStringLiteral("Sammanst")};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(tabs->tabText(i), captions[i]);
    EXPECT_EQ(tabs->widget(i)->objectName(), names[i]);
  }
  EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST_F(LayoutTest, EveryNamedControlExists) {
  const char* names[] = {
      "Panel1", "Path", "VisaFilNamn", "ExitSpeedButton", "GroupBox8", "OpenButton",
      "SaveAsButton", "GroupBox9", "RaderaBiblButton", "RaderaFilButton", "TextStorlekGroupBox",
      "TextStorlek", "Radavst", "MaterialData", "KonverteringButton", "UserGroupBox",
      "UserComboBox", "NyAnvButton", "RedigeraUserButton", "Pixels", "GroupBox10", "Anl1", "Anl2",
      "GroupBox11", "Signatur", "GroupBox12", "Datum", "GroupBox13", "RevDatum", "GroupBox5",
      "RumsNamn", "GroupBox7", "RumsTemp", "GroupBox3", "Rot", "GroupBox4", "LuftHastComboBox",
      "IncROT", "MinRot", "GroupBox2", "ComboBox1", "RumsYta", "PaintBox1", "GroupBox14", "Nummer",
      "UpDown1", "NyttRumButton", "RaderaRumButton", "GroupBox6", "Label7", "StringGrid2",
      "CheckBox1", "Panel2", "RadioGroup1", "TakHeatPanel", "WattPerKvmTak", "EgetAltPanel",
      "Temp05OG", "Temp18OG", "GroupBox1", "StringGrid1", "RaderaYtorButton", "InfogaYtorButton",
      "VisaResultatRadioGroup", "Panel3", "Label10", "ComboBox2", "GroupBox15",
      "UtskriftVyerSpeedButton", "CheckBox2", "IndataCheckBox", "ResultatCheckBox",
      "ResultDetaljCheckBox", "WallsCheckBox", "StringGrid3"};
  for (const char* name : names) {
    const QList<QWidget*> found = form->findChildren<QWidget*>(QString::fromLatin1(name));
    EXPECT_EQ(found.size(), 1) << name;
  }
  // The member pointers are the named controls.
  EXPECT_EQ(Find<QLineEdit>("RumsNamn"), ui->RumsNamn);
  EXPECT_EQ(Find<TStringGrid>("StringGrid1"), ui->StringGrid1);
  EXPECT_EQ(Find<TUpDown>("UpDown1"), ui->UpDown1);
}

TEST_F(LayoutTest, GroupAndButtonCaptions) {
  const std::pair<const char*, const char*> groups[] = {
      {"GroupBox8", "Filhantering"}, {"GroupBox9", "Radera"},
      {"TextStorlekGroupBox", "Textstyrning utskift"}, {"MaterialData", "Tilläggsprogram"},
      {"UserGroupBox", "Användare"}, {"GroupBox12", "Datum skapad"},
      {"GroupBox13", "Datum reviderad"}, {"GroupBox5", "&Rumsnamn"}, {"GroupBox7", "&Temp rum"},
      {"GroupBox3", "ROT"}, {"GroupBox4", "&Lufthastighet m/s"}, {"GroupBox2", "&Huvudyta namn"},
      {"RumsYta", "Rumsyta"}, {"GroupBox14", "Löpnummer rum"},
      {"GroupBox6", "Undersökningspunkter"}, {"RadioGroup1", "&Uppvärmningssystem"},
      {"GroupBox1", "Huvudyta och &Delytors koordinater"},
      {"VisaResultatRadioGroup", "Visa på skärm"}, {"GroupBox15", "Skriv ut rum / väggvyer "}};
  for (auto [name, caption] : groups)
    EXPECT_EQ(Find<QGroupBox>(name)->title(), QString::fromUtf8(caption)) << name;

  const std::pair<const char*, const char*> buttons[] = {
      {"ExitSpeedButton", "E&xit"}, {"OpenButton", "Ny / Öppna"}, {"SaveAsButton", "&Spara som"},
      {"RaderaBiblButton", "Radera Bibl"}, {"RaderaFilButton", "Radera Fil"},
      {"KonverteringButton", "Konvertering"}, {"NyAnvButton", "Ny"},
      {"RedigeraUserButton", "Redigera"}, {"NyttRumButton", "NYTT RUM"},
      {"RaderaRumButton", "RADERA RUM"}, {"RaderaYtorButton", "Radera"},
      {"InfogaYtorButton", "Infoga"}};
  for (auto [name, caption] : buttons)
    EXPECT_EQ(Find<QPushButton>(name)->text(), QString::fromUtf8(caption)) << name;
  EXPECT_EQ(Find<QToolButton>("UtskriftVyerSpeedButton")->text(), QStringLiteral("&Utskrift"));
  EXPECT_EQ(Find<QLabel>("Path")->text(), QStringLiteral("Sökväg:"));
  EXPECT_EQ(Find<QLabel>("VisaFilNamn")->text(), QStringLiteral("..."));
  EXPECT_EQ(Find<QLabel>("Label7")->text(), QStringLiteral("Mot - "));
  EXPECT_EQ(Find<QLabel>("Label10")->text(), QStringLiteral("Rum"));
}

TEST_F(LayoutTest, LimitCaptionsAddedAtStart) {
  EXPECT_EQ(Find<QGroupBox>("GroupBox10")->title(),
            QStringLiteral("Anläggning - Max antal tecken 60 per rad"));
  EXPECT_EQ(Find<QGroupBox>("GroupBox11")->title(),
            QStringLiteral("Signatur - Max antal tecken 25"));
}

TEST_F(LayoutTest, PixelsLabelShowsTheResolution) {
  const QString text = Find<QLabel>("Pixels")->text();
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^Din skärmupplösning är \\d+ pixels / tum$"))
                  .match(text)
                  .hasMatch())
      << text.toStdString();
  EXPECT_TRUE(text.contains(QString::number(form->logicalDpiX())));
}

TEST_F(LayoutTest, RoomDefaults) {
  EXPECT_EQ(ui->RumsNamn->text(), QString());
  EXPECT_EQ(ui->RumsTemp->text(), QStringLiteral("20"));
  EXPECT_EQ(ui->Rot->text(), QStringLiteral("20"));
  EXPECT_EQ(ui->MinRot->text(), QStringLiteral("20"));  // copied from Rot at start
  EXPECT_TRUE(ui->MinRot->isReadOnly());
  EXPECT_EQ(ui->IncROT->text(), QStringLiteral("0"));
  EXPECT_FALSE(ui->IncROT->isEnabled());
  EXPECT_EQ(ui->LuftHastComboBox->currentText(), QStringLiteral("0,15"));
  EXPECT_TRUE(ui->LuftHastComboBox->isEditable());
  QStringList speeds;
  for (int i = 0; i < ui->LuftHastComboBox->count(); ++i) speeds << ui->LuftHastComboBox->itemText(i);
  EXPECT_EQ(speeds, (QStringList{"0", "0,1", "0,15", "0,20", "0,25", "0,30", "0,35", ">0,35"}));
  EXPECT_EQ(ui->WattPerKvmTak->text(), QStringLiteral("0"));
  EXPECT_EQ(ui->Temp05OG->text(), QStringLiteral("0"));
  EXPECT_EQ(ui->Temp18OG->text(), QStringLiteral("0"));
  EXPECT_EQ(ui->Nummer->text(), QStringLiteral("1"));
  EXPECT_TRUE(ui->Nummer->isReadOnly());
  EXPECT_TRUE(ui->Nummer->font().bold());
  EXPECT_EQ(ui->UpDown1->Min(), 1);
  EXPECT_EQ(ui->UpDown1->Max(), 1);
  EXPECT_EQ(ui->UpDown1->Position(), 1);
  EXPECT_FALSE(ui->GroupBox14->isEnabled());  // no project open yet
  EXPECT_FALSE(ui->CheckBox1->isChecked());
  EXPECT_EQ(ui->CheckBox1->text(), QStringLiteral("&Visa koordinatsystem"));
  EXPECT_EQ(ui->RadioGroup1->ItemIndex(), 0);
  QStringList systems;
  for (int i = 0; i < ui->RadioGroup1->Count(); ++i) systems << ui->RadioGroup1->Button(i)->text();
  EXPECT_EQ(systems, (QStringList{"Radiator", "Konvektor", "Varmluft", "Takvärme", "Golvvärme",
                                  "Eget alternativ"}));
  EXPECT_FALSE(form->Projekt().DataAendrad());
}

TEST_F(LayoutTest, FileTabDefaults) {
  EXPECT_EQ(ui->TextStorlek->value(), 10);
  EXPECT_EQ(ui->TextStorlek->minimum(), 8);
  EXPECT_EQ(ui->TextStorlek->maximum(), 12);
  EXPECT_EQ(ui->Radavst->value(), 15);
  EXPECT_EQ(ui->Radavst->minimum(), 10);
  EXPECT_EQ(ui->Radavst->maximum(), 20);
  EXPECT_FALSE(ui->SaveAsButton->isEnabled());
  EXPECT_FALSE(ui->SparaSom1->isEnabled());
  EXPECT_TRUE(ui->UserComboBox->isEditable());
  EXPECT_EQ(ui->UserComboBox->count(), 0);
  for (const char* name : {"Örjan", "anna", "Bertil", ""}) ui->UserComboBox->addItem(QString::fromUtf8(name));
  QStringList users;
  for (int i = 0; i < ui->UserComboBox->count(); ++i) users << ui->UserComboBox->itemText(i);
  EXPECT_EQ(users, (QStringList{"", "anna", "Bertil", "Örjan"}));  // kept sorted
  EXPECT_EQ(ui->UserGroupBox->toolTip(),
            QStringLiteral("För att starta i senaste bibliotek för angiven användare"));
  EXPECT_EQ(ui->NyAnvButton->toolTip(), QStringLiteral("Registrera ny användare"));
  EXPECT_EQ(ui->RedigeraUserButton->toolTip(), QStringLiteral("Redigera användar fil"));
}

TEST_F(LayoutTest, SummaryTabDefaults) {
  EXPECT_EQ(ui->VisaResultatRadioGroup->ItemIndex(), -1);
  EXPECT_EQ(ui->VisaResultatRadioGroup->Count(), 3);
  EXPECT_EQ(ui->VisaResultatRadioGroup->Button(2)->text(), QStringLiteral("Resultat &Detalj"));
  EXPECT_FALSE(ui->CheckBox2->isChecked());
  for (QCheckBox* always : {ui->IndataCheckBox, ui->ResultatCheckBox}) {
    EXPECT_TRUE(always->isChecked());
    EXPECT_FALSE(always->isEnabled());  // input and results are always printed
  }
  for (QCheckBox* optional : {ui->ResultDetaljCheckBox, ui->WallsCheckBox}) {
    EXPECT_TRUE(optional->isChecked());
    EXPECT_TRUE(optional->isEnabled());
  }
  EXPECT_EQ(ui->UtskriftVyerSpeedButton->toolTip(), QStringLiteral("Skriv ut enligt val."));
}

// Every box takes what its record field holds: no more characters, and
// only characters the file's code page stores.
TEST_F(LayoutTest, TypingPastTheLimitsIsRefused) {
  ui->IncROT->setEnabled(true);
  const std::pair<QLineEdit*, int> limited[] = {
      {ui->RumsNamn, 15}, {ui->Anl1, 60}, {ui->Anl2, 60}, {ui->Signatur, 25},
      {ui->UserComboBox->lineEdit(), 20}, {ui->Datum, 15}, {ui->RevDatum, 15},
      {ui->RumsTemp, 5}, {ui->Rot, 5}, {ui->IncROT, 5}, {ui->LuftHastComboBox->lineEdit(), 5},
      {ui->WattPerKvmTak, 5}, {ui->Temp05OG, 5}, {ui->Temp18OG, 5}};
  for (auto [edit, limit] : limited) {
    // Typed as a user does: a number box's handler may refuse the text.
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    Type(edit, QStringLiteral("ā€łö"));
    EXPECT_EQ(edit->text(), QStringLiteral("€ö")) << edit->objectName().toStdString();
    QTest::keyClicks(edit, QString(limit + 1, QLatin1Char('x')));
    EXPECT_EQ(edit->text().size(), limit) << edit->objectName().toStdString();
  }
  ui->RumsNamn->setText(QString(15, QLatin1Char('x')));
  QTest::keyClicks(ui->RumsNamn, QStringLiteral("y"));
  EXPECT_EQ(ui->RumsNamn->text(), QString(15, QLatin1Char('x')));
}

TEST_F(LayoutTest, MainSurfaceChooserTakesNoFreeText) {
  QComboBox* chooser = ui->ComboBox1;
  EXPECT_FALSE(chooser->isEditable());
  EXPECT_EQ(chooser->lineEdit(), nullptr);
  EXPECT_EQ(chooser->currentIndex(), -1);  // no main surface chosen at start
  EXPECT_EQ(chooser->maxVisibleItems(), 6);
  QStringList items;
  for (int i = 0; i < chooser->count(); ++i) items << chooser->itemText(i);
  EXPECT_EQ(items, (QStringList{"Vägg fram", "Vägg vänster", "Vägg höger", "Vägg bak", "Golv", "Tak"}));
  QTest::keyClicks(chooser, QStringLiteral("qwerty"));
  EXPECT_TRUE(chooser->currentText().isEmpty() || items.contains(chooser->currentText()));
  EXPECT_EQ(chooser->count(), 6);
}

TEST_F(LayoutTest, HeatingPanelsOnlyForCeilingHeatingAndOwnProfile) {
  ShowActive();
  ui->PageControl1->setCurrentIndex(TForm1::kIndata);
  // A click on "Takvärme" shows its panel, and counts as a change.
  ASSERT_FALSE(form->Projekt().DataAendrad());
  QTest::mouseClick(ui->RadioGroup1->Button(3), Qt::LeftButton);
  EXPECT_TRUE(ui->TakHeatPanel->isVisible());
  EXPECT_FALSE(ui->EgetAltPanel->isVisible());
  EXPECT_TRUE(form->Projekt().DataAendrad());
  for (int system = 0; system < 6; ++system) {
    ui->RadioGroup1->SetItemIndex(system);
    EXPECT_EQ(ui->TakHeatPanel->isVisible(), system == 3) << system;
    EXPECT_EQ(ui->EgetAltPanel->isVisible(), system == 5) << system;
  }
}

// The heating panel takes the right column's spare height; the ten control
// points and the chosen system's own inputs stay in view in the smallest window.
TEST_F(LayoutTest, HeatingPanelStretchesAndThePointsStayInView) {
  ShowActive();
  ui->PageControl1->setCurrentIndex(TForm1::kIndata);
  std::vector<int> pointHeights, panelHeights;
  for (const int height : {535, 760}) {
    form->resize(764, height);
    for (int system = 0; system < 6; ++system) {
      ui->RadioGroup1->SetItemIndex(system);
      QApplication::processEvents();
      EXPECT_FALSE(ui->StringGrid2->VerticalScrollBarShown()) << height << " " << system;
      EXPECT_LE(ui->Panel2->mapTo(ui->Indata, QPoint(0, ui->Panel2->height())).y(), ui->Indata->height());
      EXPECT_GE(ui->Panel2->height(), ui->Panel2->minimumSizeHint().height()) << height << " " << system;
    }
    pointHeights.push_back(ui->GroupBox6->height());
    panelHeights.push_back(ui->Panel2->height());
  }
  EXPECT_EQ(pointHeights[0], pointHeights[1]);
  EXPECT_LT(panelHeights[0], panelHeights[1]);
}

TEST_F(LayoutTest, GridsHaveTheirShapeAndHeadings) {
  TStringGrid* surfaces = ui->StringGrid1;
  EXPECT_EQ(surfaces->ColCount(), 9);
  EXPECT_EQ(surfaces->RowCount(), 10);
  EXPECT_EQ(surfaces->FixedRows(), 2);
  EXPECT_EQ(surfaces->DefaultRowHeight(), 17);
  EXPECT_TRUE(surfaces->Editable());
  EXPECT_EQ(surfaces->toolTip(), QStringLiteral("Tryck F2 för att sätta kontrollpunkt för vald yta"));
  TStringGrid* points = ui->StringGrid2;
  EXPECT_EQ(points->ColCount(), 3);
  EXPECT_EQ(points->RowCount(), 11);
  EXPECT_EQ(points->FixedRows(), 1);
  EXPECT_EQ(points->DefaultRowHeight(), 15);
  EXPECT_TRUE(points->Editable());
  EXPECT_EQ(points->toolTip(), QStringLiteral("Tryck -Delete- för att ta bort markerad rad"));
  TStringGrid* summary = ui->StringGrid3;
  EXPECT_EQ(summary->ColCount(), 17);
  EXPECT_EQ(summary->RowCount(), 4);
  EXPECT_EQ(summary->FixedRows(), 3);
  EXPECT_FALSE(summary->Editable());

  form->FormActivate();
  const QStringList top = {"Namn huvudyta", "X1", "X2", "Y1", "Y2", "u-värde", "mi", "Temp", "Yttemp."};
  const QStringList units = {"Namn delytor", "m", "m", "m", "m", "W/m2*k", "m2*K/W", "utsida", "grad C"};
  for (int c = 0; c < 9; ++c) {
    EXPECT_EQ(surfaces->Cells(c, 0), top[c]);
    EXPECT_EQ(surfaces->Cells(c, 1), units[c]);
  }
  EXPECT_EQ(points->Cells(0, 0), QStringLiteral("Xp"));
  EXPECT_EQ(points->Cells(2, 0), QStringLiteral("Zp"));
}

TEST_F(LayoutTest, MenuEntries) {
  QStringList menus;
  for (QAction* action : ui->MainMenu1->actions()) menus << action->text();
  EXPECT_EQ(menus, (QStringList{"&Filer", "F&el", "&Verktyg", "&Hjälp"}));
  QStringList files;
  for (QAction* action : ui->Filer1->actions()) files << (action->isSeparator() ? "-" : action->text());
  EXPECT_EQ(files, (QStringList{"&Ny", "&Öppna...", "Spara &Som...", "-", "&Konvertering", "-",
                                "Radera &Bibl", "&Radera Fil", "-", "&Avsluta"}));
  EXPECT_EQ(ui->Sk1->text(), QStringLiteral("&Sök"));
  EXPECT_EQ(ui->Visa1->text(), QStringLiteral("&Visa"));
  QStringList help;
  for (QAction* action : ui->Hjalp1->actions()) help << (action->isSeparator() ? "-" : action->text());
  EXPECT_EQ(help, (QStringList{"&Manual", "-", "&Om.."}));
  QStringList tools;
  for (QAction* action : ui->Verktyg1->actions()) tools << action->text();
  EXPECT_EQ(tools, (QStringList{"ROT-&karta...", "Exportera tabell (CSV)..."}));
}

TEST_F(LayoutTest, SizeAndPlace) {
  EXPECT_EQ(form->minimumSize(), QSize(764, 535));
  form->resize(300, 200);
  EXPECT_GE(form->width(), 764);
  EXPECT_GE(form->height(), 535);
  ShowActive();
  const QRect available = form->screen()->availableGeometry();
  EXPECT_EQ(form->pos(), available.topLeft());
}

TEST_F(LayoutTest, ColoursOfTheWindow) {
  const QColor maroon(0x80, 0, 0);
  const QColor blue(0, 0, 0xff);
  const QColor navy(0, 0, 0x80);
  EXPECT_EQ(ui->GroupBox5->palette().color(QPalette::WindowText), maroon);
  EXPECT_EQ(ui->RumsNamn->palette().color(QPalette::Text), blue);
  EXPECT_EQ(ui->StringGrid1->palette().color(QPalette::Text), blue);
  EXPECT_EQ(ui->ComboBox1->palette().color(QPalette::ButtonText), blue);
  EXPECT_EQ(ui->OpenButton->palette().color(QPalette::ButtonText), navy);
  MarkField(ui->RumsNamn, true);
  EXPECT_EQ(ui->RumsNamn->palette().color(QPalette::Base), QColor(Qt::red));
  MarkField(ui->RumsNamn, false);
  EXPECT_EQ(ui->RumsNamn->palette().color(QPalette::Base),
            QApplication::palette().color(QPalette::Base));
}

TEST_F(LayoutTest, OtherWindowsCreatedHidden) {
  ASSERT_NE(form->Form2, nullptr);
  ASSERT_NE(form->ChooseDirForm, nullptr);
  ASSERT_NE(form->AboutBox, nullptr);
  EXPECT_FALSE(form->Form2->isVisible());
  EXPECT_FALSE(form->ChooseDirForm->isVisible());
  EXPECT_FALSE(form->AboutBox->isVisible());
  EXPECT_EQ(form->Form2->StringGrid1->ColCount(), 5);
  EXPECT_EQ(form->Form2->StringGrid1->FixedRows(), 1);
  EXPECT_FALSE(form->Form2->StringGrid1->Editable());
  EXPECT_EQ(form->Form2->SkrivarValButton->text(), QStringLiteral("&Välj"));
  EXPECT_EQ(form->Form2->SkrivarValButton->toolTip(), QStringLiteral("Välj skrivare"));
  EXPECT_EQ(form->Form2->SpeedButton1->text(), QStringLiteral("Print"));
  EXPECT_EQ(form->Form2->size(), QSize(472, 144));
  EXPECT_EQ(form->ChooseDirForm->DirEdit->maxLength(), 8);
  EXPECT_TRUE(form->ChooseDirForm->DirEdit->isReadOnly());
}

}  // namespace
}  // namespace virano::testing
