// Pictures of the companion programs' windows, taken as those of VIRANO are:
//   VIRANO_SCREENS=/tmp/screens QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24"
//     build/bin/companion_tests --gtest_filter='Screenshots.*'
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "Brukarreg.h"
#include "OmvandlareForm.h"
#include "RotRecord.h"
#include "ScriptedDialogs.h"
#include "project/users.h"

namespace virano::testing {
namespace {

class Screenshots : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = qEnvironmentVariable("VIRANO_SCREENS");
    if (dir_.isEmpty()) GTEST_SKIP() << "VIRANO_SCREENS not set";
    QDir().mkpath(dir_);
  }
  void Save(QWidget* widget, const QString& name) {
    widget->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
    QApplication::processEvents();
    EXPECT_TRUE(widget->grab().save(dir_ + QLatin1Char('/') + name + QStringLiteral(".png")));
  }
  QString dir_;
  QTemporaryDir files_;
  ScriptedDialogs dialogs_;
};

TEST_F(Screenshots, BrukarregAndOmvandlare) {
  const QString path = files_.filePath(QStringLiteral("Custom.roi"));
  UserFile users(FilePath(path));
  users.Create();
  for (const auto& [name, folder] : {std::pair{"", ""}, {"Anna", "/home/anna/projekt/Skolan"},
                                     {"Bo-Göran", "/srv/projekt/Kontoret"}, {"Åsa", ""}})
    users.Append(MakeUser(name, folder));
  TBrukarregForm brukarreg(dialogs_, path);
  brukarreg.Tabell->selectRow(2);
  Save(&brukarreg, QStringLiteral("brukarreg"));

  TOmvandlareForm omvandlare(dialogs_);
  omvandlare.TillJsonButton->setChecked(true);
  omvandlare.FranEdit->setText(QStringLiteral("/home/anna/projekt/Skolan/Etapp1.rot"));
  emit omvandlare.FranEdit->editingFinished();
  Save(&omvandlare, QStringLiteral("omvandlare"));
}

}  // namespace
}  // namespace virano::testing
