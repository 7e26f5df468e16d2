// The users of "Filhantering", deleting projects and directories, and the
// starting of the companion programs.
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <cerrno>
#include <cstring>

#include "project/users.h"
#include "support/ProjectFixture.h"
#include "support/ReadOnlyFolder.h"
#include "windows/Katalog.h"

namespace virano::testing {
namespace {

using namespace Qt::StringLiterals;

class UsersTest : public ProjectWindowTest {
 protected:
  QString UserFil() const { return programDir.filePath(u"Custom.roi"_s); }
  QString SenastBibl(int i) const { return FieldText(UserFile(FilePath(UserFil())).Read(i).SenastBibl); }

  // Writes the users file and starts the program again, so that it lists them.
  void Restart(const std::vector<std::pair<const char*, QString>>& users = {}) {
    UserFile file(FilePath(UserFil()));
    if (!users.empty()) file.Create();
    for (const auto& [name, folder] : users) file.Append(MakeUser(name, folder.toStdString()));
    MakeForm();
    ShowActive();
    dialogs.calls.clear();
  }
  void TypeUser(const QString& name) {
    ui->UserComboBox->setEditText({});
    Type(ui->UserComboBox->lineEdit(), name);
  }
  // The user picks `name` from the list; the open dialog it starts is cancelled.
  QString StartDirOnChoosing(const QString& name) {
    dialogs.files.push_back(std::nullopt);
    ui->UserComboBox->setCurrentIndex(ui->UserComboBox->findText(name));
    emit ui->UserComboBox->activated(ui->UserComboBox->currentIndex());
    return dialogs.calls.back().options.startDir;
  }
  QString Folder(const QString& name) {
    QDir(dir_.path()).mkpath(name);
    return QDir::toNativeSeparators(Path(name));
  }
};

TEST_F(UsersTest, FirstStartCreatesTheUsersFileAndTheNextListsItsEmptyEntry) {
  EXPECT_EQ(Bytes(UserFil()), QByteArray(277, '\0'));
  EXPECT_EQ(ui->UserComboBox->count(), 0);
  Restart();
  ASSERT_EQ(ui->UserComboBox->count(), 1);
  EXPECT_EQ(ui->UserComboBox->itemText(0), QString());
  EXPECT_EQ(ui->UserComboBox->currentText(), QString());
}

TEST_F(UsersTest, RegisteringRefusesAnEmptyOrAlreadyRegisteredName) {
  Restart({{"Anna", {}}, {"Åsa", {}}});
  const QByteArray before = Bytes(UserFil());
  const QString taken = u"Användare med detta namn finns redan"_s;
  for (const auto& [typed, message] : {std::pair{u""_s, u"Skriv in användarnamn först"_s},
                                       {u"anna"_s, taken}, {u"ÅSA"_s, taken}}) {
    dialogs.calls.clear();
    TypeUser(typed);
    QTest::mouseClick(ui->NyAnvButton, Qt::LeftButton);
    EXPECT_EQ(dialogs.calls, (std::vector{BeepCall(), MessageCall(message)})) << typed.toStdString();
  }
  EXPECT_EQ(Bytes(UserFil()), before);
}

TEST_F(UsersTest, ANewUserGetsTheOpenProjectsFolderOrNone) {
  TypeUser(u"Bo"_s);
  QTest::mouseClick(ui->NyAnvButton, Qt::LeftButton);
  EXPECT_TRUE(SenastBibl(1).isEmpty());
  EXPECT_EQ(StartDirOnChoosing(u"Bo"_s), form->ProgramBibl());
  TypeUser({});
  Open(MakeProject(u"Hus.rot"_s, {u"Kök"_s}));
  TypeUser(u"Cilla"_s);
  QTest::mouseClick(ui->NyAnvButton, Qt::LeftButton);
  EXPECT_EQ(SenastBibl(2), QDir::toNativeSeparators(dir_.path()));
  EXPECT_EQ(ui->UserComboBox->count(), 2);
}

TEST_F(UsersTest, ChoosingOrDoubleClickingFindsOnlyTheNameSpelledAlike) {
  const QString a = Folder(u"a"_s), b = Folder(u"b"_s);
  Restart({{"Anna", a}, {"anna", b}, {"Tom", {}}});
  Open(MakeProject(u"gammal.rot"_s, {u"A"_s}));  // the open dialog proposes it next
  EXPECT_EQ(StartDirOnChoosing(u"anna"_s), b);
  EXPECT_EQ(StartDirOnChoosing(u"Anna"_s), a);
  EXPECT_EQ(StartDirOnChoosing(u"Tom"_s), form->ProgramBibl());
  EXPECT_TRUE(dialogs.calls.back().options.fileName.isEmpty());
  dialogs.calls.clear();
  for (const QString& name : {u"anna"_s, u"ANNA"_s}) {
    TypeUser(name);
    QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ui->UserComboBox->lineEdit(), &click);
  }
  EXPECT_EQ(dialogs.Messages(), (std::vector{u"Senast använda bibliotek är\n"_s + b}));
}

// The open dialog starts with the project opened last, also after a user's
// folder was chosen.
TEST_F(UsersTest, TheOpenDialogStartsWithTheProjectOpenedLast) {
  Restart({{"Anna", Folder(u"a"_s)}});
  Folder(u"b"_s);
  const QString project = MakeProject(u"b/Hus.rot"_s, {u"Kök"_s});
  dialogs.files.push_back(project);
  StartDirOnChoosing(u"Anna"_s);
  dialogs.files.push_back(std::nullopt);
  QTest::mouseClick(ui->OpenButton, Qt::LeftButton);
  EXPECT_EQ(dialogs.calls.back().options.fileName, project);
}

// Only a name chosen from the list starts the open dialog: a registered name
// typed does not when Enter is pressed or the box is left.
TEST_F(UsersTest, OnlyANameChosenFromTheListStartsTheOpenDialog) {
  Restart({{"Anna", {}}, {"Tom", {}}});
  ui->UserComboBox->setFocus();
  TypeUser(u"Tom"_s);
  QTest::keyClick(ui->UserComboBox, Qt::Key_Return);
  ui->OpenButton->setFocus();
  EXPECT_TRUE(dialogs.calls.empty());
  Restart();
  dialogs.files.push_back(std::nullopt);
  ui->UserComboBox->setFocus();
  QTest::keyClick(ui->UserComboBox, Qt::Key_Down);
  EXPECT_EQ(dialogs.calls.back().kind, DialogCall::OpenFile);
}

TEST_F(UsersTest, OpeningAndSaveAsRecordTheFolderOfARegisteredNameOnly) {
  Restart({{"Anna", {}}});
  const QString project = MakeProject(u"Hus.rot"_s, {u"Kök"_s});
  TypeUser(u"Bertil"_s);
  const QByteArray before = Bytes(UserFil());
  Open(project);
  EXPECT_EQ(Bytes(UserFil()), before);
  TypeUser(u"Anna"_s);
  Open(project);
  EXPECT_EQ(SenastBibl(0), QDir::toNativeSeparators(dir_.path()));
  dialogs.files.push_back(Folder(u"kopior"_s) + u"/Hus2.rot"_s);
  QTest::mouseClick(ui->SaveAsButton, Qt::LeftButton);
  EXPECT_EQ(SenastBibl(0), Folder(u"kopior"_s));
  EXPECT_EQ(form->ChooseDirForm->Directory(), Folder(u"kopior"_s));
}

TEST_F(UsersTest, DeletingTheOpenProjectByAnyOfItsFilesClosesItAndRemovesThemAll) {
  for (const QString& chosen : {u"Hus.rot"_s, u"Hus.rof"_s}) {
    Open(MakeProject(u"Hus.rot"_s, {u"Kök"_s}));
    QFile(Path(u"Hus.rof"_s)).open(QIODevice::WriteOnly);
    MakeProject(u"Husen.rot"_s, {u"Hall"_s});
    dialogs.calls.clear();
    dialogs.files.push_back(Path(chosen));
    dialogs.answers.push_back(true);
    ui->RaderaFil1->trigger();
    const FileDialogOptions& options = dialogs.calls.front().options;
    EXPECT_EQ(options.title + options.filter, u"RaderaIndata filer (*.rot)|*.rot|Alla filer (*.*)|*.*"_s);
    EXPECT_EQ(options.acceptLabel, u"Radera"_s);
    EXPECT_TRUE(options.mustExist && options.startDir == QDir::toNativeSeparators(dir_.path()));
    // The question names every file that goes.
    EXPECT_EQ(dialogs.calls.back(), YesNoCall(u"Radera "_s + Path(u"Hus.rof"_s) + u"\n"_s +
                                                  Path(u"Hus.rot"_s) + u"?"_s,
                                              Question::Deletes));
    EXPECT_TRUE(form->Projekt().FilNamn().isEmpty() && !form->Projekt().FilOK());
    EXPECT_EQ(ui->VisaFilNamn->text(), u"..."_s);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{u"Husen.rot"_s});
  }
}

TEST_F(UsersTest, AFileOfNoProjectChosenForDeletionDeletesNothing) {
  MakeProject(u"anteckning.rot"_s, {u"Kök"_s});
  QFile(Path(u"anteckning.txt"_s)).open(QIODevice::WriteOnly);
  dialogs.files.push_back(Path(u"anteckning.txt"_s));
  QTest::mouseClick(ui->RaderaFilButton, Qt::LeftButton);
  EXPECT_EQ(dialogs.calls.back(), MessageCall(u"Inget raderades: "_s + Path(u"anteckning.txt"_s) +
                                                  u"\när ingen projektfil."_s,
                                              MessageKind::Information));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 2);
}

// The box does not complete a typed name from the list.
TEST_F(UsersTest, ANameTypedStaysAsTyped) {
  Restart({{"Annika", {}}});
  ui->UserComboBox->setFocus();
  TypeUser(u"Ann"_s);
  EXPECT_EQ(ui->UserComboBox->currentText(), u"Ann"_s);
  QTest::mouseClick(ui->NyAnvButton, Qt::LeftButton);
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(UserFile(FilePath(UserFil())).Read(1).UserNamn.Text(), "Ann");
}

// A folder with a character the users file cannot store is named and
// stored nowhere: not by "Ny", nor after an open or a "Spara som".
TEST_F(UsersTest, AFolderTheUsersFileCannotHoldIsRefusedByName) {
  Restart({{"Anna", {}}});
  const QString folder = Folder(u"Łódź"_s);
  const QString refusal = u"Biblioteket "_s + folder +
                          u"\nkan inte lagras i användarfilen: det har tecken som inte kan lagras."_s;
  const QByteArray before = Bytes(UserFil());
  Open(MakeProject(u"Łódź/Hus.rot"_s, {u"Kök"_s}));
  dialogs.calls.clear();
  TypeUser(u"Bo"_s);
  QTest::mouseClick(ui->NyAnvButton, Qt::LeftButton);
  EXPECT_EQ(dialogs.calls, (std::vector{BeepCall(), MessageCall(refusal, MessageKind::Warning)}));
  EXPECT_EQ(ui->UserComboBox->count(), 1);
  dialogs.calls.clear();
  TypeUser(u"Anna"_s);
  dialogs.files.push_back(folder + u"/Hus2.rot"_s);
  QTest::mouseClick(ui->SaveAsButton, Qt::LeftButton);
  EXPECT_EQ(dialogs.Messages(), std::vector{refusal});
  EXPECT_EQ(Bytes(UserFil()), before);
}

TEST_F(UsersTest, AProjectFileThatCannotBeDeletedIsNamedAndTheRestStays) {
  MakeProject(u"Hus.rot"_s, {u"Kök"_s});
  QFile(Path(u"Hus.rof"_s)).open(QIODevice::WriteOnly);
  dialogs.files.push_back(Path(u"Hus.rot"_s));
  dialogs.answers.push_back(true);
  {
    const ReadOnlyFolder locked(dir_.path().toStdString());
    QTest::mouseClick(ui->RaderaFilButton, Qt::LeftButton);
  }
  EXPECT_EQ(dialogs.Messages(), (std::vector{u"Gick ej att radera filen \nHus.rof\nRadera manuellt"_s}));
  EXPECT_TRUE(QFileInfo::exists(Path(u"Hus.rot"_s)));
}

TEST_F(UsersTest, OnlyAnEmptyDirectoryIsDeletedAndTheChoiceMovesToItsParent) {
  const QString full = Folder(u"full"_s), tom = Folder(u"tom"_s);
  QFile(full + u"/fil.txt"_s).open(QIODevice::WriteOnly);
  for (const QString& chosen : {full, tom}) {
    dialogs.directoryScripts.push_back([&](TChooseDirForm& dialog) {
      dialog.SetDirectory(chosen);
      EXPECT_EQ(dialog.DirEdit->text(), QFileInfo(chosen).fileName());
      dialogs.answers.push_back(true);
      QTest::mouseClick(dialog.RaderaButton, Qt::LeftButton);
      EXPECT_EQ(dialog.Directory(), QDir::toNativeSeparators(dir_.path()));
    });
    QTest::mouseClick(ui->RaderaBiblButton, Qt::LeftButton);
  }
  const DialogCall shown{DialogCall::DirectoryDialog, u"Radera bibliotek"_s, MessageKind::Plain, {}};
  EXPECT_EQ(dialogs.calls, (std::vector{shown, YesNoCall(u"Radera full ?"_s, Question::Deletes),
                                        MessageCall(QString::fromLocal8Bit(std::strerror(ENOTEMPTY)) + u": "_s + full,
                                                    MessageKind::Error),
                                        shown, YesNoCall(u"Radera tom ?"_s, Question::Deletes)}));
  EXPECT_TRUE(QFileInfo::exists(full));
  EXPECT_FALSE(QFileInfo::exists(tom));
}

TEST_F(UsersTest, CompanionProgramsStartDetachedOrSayTheyCannot) {
  for (const auto& [button, program] : {std::pair{ui->RedigeraUserButton, u"Brukarreg"_s},
                                        {ui->KonverteringButton, u"Omvandlare"_s}}) {
    dialogs.calls.clear();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(dialogs.calls, (std::vector{BeepCall(), MessageCall(u"Misslyckades med att starta "_s + program +
                                                                      u".exe.\nFinns programmet i samma "
                                                                      "bibliotek som VIRANO?"_s,
                                                                  MessageKind::Error)}));
    // Beside the program it starts.
    ASSERT_TRUE(QFile::copy(u"/bin/true"_s, programDir.filePath(program)));
    dialogs.calls.clear();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(dialogs.calls.empty());
  }
}

}  // namespace
}  // namespace virano::testing
