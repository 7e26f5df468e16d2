// Brukarreg's window: editing the users, its refusals and its whole-or-
// nothing save.
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "Brukarreg.h"
#include "app/RecordText.h"
#include "project/users.h"
#include "support/CaseName.h"
#include "support/ReadOnlyFolder.h"
#include "support/ScriptedDialogs.h"

namespace virano::testing {
namespace {

using namespace Qt::StringLiterals;

class BrukarregTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UserFile(FilePath(path_)).Create();
    for (const TUserRecord& user : {MakeUser("", ""), MakeUser("Anna", "/hem/anna")})
      UserFile(FilePath(path_)).Append(user);
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
  QString path_ = dir_.filePath(u"Custom.roi"_s);
  QByteArray before_;
  ScriptedDialogs dialogs_;
  std::unique_ptr<TBrukarregForm> window_;
};

TEST_F(BrukarregTest, EditsTheUsersAndSavesThemWhole) {
  ASSERT_EQ(window_->Tabell->rowCount(), 2);
  window_->Tabell->selectRow(1);
  EXPECT_EQ(window_->BiblEdit->text(), u"/hem/anna"_s);
  window_->TomButton->click();
  Enter(u"Anne"_s, window_->BiblEdit->text(), window_->AndraButton);
  dialogs_.files.push_back(u"/hem/bo"_s);
  window_->BladdraButton->click();
  Enter(u"Bo"_s, window_->BiblEdit->text(), window_->LaggTillButton);
  window_->Tabell->selectRow(0);
  dialogs_.answers.push_back(true);
  window_->TaBortButton->click();
  // A name taken in another letter case, and one too long, are refused.
  Enter(u"bo"_s, {}, window_->LaggTillButton);
  Enter(u"Bo-Göran Andersson-Ek"_s, {}, window_->AndraButton);
  EXPECT_EQ(dialogs_.Messages(), (std::vector{u"Användare med detta namn finns redan"_s,
                                              u"Användarnamnet får vara högst 20 tecken"_s}));
  EXPECT_EQ(Bytes(), before_);
  ASSERT_TRUE(window_->SparaButtonClick());
  const TUserRecord saved[] = {MakeUser("Anne", ""), MakeUser("Bo", "/hem/bo")};
  EXPECT_EQ(Bytes(), QByteArray(reinterpret_cast<const char*>(saved), sizeof saved));
}

// After "Ta bort" the boxes show the user now highlighted, so that "Ändra"
// changes that user and no other.
TEST_F(BrukarregTest, TheBoxesShowTheHighlightedUserAfterADeletion) {
  Enter(u"Bo"_s, u"/hem/bo"_s, window_->LaggTillButton);
  window_->Tabell->selectRow(1);
  dialogs_.answers.push_back(true);
  window_->TaBortButton->click();
  EXPECT_EQ(window_->NamnEdit->text() + window_->BiblEdit->text(), u"Bo/hem/bo"_s);
  Enter(u"Bosse"_s, window_->BiblEdit->text(), window_->AndraButton);
  ASSERT_TRUE(window_->SparaButtonClick());
  const TUserRecord saved[] = {MakeUser("", ""), MakeUser("Bosse", "/hem/bo")};
  EXPECT_EQ(Bytes(), QByteArray(reinterpret_cast<const char*>(saved), sizeof saved));
  dialogs_.answers.insert(dialogs_.answers.end(), {true, true});
  window_->TaBortButton->click();
  window_->TaBortButton->click();
  EXPECT_EQ(window_->Tabell->rowCount(), 0);
  EXPECT_EQ(window_->NamnEdit->text() + window_->BiblEdit->text(), QString());
}

struct MeanwhileCase {
  const char* name;
  TUserRecord stored;  // stored by VIRANO while the editor is open: a new user, or Anna's folder
  const char* shown;   // the messages, then each user of the file as "name:folder"
};
class BrukarregMeanwhile : public BrukarregTest, public ::testing::WithParamInterface<MeanwhileCase> {};

// Users registered elsewhere while the editor is open, and folders recorded
// for users the editor left alone, stay when the editor saves its own.
TEST_P(BrukarregMeanwhile, SaveKeepsWhatWasStoredElsewhere) {
  const UserFile file(FilePath(path_));
  if (GetParam().stored.UserNamn.Text() == "Anna") file.Write(1, GetParam().stored);
  else file.Append(GetParam().stored);
  Enter(u"Bo"_s, {}, window_->LaggTillButton);
  window_->SparaButtonClick();
  const std::vector<QString> messages = dialogs_.Messages();
  QStringList shown(messages.begin(), messages.end());
  for (const TUserRecord& user : file.ReadAll())
    shown << FieldText(user.UserNamn) + u':' + FieldText(user.SenastBibl);
  EXPECT_EQ(shown.join(u'|'), QString::fromUtf8(GetParam().shown));
}
INSTANTIATE_TEST_SUITE_P(
    Brukarreg, BrukarregMeanwhile,
    ::testing::Values(
        MeanwhileCase{"UserRegistered", MakeUser("Cilla", "/c"), ":|Anna:/hem/anna|Bo:|Cilla:/c"},
        MeanwhileCase{"FolderRecorded", MakeUser("Anna", "/ny"), ":|Anna:/ny|Bo:"},
        MeanwhileCase{"NameTakenBoth", MakeUser("bo", "/b"),
                      "Användaren \"bo\" har registrerats i VIRANO medan användarfilen var öppen här.\n"
                      "Ge den användare du lagt till ett annat namn och spara igen.|:|Anna:/hem/anna|bo:/b"}),
    CaseName());

TEST_F(BrukarregTest, ASaveThatFailsLeavesTheOldFileIntact) {
  Enter(u"Bo"_s, {}, window_->LaggTillButton);
  QFile(path_).setPermissions(QFileDevice::ReadOwner);
  {
    const ReadOnlyFolder locked(dir_.path().toStdString());
    EXPECT_FALSE(window_->SparaButtonClick());
  }
  QFile(path_).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  ASSERT_EQ(dialogs_.Messages().size(), 1u);
  EXPECT_TRUE(dialogs_.Messages()[0].startsWith(u"Användarfilen kunde inte sparas:\n"_s + path_));
  EXPECT_EQ(Bytes(), before_);
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{u"Custom.roi"_s});
  EXPECT_TRUE(window_->Changed());
}

TEST_F(BrukarregTest, AFolderTakingNoNewFileIsSavedIntoInPlace) {
  Enter(u"Bo"_s, {}, window_->LaggTillButton);
  {
    const ReadOnlyFolder locked(dir_.path().toStdString());
    EXPECT_TRUE(window_->SparaButtonClick());
  }
  EXPECT_EQ(Bytes().size(), 3 * static_cast<qsizetype>(sizeof(TUserRecord)));
  EXPECT_TRUE(dialogs_.Messages().empty());
  EXPECT_FALSE(window_->Changed());
}

}  // namespace
}  // namespace virano::testing
