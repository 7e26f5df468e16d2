// Pictures of the windows for a person to look at, written into the folder
// VIRANO_SCREENS names, under a real display: scripts/screenshots.sh.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QMessageBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QCheckBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QPrinter>

#include "app/RecordText.h"
#include "app/SkrivardialogTexter.h"
#include "project/users.h"
#include "support/ProjectFixture.h"
#include "support/WindowFixture.h"
#include "widgets/PageControl.h"
#include "widgets/PaintBox.h"
#include "widgets/RadioGroup.h"
#include "widgets/StringGrid.h"
#include "widgets/UpDown.h"
#include "windows/FelInfo.h"
#include "windows/Karta.h"
#include "windows/Katalog.h"
#include "windows/Ombox.h"
#include "windows/Splash.h"

namespace virano::testing {
namespace {

class Screenshots : public WindowTest {
 protected:
  void SetUp() override {
    dir_ = qEnvironmentVariable("VIRANO_SCREENS");
    ASSERT_FALSE(dir_.isEmpty()) << "VIRANO_SCREENS names the folder for the pictures";
    QDir().mkpath(dir_);
    WindowTest::SetUp();
  }
  void Save(QWidget* widget, const QString& name) {
    QApplication::processEvents();
    EXPECT_TRUE(widget->grab().save(dir_ + QLatin1Char('/') + name + QStringLiteral(".png")));
  }
  // A new project in `projects`, shown on "Indata" with room 1 named.
  void NewProjectOnIndata(const QTemporaryDir& projects) {
    ShowActive();
    dialogs.files.push_back(projects.filePath(QStringLiteral("Skolan.rot")));
    form->OpenButtonClick();
    ASSERT_TRUE(ui->PageControl1->SelectPage(TForm1::kIndata));
    ui->RumsNamn->setText(QStringLiteral("Kontor 12"));
  }
  QString dir_;
};

TEST_F(Screenshots, EachTab) {
  ShowActive();
  const char* names[] = {"1-filhantering", "2-allmanna-indata", "3-indata", "4-sammanstallning"};
  for (int i = 0; i < 4; ++i) {
    ui->PageControl1->setCurrentIndex(i);
    Save(form.get(), QString::fromLatin1(names[i]));
  }
  // The ceiling heating panel and a larger window.
  ui->PageControl1->setCurrentIndex(TForm1::kIndata);
  ui->RadioGroup1->SetItemIndex(5);
  form->resize(1100, 760);
  Save(form.get(), QStringLiteral("5-indata-stor-eget-alternativ"));
}

TEST_F(Screenshots, SplashAndAbout) {
  auto* splash = new TSplashForm;
  splash->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(splash));
  Save(splash, QStringLiteral("6-splash"));
  splash->close();
  form->AboutBox->Version->setText(QStringLiteral("Version 1,12"));
  form->AboutBox->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form->AboutBox.get()));
  Save(form->AboutBox.get(), QStringLiteral("7-om"));
  form->AboutBox->hide();
}

// The real message boxes: the warning on entering "Indata" without a
// project, and the closing question.
TEST_F(Screenshots, MessageBoxes) {
  ShowActive();
  QtDialogs real(form.get());
  auto grabAndClose = [this](const QString& name, QMessageBox::StandardButton button) {
    QTimer::singleShot(100, [this, name, button] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      Save(box, name);
      box->button(button)->click();
    });
  };
  grabAndClose(QStringLiteral("8-varning-ingen-fil"), QMessageBox::Ok);
  real.Message(QStringLiteral("Ingen fil är vald\ringen ROT-beräkning utförs\r"
                              "data sparas ej vid byte av huvudyta"),
               MessageKind::Warning);
  grabAndClose(QStringLiteral("9-avsluta"), QMessageBox::No);
  EXPECT_FALSE(real.QuestionYesNo(QStringLiteral("Avsluta programmet?")));
}

// "Indata" with a project open and a room filled in.
TEST_F(Screenshots, IndataWithARoom) {
  QTemporaryDir projects;
  NewProjectOnIndata(projects);
  ui->RumsTemp->setText(QStringLiteral("21"));
  const QStringList rows[] = {
      {QStringLiteral("Vägg fram"), QStringLiteral("0"), QStringLiteral("4,8"), QStringLiteral("0"),
       QStringLiteral("2,7"), QStringLiteral("0,3"), QStringLiteral("0,13"), QStringLiteral("-20"),
       QStringLiteral("19,4")},
      {QStringLiteral("Fönster"), QStringLiteral("1,2"), QStringLiteral("3,6"), QStringLiteral("0,9"),
       QStringLiteral("2,1"), QStringLiteral("1,8"), QStringLiteral("0,13"), QStringLiteral("-20"),
       QStringLiteral("11,6")},
      {QStringLiteral("Radiator"), QStringLiteral("1,2"), QStringLiteral("3,6"), QStringLiteral("0,1"),
       QStringLiteral("0,7"), {}, {}, {}, QStringLiteral("55")}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 9; ++c) ui->StringGrid1->SetCells(c, 2 + r, rows[r][c]);
  ui->StringGrid2->SetCells(0, 1, QStringLiteral("2,4"));
  ui->StringGrid2->SetCells(1, 1, QStringLiteral("1,1"));
  ui->StringGrid2->SetCells(2, 1, QStringLiteral("0,6"));
  ui->UpDown1->SetMax(3);
  Save(form.get(), QStringLiteral("10-indata-med-rum"));

  // The drawing with three points and the axis cross, close up, and the
  // screen while another window covers the main window and after it went.
  for (int c = 0; c < 3; ++c) {
    ui->StringGrid2->SetCells(c, 3, QStringList{"0,6", "2,2", "1"}[c]);
    ui->StringGrid2->SetCells(c, 4, QStringList{"4,5", "0,4", "0,6"}[c]);
  }
  form->PaintBox1Click();
  ui->CheckBox1->setChecked(true);
  Save(form.get(), QStringLiteral("14-ritning"));
  const QPixmap drawing = ui->PaintBox1->grab();
  EXPECT_TRUE(drawing.scaled(drawing.size() * 3).save(dir_ + "/14-ritning-forstorad.png"));
  QWidget cover;
  cover.setGeometry(form->frameGeometry());
  for (const char* name : {"15-ritning-tackt", "16-ritning-efter-tackning"}) {
    cover.setVisible(!cover.isVisible());
    QTest::qWait(300);
    EXPECT_TRUE(form->screen()->grabWindow(form->winId()).save(dir_ + '/' + name + ".png"));
  }
  // The smallest window with each system's own inputs.
  form->resize(form->minimumSize());
  ui->RadioGroup1->SetItemIndex(3);
  Save(form.get(), QStringLiteral("33-indata-takvarme"));
  ui->RadioGroup1->SetItemIndex(5);
  Save(form.get(), QStringLiteral("34-indata-eget-alternativ"));
  ui->RadioGroup1->SetItemIndex(0);
  form->resize(1100, 760);
  Save(form.get(), QStringLiteral("11-indata-med-rum-stor"));
  ui->PageControl1->setCurrentIndex(TForm1::kAllmIndata);
  Save(form.get(), QStringLiteral("12-allmanna-indata-projekt"));
}

// The open and save dialogs in a folder with a project, and the printer set-up dialog.
TEST_F(Screenshots, FileDialogs) {
  QTemporaryDir projects;
  QFile file(projects.filePath(QStringLiteral("Kontorshuset vid torget.rot")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(QByteArray(39998, '\0')) > 0);
  file.close();
  QtDialogs real(form.get());
  FileDialogOptions options;
  options.filter = QStringLiteral("Indata filer (*.rot)|*.rot|Alla filer (*.*)|*.*");
  options.startDir = projects.path();
  QPrinter printer;
  const std::pair<const char*, std::function<void()>> shown[] = {
      {"30-oppna", [&] { real.OpenFile(options); }},
      {"31-spara-som", [&] { real.SaveFile(options); }},
      {"32-skrivare", [&] { real.PrinterSetup(printer, PrinterChoice::Print); }}};
  for (const auto& [name, show] : shown) {
    QTimer::singleShot(300, [this, name = name] {
      Save(QApplication::activeModalWidget(), QString::fromLatin1(name));
      QApplication::activeModalWidget()->close();
    });
    show();
  }
}

// The message that refuses a project of another version.
TEST_F(Screenshots, VersionMessage) {
  ShowActive();
  QtDialogs real(form.get());
  QTimer::singleShot(100, [this] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    Save(box, QStringLiteral("13-version"));
    box->button(QMessageBox::Ok)->click();
  });
  real.Message(QStringLiteral("Filen är skapad av programversion 2.x. Konvertering till denna "
                              "programverion 1,12 behövs. Använd medföljande konverteringsprogram. "
                              "Se manual"),
               MessageKind::Information);
}

// "Filhantering" with registered users, the list open; the directory
// dialog on a folder of projects.
TEST_F(Screenshots, UsersAndDirectoryDialog) {
  QTemporaryDir projects;
  UserFile users(FilePath(programDir.filePath(QStringLiteral("Custom.roi"))));
  users.Create();
  for (const char* name : {"", "Anna", "Bo-Göran", "Åsa"})
    users.Append(MakeUser(name, projects.path().toStdString()));
  MakeForm();
  ShowActive();
  ui->UserComboBox->setEditText(QStringLiteral("Anna"));
  Save(form.get(), QStringLiteral("anvandare-filhantering"));
  ui->UserComboBox->showPopup();
  QApplication::processEvents();
  Save(ui->UserComboBox->view()->window(), QStringLiteral("anvandare-lista"));
  ui->UserComboBox->hidePopup();

  for (const char* folder : {"Skolan/Etapp 1", "Skolan/Etapp 2", "Kontoret"}) QDir(projects.path()).mkpath(folder);
  TChooseDirForm& dialog = *form->ChooseDirForm;
  dialog.setWindowTitle(QStringLiteral("Radera bibliotek"));
  dialog.show();
  dialog.SetDirectory(projects.filePath(QStringLiteral("Skolan/Etapp 2")));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  QTest::qWait(1000);  // the folder tree fills in the background
  Save(&dialog, QStringLiteral("radera-bibliotek"));
  dialog.hide();
}

// "Indata" with the surface temperatures computed as the cursor leaves the
// rows, a window wider than its wall and a row without a surface temperature.
TEST_F(Screenshots, IndataWithRedCellsAndSurfaceTemperatures) {
  QTemporaryDir projects;
  NewProjectOnIndata(projects);
  TStringGrid* grid = ui->StringGrid1;
  const QStringList rows[] = {{"Vägg fram", "0", "4,8", "0", "2,7", "0,3", "0,13", "-20"},
                              {"Fönster", "1,2", "5,6", "0,9", "2,1", "1,8", "0,13", "-20"},
                              {"Radiator", "1,2", "3,6", "0,1", "0,7"}};
  grid->setFocus();
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < rows[r].size(); ++c)
      grid->SetCells(c, 2 + r, QString(rows[r][c]).replace(',', form->DecimalPunkt() ? '.' : ','));
    grid->MoveTo(7, 2 + r);
  }
  grid->MoveTo(0, 5);
  Save(form.get(), QStringLiteral("20-indata-rod-cell-yttemperatur"));
  EXPECT_TRUE(form->Projekt().FelMarkerat());
}

// "Sammanställning" in its three views, a room with a gap, and the error
// list of a room without a floor.
TEST_F(Screenshots, SummaryAndErrorList) {
  ShowActive();
  QTemporaryDir projects;
  const QString path = projects.filePath(QStringLiteral("Skolan.rot"));
  WriteProject(path, {"Kontor 12", "Hall", "Förråd"}, [](int k, TRoomRecord& room) {
    SetCells(room.Ytor[FrontWall][0], QStringLiteral("Vägg fram|0|4|0|4|0,3|0,13|-20|19"));
    SetCells(room.Ytor[FrontWall][1], QStringLiteral("Fönster|1|3|1|2|1,8|0,13|-20|12"));
    SetCells(room.Ytor[FrontWall][2], QStringLiteral("Radiator|1|3|0,1|0,7||||45"));
    SetCells(room.Punkter[FrontWall][0], QStringLiteral("2|1,2|1"));
    SetCells(room.Punkter[FrontWall][1], QStringLiteral("1|1,2|0,6"));
    SetCells(room.Punkter[Floor][0], QStringLiteral("1|2,5|0,6"));
    if (k == 2) room.Ytor[Ceiling][0].X2.SetText("1");  // a gap: sums below 1,00
    if (k == 3) room.Ytor[Floor][0] = TSurfaceRow{};
    if (k == 3) SetCells(room.Ytor[RearWall][1], QStringLiteral("Dörr 1|1|2|0|2|1|1"));
  });
  dialogs.files.push_back(path);
  form->OpenButtonClick();
  ui->UpDown1->SetPosition(1);
  form->resize(form->minimumSize());
  ASSERT_TRUE(ui->PageControl1->SelectPage(TForm1::kSammanst));
  Save(form->Form2.get(), QStringLiteral("18-felmeddelande-forsta-visningen"));
  Save(form.get(), QStringLiteral("14-sammanstallning-indata-minsta"));
  form->resize(1100, 760);
  Save(form.get(), QStringLiteral("14-sammanstallning-indata"));
  ui->VisaResultatRadioGroup->SetItemIndex(1);
  Save(form.get(), QStringLiteral("15-sammanstallning-resultat"));
  ui->VisaResultatRadioGroup->SetItemIndex(2);
  Save(form.get(), QStringLiteral("16-sammanstallning-resultat-detalj"));
  ui->VisaResultatRadioGroup->SetItemIndex(1);
  ui->ComboBox2->setCurrentIndex(1);
  form->ComboBox2Change();
  Save(form.get(), QStringLiteral("17-sammanstallning-resultat-glipa"));
  ui->UpDown1->SetPosition(3);
  form->Sk1Click();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Form2.get()));
  Save(form->Form2.get(), QStringLiteral("18-felmeddelande"));
  form->Form2->resize(760, 144);
  Save(form->Form2.get(), QStringLiteral("19-felmeddelande-bredare"));

  // The first room's reports and the error list as PDF files, for pdftoppm.
  dialogs.printToFile = dir_ + QStringLiteral("/20-utskrift-kontor.pdf");
  dialogs.printerAnswers.push_back(true);
  ui->ComboBox2->setCurrentIndex(0);
  form->UtskriftVyerSpeedButtonClick();
  dialogs.printToFile = dir_ + QStringLiteral("/21-fellista.pdf");
  dialogs.printerAnswers.push_back(true);
  form->Form2->SkrivarValButtonClick();
  form->Form2->SpeedButton1Click();
}

// Qt's print dialog in Swedish, with its options shown.
TEST_F(Screenshots, PrintDialog) {
  ShowActive();
  TSkrivardialogTexter texts;
  QApplication::installTranslator(&texts);
  QTimer::singleShot(1000, [this] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    Save(dialog, QStringLiteral("22-skrivardialog"));
    for (auto* button : dialog->findChildren<QPushButton*>())
      if (button->text().contains(QStringLiteral(">>"))) button->click();
    Save(dialog, QStringLiteral("23-skrivardialog-alternativ"));
    dialog->close();
  });
  form->Skrivare().setDocName(QStringLiteral("Skolan"));  // as SkrivarVal names it
  QtDialogs(form.get()).PrinterSetup(form->Skrivare(), PrinterChoice::Print);
  QApplication::removeTranslator(&texts);
}

// An office whose front wall has a window at `window` °C above a warm
// radiator, and a control point in front of it.
QString WriteOffice(const QTemporaryDir& projects, const char* window) {
  const QString file = projects.filePath(QStringLiteral("Skolan.rot"));
  WriteProject(file, {"Kontor 12"}, [window](int k, TRoomRecord& r) {
    if (k == 0) return;
    const char* sizes[] = {"|0|4|0|2,5||||19", "|0|5|0|2,5||||20", "|0|5|0|2,5||||20",
                           "|0|4|0|2,5||||20", "|0|4|0|5||||20",   "|0|4|0|5||||20"};
    for (int s = 0; s < kMainSurfaceCount; ++s)
      SetCells(r.Ytor[s][0], FieldText(r.Ytor[s][0].Namn) + QLatin1String(sizes[s]));
    SetCells(r.Ytor[FrontWall][1], QStringLiteral("Fönster|0,8|3,2|1|2,2||||") + window);
    SetCells(r.Ytor[FrontWall][2], QStringLiteral("Radiator|1|3|0,15|0,75||||45"));
    SetCells(r.Punkter[FrontWall][0], QStringLiteral("2|1,2|1"));
    r.MinRot.SetText("20,5");
  });
  return file;
}

// The ROT map of the office's front wall, the mouse over the window.
TEST_F(Screenshots, RotKarta) {
  ShowActive();
  const QTemporaryDir projects;
  dialogs.files.push_back(WriteOffice(projects, "12"));
  form->OpenButtonClick();
  ui->RotKarta1->trigger();
  TKartaForm* karta = form->KartaForm;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(karta));
  QTRY_VERIFY_WITH_TIMEOUT(!karta->Beraknar(), 30000);
  const QPoint over(karta->KartaYta->width() / 3, karta->KartaYta->height() / 3);
  QMouseEvent move(QEvent::MouseMove, over, karta->KartaYta->mapToGlobal(over), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(karta->KartaYta, &move);
  EXPECT_FALSE(karta->Punkt->text().isEmpty());
  Save(karta, QStringLiteral("24-rot-karta"));
}

// The radiant temperature asymmetry 0,6 m before the office's front wall,
// its window at 3 °C on a frosty day: the cells over the cool wall's limit
// hatched.
TEST_F(Screenshots, AsymmetriKarta) {
  ShowActive();
  const QTemporaryDir projects;
  dialogs.files.push_back(WriteOffice(projects, "3"));
  form->OpenButtonClick();
  ui->RotKarta1->trigger();
  TKartaForm* karta = form->KartaForm;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(karta));
  QTRY_VERIFY_WITH_TIMEOUT(!karta->Beraknar(), 30000);
  karta->Avstand->setText(QStringLiteral("0,6"));
  emit karta->Avstand->editingFinished();
  karta->Storhet->setCurrentIndex(1);
  QTRY_VERIFY_WITH_TIMEOUT(!karta->Beraknar(), 30000);
  EXPECT_TRUE(karta->Status->text().contains(QStringLiteral("över gränsen")));
  Save(karta, QStringLiteral("25-asymmetri-karta"));
}

}  // namespace
}  // namespace virano::testing
