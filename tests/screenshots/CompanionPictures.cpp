// Pictures of the companion programs' windows, beside those of VIRANO.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "Brukarreg.h"
#include "OmvandlareForm.h"
#include "app/RecordText.h"
#include "project/recordfile.h"
#include "project/users.h"
#include "support/ScriptedDialogs.h"

namespace virano::testing {
namespace {

void Save(QWidget& window, const QString& name) {
  const QString dir = qEnvironmentVariable("VIRANO_SCREENS");
  ASSERT_FALSE(dir.isEmpty()) << "VIRANO_SCREENS names the folder for the pictures";
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_TRUE(window.grab().save(dir + QStringLiteral("/") + name + QStringLiteral(".png")));
}

TEST(CompanionPictures, BrukarregAndOmvandlare) {
  QTemporaryDir dir;
  const QString users = dir.filePath(QStringLiteral("Custom.roi"));
  UserFile(FilePath(users)).Create();
  for (const TUserRecord& user : {MakeUser("", ""), MakeUser("Anna", "/hem/anna")})
    UserFile(FilePath(users)).Append(user);
  ScriptedDialogs dialogs;
  TBrukarregForm brukarreg(dialogs, users);
  brukarreg.NamnEdit->setText(QStringLiteral("Bo-Göran"));
  brukarreg.BiblEdit->setText(QStringLiteral("/srv/projekt/Kontoret"));
  brukarreg.LaggTillButton->click();
  Save(brukarreg, QStringLiteral("brukarreg"));

  TOmvandlareForm omvandlare(dialogs);
  omvandlare.TillJsonButton->setChecked(true);
  omvandlare.FranEdit->setText(QStringLiteral("/home/anna/projekt/Skolan/Etapp1.rot"));
  emit omvandlare.FranEdit->editingFinished();
  Save(omvandlare, QStringLiteral("omvandlare"));
}

}  // namespace
}  // namespace virano::testing
