// Pictures of the companion programs' windows, taken as those of VIRANO are:
//   VIRANO_SCREENS=/tmp/screens QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24"
//     build/bin/companion_tests --gtest_filter='Screenshots.*'
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

TEST(Screenshots, BrukarregAndOmvandlare) {
  const QString dir = qEnvironmentVariable("VIRANO_SCREENS");
  if (dir.isEmpty()) GTEST_SKIP() << "VIRANO_SCREENS not set";
  auto save = [&dir](QWidget& window, const char* name) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.grab().save(dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png")));
  };
  QTemporaryDir files;
  ScriptedDialogs dialogs;
  const QString path = files.filePath(QStringLiteral("Custom.roi"));
  UserFile(FilePath(path)).Create();
  for (const auto& [name, folder] : {std::pair{"", ""}, {"Anna", "/home/anna/projekt/Skolan"},
                                     {"Bo-Göran", "/srv/projekt/Kontoret"}, {"Åsa", ""}})
    UserFile(FilePath(path)).Append(MakeUser(name, folder));
  TBrukarregForm brukarreg(dialogs, path);
  brukarreg.Tabell->selectRow(2);
  save(brukarreg, "brukarreg");

  TOmvandlareForm omvandlare(dialogs);
  omvandlare.TillJsonButton->setChecked(true);
  omvandlare.FranEdit->setText(QStringLiteral("/home/anna/projekt/Skolan/Etapp1.rot"));
  emit omvandlare.FranEdit->editingFinished();
  save(omvandlare, "omvandlare");
}

}  // namespace
}  // namespace virano::testing
