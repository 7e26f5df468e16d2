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
  EXPECT_EQ(form->DecimalPunkt, SystemDecimalPunkt(QLocale::system()));
  EXPECT_EQ(form->ProgramBibl, QDir::toNativeSeparators(programDir.path()));
  EXPECT_TRUE(form->FilNamn.isEmpty());
  EXPECT_FALSE(form->FilOK);
  EXPECT_FALSE(form->DataAendrad);
  EXPECT_FALSE(form->FelMarkerat);
  EXPECT_FALSE(form->RumEjLagrat);
  EXPECT_TRUE(form->StartFil.isEmpty());
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(LifecycleTest, FirstArgumentIsKeptAsTheProjectToOpen) {
  QTemporaryDir dir;
  const QString project = dir.filePath(QStringLiteral("hus.rot"));
  TForm1 started(dialogs, {project, QStringLiteral("extra")});
  EXPECT_EQ(started.StartFil, project);
  EXPECT_EQ(started.ProgramBibl, QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
}

TEST_F(LifecycleTest, FormCreateClosesTheSplash) {
  QPointer<TSplashForm> splash = new TSplashForm;
  splash->show();
  EXPECT_EQ(splash->size(), QSize(341, 256));
  EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
  TForm1 started(dialogs, {}, splash);
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
  QTest::mouseClick(form->ExitSpeedButton, Qt::LeftButton);
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(closed);
  form->Avsluta1->trigger();
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(closed);
  EXPECT_EQ(dialogs.Beeps(), 2);
}

TEST_F(LifecycleTest, AnErrorWhileClosingKeepsTheWindow) {
  ShowActive();
  // No answer prepared: the scripted question fails; the general error
  // display shows it and the window stays.
  QTest::mouseClick(form->ExitSpeedButton, Qt::LeftButton);
  EXPECT_TRUE(form->isVisible());
  ASSERT_FALSE(dialogs.Messages().empty());
  EXPECT_EQ(dialogs.calls.back().messageKind, MessageKind::Error);
}

// A window going away lets the focus go while it is whole: a box finishing
// its edit on the way reaches live handlers.
TEST_F(LifecycleTest, TheFocusLeavesBeforeTheWindowGoes) {
  ShowActive();
  form->LuftHastComboBox->setFocus();
  QObject* window = form.get();
  bool whole = false;
  QObject watch;
  QObject::connect(qApp, &QApplication::focusChanged, &watch,
                   [&] { whole = qobject_cast<TForm1*>(window) != nullptr; });
  form.reset();
  EXPECT_TRUE(whole);
}

TEST_F(LifecycleTest, GeneralDataAndReportSettingsMarkTheWindowChanged) {
  QTest::keyClicks(form->Anl1, QStringLiteral("A"));
  EXPECT_TRUE(form->DataAendrad);
  form->DataAendrad = false;
  form->Anl2->setText(QStringLiteral("B"));
  EXPECT_TRUE(form->DataAendrad);
  form->DataAendrad = false;
  QTest::keyClicks(form->Signatur, QStringLiteral("C"));
  EXPECT_TRUE(form->DataAendrad);
  form->DataAendrad = false;
  form->TextStorlek->stepUp();
  EXPECT_TRUE(form->DataAendrad);
  form->DataAendrad = false;
  form->Radavst->setValue(12);
  EXPECT_TRUE(form->DataAendrad);
  // Setting the same text again is no change.
  form->DataAendrad = false;
  form->Anl2->setText(QStringLiteral("B"));
  EXPECT_FALSE(form->DataAendrad);
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
  form->Om1->trigger();
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
    ASSERT_TRUE(dir_.isValid());
    form->ProgramBibl = QDir::toNativeSeparators(dir_.path());
    form->OpenDocument = [this](const QString& path) {
      opened_ << path;
      return openSucceeds_;
    };
  }
  void PutManual() {
    QDir(dir_.path()).mkpath(QStringLiteral("Manualer"));
    QFile file(dir_.path() + QStringLiteral("/Manualer/Virano.pdf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  QTemporaryDir dir_;
  QStringList opened_;
  bool openSucceeds_ = true;
};

TEST_F(ManualTest, MissingManualBeepsAndSays) {
  form->Manual1->trigger();
  EXPECT_EQ(dialogs.calls, (std::vector{BeepCall(), MessageCall(QStringLiteral("Hittar ej manual"))}));
  EXPECT_TRUE(opened_.isEmpty());
}

TEST_F(ManualTest, ManualOpenedFromManualerUnderTheProgramDirectory) {
  PutManual();
  form->Manual1->trigger();
  EXPECT_TRUE(dialogs.calls.empty());
  ASSERT_EQ(opened_.size(), 1);
  EXPECT_EQ(opened_[0], QDir::toNativeSeparators(dir_.path() + QStringLiteral("/Manualer/Virano.pdf")));
  EXPECT_EQ(form->ManualFil, opened_[0]);
}

TEST_F(ManualTest, ManualThatCannotBeOpened) {
  PutManual();
  openSucceeds_ = false;
  form->Manual1Click();
  EXPECT_EQ(dialogs.calls, (std::vector{MessageCall(QStringLiteral("Finns Acrobat Reader i datorn?"))}));
}

TEST_F(ManualTest, F1OpensTheManualFromAnyControl) {
  PutManual();
  ShowActive();
  form->PageControl1->setCurrentIndex(TForm1::kAllmIndata);
  form->Anl1->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), form->Anl1);
  QTest::keyClick(form->Anl1, Qt::Key_F1);
  EXPECT_EQ(opened_.size(), 1);
  // Other keys reach the control as usual.
  QTest::keyClicks(form->Anl1, QStringLiteral("ab"));
  EXPECT_EQ(form->Anl1->text(), QStringLiteral("ab"));
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
