// Start, closing, the help menu and the edits that mark the window changed.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include "support/WindowFixture.h"
#include "widgets/PageControl.h"
#include "windows/Ombox.h"
#include "windows/Splash.h"

namespace virano::testing {
namespace {

class LifecycleTest : public WindowTest {};

TEST(DecimalPunktTest, PointWhenTheLocaleCannotRead22) {
  EXPECT_FALSE(SystemDecimalPunkt(QLocale(QLocale::Swedish, QLocale::Sweden)));
  EXPECT_FALSE(SystemDecimalPunkt(QLocale(QLocale::German, QLocale::Germany)));
  EXPECT_TRUE(SystemDecimalPunkt(QLocale::c()));
  // "2,2" is not 22 with a thousands separator either.
  EXPECT_TRUE(SystemDecimalPunkt(QLocale(QLocale::English, QLocale::UnitedStates)));
}

TEST_F(LifecycleTest, StartStateFromFormCreate) {
  EXPECT_EQ(form->DecimalPunkt(), SystemDecimalPunkt(QLocale::system()));
  EXPECT_EQ(form->ProgramBibl(), QDir::toNativeSeparators(programDir.path()));
  EXPECT_TRUE(form->Projekt().FilNamn().isEmpty());
  EXPECT_FALSE(form->Projekt().FilOK());
  EXPECT_FALSE(form->Projekt().DataAendrad());
  EXPECT_FALSE(form->Projekt().FelMarkerat());
  EXPECT_FALSE(form->Projekt().RumEjLagrat());
  EXPECT_TRUE(form->StartFil().isEmpty());
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(LifecycleTest, FirstArgumentIsKeptAsTheProjectToOpen) {
  QTemporaryDir dir;
  const QString project = dir.filePath(QStringLiteral("hus.rot"));
  TForm1 started(dialogs, {project, QStringLiteral("extra")}, nullptr, programDir.path());
  EXPECT_EQ(started.StartFil(), project);
}

TEST_F(LifecycleTest, FormCreateClosesTheSplash) {
  QPointer<TSplashForm> splash = new TSplashForm;
  splash->show();
  EXPECT_EQ(splash->size(), QSize(341, 256));
  EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
  TForm1 started(dialogs, {}, splash, programDir.path());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(splash.isNull());
}

TEST_F(LifecycleTest, AnsweringNoKeepsTheWindow) {
  ShowActive();
  dialogs.answers = {false};
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(dialogs.calls, (std::vector{BeepCall(), YesNoCall(QStringLiteral("Avsluta programmet?"))}));
}

TEST_F(LifecycleTest, ExitAsksAndClosesOnYes) {
  ShowActive();
  bool closed = false;
  QObject::connect(form.get(), &TForm1::Closed, [&] { closed = true; });
  dialogs.answers = {false, true};
  QTest::mouseClick(ui->ExitSpeedButton, Qt::LeftButton);
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(closed);
  ui->Avsluta1->trigger();
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(closed);
  EXPECT_EQ(dialogs.Beeps(), 2);
}

TEST_F(LifecycleTest, AnErrorWhileClosingKeepsTheWindow) {
  ShowActive();
  // No answer prepared: the scripted question fails; the general error
  // display shows it and the window stays.
  QTest::mouseClick(ui->ExitSpeedButton, Qt::LeftButton);
  EXPECT_TRUE(form->isVisible());
  ASSERT_FALSE(dialogs.Messages().empty());
  EXPECT_EQ(dialogs.calls.back().messageKind, MessageKind::Error);
}

// A window going away lets the focus go while it is whole: a box finishing
// its edit on the way reaches live handlers.
TEST_F(LifecycleTest, TheFocusLeavesBeforeTheWindowGoes) {
  ShowActive();
  ui->LuftHastComboBox->setFocus();
  QObject* window = form.get();
  bool whole = false;
  QObject watch;
  QObject::connect(qApp, &QApplication::focusChanged, &watch,
                   [&] { whole = qobject_cast<TForm1*>(window) != nullptr; });
  form.reset();
  EXPECT_TRUE(whole);
}

// An edit of a general-data box or a report setting marks the window changed.
class GeneralDataEditTest : public WindowTest,
                            public ::testing::WithParamInterface<void (*)(Kontroller&)> {};

TEST_P(GeneralDataEditTest, MarksTheWindowChanged) {
  EXPECT_FALSE(form->Projekt().DataAendrad());
  GetParam()(*ui);
  EXPECT_TRUE(form->Projekt().DataAendrad());
}

std::string GeneralDataEditName(const ::testing::TestParamInfo<void (*)(Kontroller&)>& info) {
  const char* names[] = {"Anl1Typed", "Anl2Set", "SignaturTyped", "TextStorlekStepped", "RadavstSet"};
  return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(
    Lifecycle, GeneralDataEditTest,
    ::testing::Values([](Kontroller& k) { QTest::keyClicks(k.Anl1, QStringLiteral("A")); },
                      [](Kontroller& k) { k.Anl2->setText(QStringLiteral("B")); },
                      [](Kontroller& k) { QTest::keyClicks(k.Signatur, QStringLiteral("C")); },
                      [](Kontroller& k) { k.TextStorlek->stepUp(); },
                      [](Kontroller& k) { k.Radavst->setValue(12); }),
    GeneralDataEditName);

TEST_F(LifecycleTest, SettingTheSameTextAgainIsNoChange) {
  ui->Anl2->setText(QStringLiteral("B"));
  QTemporaryDir dir;
  dialogs.files.push_back(dir.filePath(QStringLiteral("hus.rot")));
  QTest::mouseClick(ui->OpenButton, Qt::LeftButton);  // a new project: the window is stored
  ASSERT_FALSE(form->Projekt().DataAendrad());
  ui->Anl2->setText(QStringLiteral("B"));
  EXPECT_FALSE(form->Projekt().DataAendrad());
}

TEST_F(LifecycleTest, AboutBoxShowsVersion) {
  QString version;
  QString product;
  QString comment;
  bool bold = false;
  bool hasIcon = false;
  QString caption;
  QTimer::singleShot(0, [&] {
    TAboutBox* box = form->AboutBox.get();
    caption = box->windowTitle();
    version = box->Version->text();
    product = box->ProductName->text();
    bold = box->ProductName->font().bold();
    comment = box->Comments->text();
    hasIcon = !box->ProgramIcon->pixmap().isNull();
    box->OKButton->click();
  });
  ui->Om1->trigger();
  EXPECT_EQ(caption, QStringLiteral("Om.."));
  EXPECT_EQ(version, QStringLiteral("Version 1,12"));
  EXPECT_EQ(product, QStringLiteral("VIRANO"));
  EXPECT_TRUE(bold);
  EXPECT_EQ(comment, QStringLiteral("Riktad operativ temperatur ROT"));
  EXPECT_TRUE(hasIcon);
  EXPECT_FALSE(form->AboutBox->isVisible());
}

class ManualTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    form->OpenDocument = [this](const QString& path) {
      opened_ << path;
      return openSucceeds_;
    };
  }
  // The manual in the program's folder.
  void PutManual() {
    QDir(programDir.path()).mkpath(QStringLiteral("Manualer"));
    QFile file(programDir.path() + QStringLiteral("/Manualer/Virano.pdf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  QStringList opened_;
  bool openSucceeds_ = true;
};

TEST_F(ManualTest, MissingManualBeepsAndSays) {
  ui->Manual1->trigger();
  EXPECT_EQ(dialogs.calls, (std::vector{BeepCall(), MessageCall(QStringLiteral("Hittar ej manual"))}));
  EXPECT_TRUE(opened_.isEmpty());
}

TEST_F(ManualTest, ManualOpenedFromManualerUnderTheProgramDirectory) {
  PutManual();
  ui->Manual1->trigger();
  EXPECT_TRUE(dialogs.calls.empty());
  ASSERT_EQ(opened_.size(), 1);
  EXPECT_EQ(opened_[0],
            QDir::toNativeSeparators(programDir.path() + QStringLiteral("/Manualer/Virano.pdf")));
}

TEST_F(ManualTest, ManualThatCannotBeOpened) {
  PutManual();
  openSucceeds_ = false;
  form->Manual1Click();
  EXPECT_EQ(dialogs.calls, (std::vector{MessageCall(
                              QStringLiteral("Manualen ") + opened_[0] +
                              QStringLiteral(" kunde inte öppnas.\nFinns ett program som öppnar "
                                             "PDF-filer i datorn?"))}));
}

TEST_F(ManualTest, F1OpensTheManualFromAnyControl) {
  PutManual();
  ShowActive();
  ui->PageControl1->setCurrentIndex(TForm1::kAllmIndata);
  ui->Anl1->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), ui->Anl1);
  QTest::keyClick(ui->Anl1, Qt::Key_F1);
  EXPECT_EQ(opened_.size(), 1);
  // Other keys reach the control as usual.
  QTest::keyClicks(ui->Anl1, QStringLiteral("ab"));
  EXPECT_EQ(ui->Anl1->text(), QStringLiteral("ab"));
  EXPECT_EQ(opened_.size(), 1);
}

TEST(BuiltManualTest, ManualLiesBesideTheProgram) {
  QFile manual(QCoreApplication::applicationDirPath() + QStringLiteral("/Manualer/Virano.pdf"));
  ASSERT_TRUE(manual.open(QIODevice::ReadOnly)) << "the build makes it beside the programs";
  EXPECT_TRUE(manual.read(5).startsWith("%PDF-"));
  EXPECT_GT(manual.size(), 10000);
}

}  // namespace
}  // namespace virano::testing
