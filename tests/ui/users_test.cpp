// The users of "Filhantering", deleting projects and directories, and the
// starting of the companion programs.
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>
#include <cerrno>
#include <cstring>

#include "Katalog.h"
#include "ProjectFixture.h"
#include "ReadOnlyFolder.h"
#include "project/users.h"

namespace virano::testing {
namespace {

class UsersTest : public ProjectWindowTest {
 protected:
  QString UserFil() const { return programDir.filePath(QStringLiteral("Custom.roi")); }
  std::vector<TUserRecord> Users() const { return UserFile(FilePath(UserFil())).ReadAll(); }

  // Writes the users file and starts the program again, so that it lists them.
  void Restart(const std::vector<std::pair<const char*, QString>>& users = {}) {
    if (!users.empty()) {
      UserFile file(FilePath(UserFil()));
      file.Create();
      for (const auto& [name, folder] : users) file.Append(MakeUser(name, folder.toStdString()));
    }
    form = std::make_unique<TForm1>(dialogs, QStringList{}, nullptr, programDir.path());
    ShowActive();
    dialogs.calls.clear();
  }

  // The user types `name` into the user box.
  void TypeUser(const QString& name) {
    form->UserComboBox->setEditText(QString());
    Type(form->UserComboBox->lineEdit(), name);
  }

  // The user picks `name` from the list; the open dialog it starts is cancelled.
  FileDialogOptions Choose(const QString& name) {
    dialogs.files.push_back(std::nullopt);
    form->UserComboBox->setCurrentIndex(form->UserComboBox->findText(name));
    emit form->UserComboBox->activated(form->UserComboBox->currentIndex());
    return dialogs.calls.back().options;
  }

  QString Folder(const QString& name) {
    QDir(dir_.path()).mkpath(name);
    return QDir::toNativeSeparators(Path(name));
  }
};

TEST_F(UsersTest, FirstStartCreatesTheUsersFileAndTheNextListsItsEmptyEntry) {
  EXPECT_EQ(form->UserFil, QDir::toNativeSeparators(UserFil()));
  EXPECT_EQ(Bytes(UserFil()), QByteArray(277, '\0'));
  EXPECT_EQ(form->UserComboBox->count(), 0);
  Restart();
  ASSERT_EQ(form->UserComboBox->count(), 1);
  EXPECT_EQ(form->UserComboBox->itemText(0), QString());
  EXPECT_EQ(form->UserComboBox->currentText(), QString());
}

TEST_F(UsersTest, RegisteringRefusesAnEmptyOrAlreadyRegisteredName) {
  Restart({{"Anna", {}}, {"Åsa", {}}});
  const QByteArray before = Bytes(UserFil());
  const struct {
    QString typed, message;
  } cases[] = {{{}, QStringLiteral("Skriv in användarnamn först")},
               {QStringLiteral("anna"), QStringLiteral("Användare med detta namn finns redan")},
               {QStringLiteral("ÅSA"), QStringLiteral("Användare med detta namn finns redan")}};
  for (const auto& c : cases) {
    dialogs.calls.clear();
    TypeUser(c.typed);
    QTest::mouseClick(form->NyAnvButton, Qt::LeftButton);
    EXPECT_EQ(dialogs.calls, (std::vector{BeepCall(), MessageCall(c.message)})) << c.typed.toStdString();
  }
  EXPECT_EQ(Bytes(UserFil()), before);
  EXPECT_EQ(form->UserComboBox->count(), 2);
}

TEST_F(UsersTest, ANewUserGetsTheOpenProjectsFolderOrNone) {
  TypeUser(QStringLiteral("Bo"));
  QTest::mouseClick(form->NyAnvButton, Qt::LeftButton);
  EXPECT_NE(form->UserComboBox->findText(QStringLiteral("Bo")), -1);
  // Bo has no folder: the open dialog starts in the program's folder.
  EXPECT_EQ(Choose(QStringLiteral("Bo")).startDir, form->ProgramBibl);
  TypeUser({});
  Open(MakeProject(QStringLiteral("Hus.rot"), {QStringLiteral("Kök")}));
  TypeUser(QStringLiteral("Cilla"));
  QTest::mouseClick(form->NyAnvButton, Qt::LeftButton);
  const auto users = Users();
  ASSERT_EQ(users.size(), 3u);
  EXPECT_EQ(users[1].UserNamn.Text(), "Bo");
  EXPECT_TRUE(users[1].SenastBibl.Empty());
  EXPECT_EQ(users[2].UserNamn.Text(), "Cilla");
  EXPECT_EQ(FieldText(users[2].SenastBibl), QDir::toNativeSeparators(dir_.path()));
}

TEST_F(UsersTest, ChoosingANameFindsOnlyTheRecordSpelledAlike) {
  const QString a = Folder(QStringLiteral("a")), b = Folder(QStringLiteral("b"));
  Restart({{"Anna", a}, {"anna", b}, {"Tom", {}}});
  form->OpenDialog1.fileName = QStringLiteral("gammal");
  const struct {
    QString name, startDir;
  } cases[] = {{QStringLiteral("anna"), b}, {QStringLiteral("Anna"), a}, {QStringLiteral("Tom"), form->ProgramBibl}};
  for (const auto& c : cases) {
    const FileDialogOptions options = Choose(c.name);
    EXPECT_EQ(options.title, QStringLiteral("Öppna"));
    EXPECT_EQ(options.startDir, c.startDir) << c.name.toStdString();
  }
  EXPECT_TRUE(form->OpenDialog1.fileName.isEmpty());
}

TEST_F(UsersTest, DoubleClickShowsTheUsersLastFolder) {
  const QString a = Folder(QStringLiteral("a"));
  Restart({{"Anna", a}});
  for (const QString& name : {QStringLiteral("Anna"), QStringLiteral("anna")}) {
    TypeUser(name);
    QTest::mouseDClick(form->UserComboBox->lineEdit(), Qt::LeftButton);
  }
  EXPECT_EQ(dialogs.Messages(), (std::vector{QStringLiteral("Senast använda bibliotek är\n") + a}));
}

TEST_F(UsersTest, OpeningAndSaveAsRecordTheFolderOfARegisteredNameOnly) {
  Restart({{"Anna", {}}});
  const QString project = MakeProject(QStringLiteral("Hus.rot"), {QStringLiteral("Kök")});
  TypeUser(QStringLiteral("Bertil"));
  const QByteArray before = Bytes(UserFil());
  Open(project);
  EXPECT_EQ(Bytes(UserFil()), before);

  TypeUser(QStringLiteral("Anna"));
  Open(project);
  EXPECT_EQ(FieldText(Users()[0].SenastBibl), QDir::toNativeSeparators(dir_.path()));
  dialogs.files.push_back(Folder(QStringLiteral("kopior")) + QStringLiteral("/Hus2.rot"));
  QTest::mouseClick(form->SaveAsButton, Qt::LeftButton);
  EXPECT_EQ(FieldText(Users()[0].SenastBibl), Folder(QStringLiteral("kopior")));
  EXPECT_EQ(form->ChooseDirForm->Directory(), Folder(QStringLiteral("kopior")));
}

TEST_F(UsersTest, DeletingTheOpenProjectClosesItAndRemovesAllItsFiles) {
  for (const char* chosen : {"Hus.rot", "Hus.rof"}) {
    const QString hus = MakeProject(QStringLiteral("Hus.rot"), {QStringLiteral("Kök")});
    QFile(Path(QStringLiteral("Hus.rof"))).open(QIODevice::WriteOnly);
    MakeProject(QStringLiteral("Husen.rot"), {QStringLiteral("Hall")});
    Open(hus);
    dialogs.calls.clear();
    dialogs.files.push_back(Path(QString::fromLatin1(chosen)));
    dialogs.answers.push_back(true);
    form->RaderaFil1->trigger();
    const FileDialogOptions& options = dialogs.calls.front().options;
    EXPECT_EQ(options.title, QStringLiteral("Radera"));
    EXPECT_EQ(options.filter, QStringLiteral("Intata filer (*.rot)|*.rot|Alla filer (*.*)|*.*"));
    EXPECT_TRUE(options.mustExist);
    EXPECT_EQ(options.startDir, QDir::toNativeSeparators(dir_.path()));
    EXPECT_EQ(dialogs.calls.back(), YesNoCall(QStringLiteral("Radera ") + Path(QString::fromLatin1(chosen)) +
                                              QStringLiteral("?")));
    EXPECT_TRUE(form->FilNamn.isEmpty());
    EXPECT_FALSE(form->FilOK);
    EXPECT_EQ(form->VisaFilNamn->text(), QStringLiteral("..."));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("Husen.rot")}) << chosen;
  }
  EXPECT_EQ(form->OpenDialog1.title, QStringLiteral("Öppna"));
}

TEST_F(UsersTest, AProjectFileThatCannotBeDeletedIsNamedAndTheRestStays) {
  MakeProject(QStringLiteral("Hus.rot"), {QStringLiteral("Kök")});
  QFile(Path(QStringLiteral("Hus.rof"))).open(QIODevice::WriteOnly);
  dialogs.files.push_back(Path(QStringLiteral("Hus.rot")));
  dialogs.answers.push_back(true);
  {
    const ReadOnlyFolder locked(dir_.path());
    QTest::mouseClick(form->RaderaFilButton, Qt::LeftButton);
  }
  EXPECT_EQ(dialogs.Messages(),
            (std::vector{QStringLiteral("Gick ej att radera filen \nHus.rof\nRadera manuellt")}));
  EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("Hus.rot"))));
}

TEST_F(UsersTest, OnlyAnEmptyDirectoryIsDeletedAndTheChoiceMovesToItsParent) {
  const QString full = Folder(QStringLiteral("full")), tom = Folder(QStringLiteral("tom"));
  QFile(full + QStringLiteral("/fil.txt")).open(QIODevice::WriteOnly);
  QString shown;
  for (const QString& chosen : {full, tom}) {
    dialogs.directoryScripts.push_back([&](TChooseDirForm& dialog) {
      EXPECT_TRUE(dialog.DirEdit->text().isEmpty());
      dialog.SetDirectory(chosen);
      shown = dialog.DirEdit->text();
      dialogs.answers.push_back(true);
      QTest::mouseClick(dialog.RaderaButton, Qt::LeftButton);
      EXPECT_EQ(dialog.Directory(), QDir::toNativeSeparators(dir_.path()));
    });
    QTest::mouseClick(form->RaderaBiblButton, Qt::LeftButton);
    EXPECT_EQ(shown, QFileInfo(chosen).fileName());
  }
  EXPECT_EQ(dialogs.calls,
            (std::vector<DialogCall>{
                {DialogCall::DirectoryDialog, QStringLiteral("Radera bibliotek"), MessageKind::Plain, {}},
                YesNoCall(QStringLiteral("Radera full ?")),
                MessageCall(QString::fromLocal8Bit(std::strerror(ENOTEMPTY)) + QStringLiteral(": ") + full,
                            MessageKind::Error),
                {DialogCall::DirectoryDialog, QStringLiteral("Radera bibliotek"), MessageKind::Plain, {}},
                YesNoCall(QStringLiteral("Radera tom ?"))}));
  EXPECT_TRUE(QFileInfo::exists(full));
  EXPECT_FALSE(QFileInfo::exists(tom));
}

TEST_F(UsersTest, CompanionProgramsStartDetachedOrSayTheyCannot) {
  const struct {
    QPushButton* TForm1::*button;
    QString program;
  } cases[] = {{&TForm1::RedigeraUserButton, QStringLiteral("Brukarreg")},
               {&TForm1::KonverteringButton, QStringLiteral("Omvandlare")}};
  for (const auto& c : cases) {
    dialogs.calls.clear();
    QTest::mouseClick(form.get()->*c.button, Qt::LeftButton);
    EXPECT_EQ(dialogs.calls,
              (std::vector{BeepCall(), MessageCall(QStringLiteral("Misslyckades med att starta ") + c.program +
                                                       QStringLiteral(".exe.\nFinns programmet i samma "
                                                                      "bibliotek som VIRANO?"),
                                                   MessageKind::Error)}));
    // Beside the program it starts, in the program's folder.
    QFile script(programDir.filePath(c.program));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\ntouch started-" + c.program.toUtf8() + "\n");
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    dialogs.calls.clear();
    QTest::mouseClick(form.get()->*c.button, Qt::LeftButton);
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QFileInfo::exists(programDir.filePath(QStringLiteral("started-") + c.program)); }));
  }
}

}  // namespace
}  // namespace virano::testing
