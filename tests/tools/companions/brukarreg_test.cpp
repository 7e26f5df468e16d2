// Brukarreg's window: editing the users, its refusals and its whole-or-
// nothing save.
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "Brukarreg.h"
#include "ReadOnlyFolder.h"
#include "RotRecord.h"
#include "ScriptedDialogs.h"
#include "project/users.h"

namespace virano::testing {
namespace {

class BrukarregTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    UserFile file(FilePath(path_));
    file.Create();
    for (const TUserRecord& user : {MakeUser("", ""), MakeUser("Anna", "/hem/anna")}) file.Append(user);
    before_ = Bytes();
    window_ = std::make_unique<TBrukarregForm>(dialogs_, path_);
  }
  QByteArray Bytes() const {
    QFile file(path_);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  // The user fills in the two fields and presses `button`.
  void Enter(const QString& name, const QString& folder, QPushButton* button) {
    window_->NamnEdit->setText(name);
    window_->BiblEdit->setText(folder);
    button->click();
  }

  QTemporaryDir dir_;
  QString path_ = dir_.filePath(QStringLiteral("Custom.roi"));
  QByteArray before_;
  ScriptedDialogs dialogs_;
  std::unique_ptr<TBrukarregForm> window_;
};

TEST_F(BrukarregTest, EditsTheUsersAndSavesThemWhole) {
  ASSERT_EQ(window_->Tabell->rowCount(), 2);
  EXPECT_EQ(window_->Tabell->item(1, 1)->text(), QStringLiteral("/hem/anna"));
  window_->Tabell->selectRow(1);
  EXPECT_EQ(window_->NamnEdit->text(), QStringLiteral("Anna"));
  window_->TomButton->click();
  Enter(QStringLiteral("Anne"), window_->BiblEdit->text(), window_->AndraButton);
  dialogs_.files.push_back(QStringLiteral("/hem/bo"));
  window_->NamnEdit->setText(QStringLiteral("Bo"));
  window_->BladdraButton->click();
  window_->LaggTillButton->click();
  window_->Tabell->selectRow(0);
  dialogs_.answers.push_back(true);
  window_->TaBortButton->click();
  // A name taken in another letter case, and one too long, are refused.
  Enter(QStringLiteral("bo"), {}, window_->LaggTillButton);
  Enter(QStringLiteral("Bo-Göran Andersson-Ek"), {}, window_->AndraButton);
  EXPECT_EQ(dialogs_.Messages(), (std::vector{QStringLiteral("Användare med detta namn finns redan"),
                                              QStringLiteral("Användarnamnet får vara högst 20 tecken")}));
  EXPECT_EQ(Bytes(), before_);
  ASSERT_TRUE(window_->SparaButtonClick());
  const std::vector<TUserRecord> saved{MakeUser("Anne", ""), MakeUser("Bo", "/hem/bo")};
  EXPECT_EQ(Bytes(), QByteArray(reinterpret_cast<const char*>(saved.data()), 2 * 277));
  EXPECT_FALSE(window_->Changed());
}

TEST_F(BrukarregTest, ASaveThatFailsLeavesTheOldFileIntact) {
  Enter(QStringLiteral("Bo"), {}, window_->LaggTillButton);
  {
    const ReadOnlyFolder locked(dir_.path());
    EXPECT_FALSE(window_->SparaButtonClick());
  }
  ASSERT_EQ(dialogs_.Messages().size(), 1u);
  EXPECT_TRUE(dialogs_.Messages()[0].startsWith(QStringLiteral("Användarfilen kunde inte sparas:\n") + path_));
  EXPECT_TRUE(dialogs_.Messages()[0].endsWith(QStringLiteral("Den tidigare filen är orörd.")));
  EXPECT_EQ(Bytes(), before_);
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("Custom.roi")});
  EXPECT_TRUE(window_->Changed());
}

}  // namespace
}  // namespace virano::testing
