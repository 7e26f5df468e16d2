// The users of one installation, deleting projects and directories, and
// starting the companion programs: the user, delete and add-on groups of
// "Filhantering".
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QFileSystemWatcher>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <optional>

#include "app/RecordText.h"
#include "app/UserFil.h"
#include "main/Rot.h"
#include "project/recordfile.h"
#include "project/users.h"
#include "widgets/ComboChoice.h"
#include "windows/Katalog.h"

namespace virano {
namespace {

// Runs `action` on every double click on `widget`.
void OnDoubleClick(QWidget* widget, std::function<void()> action) {
  struct Filter : QObject {
    std::function<void()> action;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::MouseButtonDblClick) action();
      return false;
    }
  };
  auto* filter = new Filter;
  filter->setParent(widget);
  filter->action = std::move(action);
  widget->installEventFilter(filter);
}

// The files of the project whose path without extension is `stem`: the
// stem followed by an extension that begins ".ro", in name order.
QStringList ProjectFiles(const QString& stem) {
  const QFileInfo info(stem);
  const QString base = info.fileName();
  QStringList files;
  const auto entries = QDir(info.absolutePath())
                           .entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  for (const QFileInfo& file : entries) {
    const QString name = file.fileName();
    if (name.startsWith(base) && name.mid(base.size(), 3).compare(QStringLiteral(".ro"),
                                                                  Qt::CaseInsensitive) == 0)
      files << QDir::toNativeSeparators(file.filePath());
  }
  return files;
}

bool SamePath(const QString& a, const QString& b) {
  return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

// Why the users file cannot hold `folder` as a user's last directory, naming
// it; nothing when it can.
std::optional<QString> FolderProblem(const QString& folder) {
  const std::string text = folder.toStdString();
  const QString start = QStringLiteral("Biblioteket ") + folder +
                        QStringLiteral("\rkan inte lagras i användarfilen: ");
  if (!InCodePage(text)) return start + QStringLiteral("det har tecken som inte kan lagras.");
  if (Utf8ToAnsi(text).size() > kSenastBiblCapacity)
    return start + QStringLiteral("det är längre än %1 tecken.").arg(kSenastBiblCapacity);
  return std::nullopt;
}

}  // namespace

void TForm1::ConnectUserHandlers() {
  // What the user types stays as typed: no completion from the list.
  UserComboBox->setCompleter(nullptr);
  OnListChoice(UserComboBox, [this] { UserComboBoxClick(); });
  OnDoubleClick(UserComboBox->lineEdit(), [this] { UserComboBoxDblClick(); });
  connect(NyAnvButton, &QPushButton::clicked, this, [this] { NyAnvButtonClick(); });
  connect(RedigeraUserButton, &QPushButton::clicked, this, [this] { RedigeraUserButtonClick(); });
  connect(KonverteringButton, &QPushButton::clicked, this, [this] { KonverteringButtonClick(); });
  connect(Konvertering1, &QAction::triggered, this, [this] { KonverteringButtonClick(); });
  connect(RaderaBiblButton, &QPushButton::clicked, this, [this] { RaderaBiblButtonClick(); });
  connect(RaderaBibl1, &QAction::triggered, this, [this] { RaderaBiblButtonClick(); });
  connect(RaderaFilButton, &QPushButton::clicked, this, [this] { RaderaFilButtonClick(); });
  connect(RaderaFil1, &QAction::triggered, this, [this] { RaderaFilButtonClick(); });
}

QString TForm1::ProjektBibl() const {
  const QString& filNamn = projekt_->FilNamn();
  return filNamn.isEmpty() ? QString() : QDir::toNativeSeparators(QFileInfo(filNamn).absolutePath());
}

void TForm1::PekaKatalogVal() {
  if (ChooseDirForm && !projekt_->FilNamn().isEmpty()) ChooseDirForm->SetDirectory(ProjektBibl());
}

void TForm1::LaddaAnvandare() {
  UserFil = UserFilPath(ProgramBibl_);
  if (!QFileInfo::exists(UserFil)) {
    CreateUserFile(FilePath(UserFil));
    anvandarfil_ = AnvandarfilensBytes();
  } else {
    LaesAnvandareIgen();
    // Filling the list chooses no user.
    const QSignalBlocker blocker(UserComboBox);
    UserComboBox->setCurrentIndex(-1);
    UserComboBox->setEditText(QString());
  }
  // The list follows the users file when another program, Brukarreg or
  // another VIRANO, changes it meanwhile.
  anvandarBevakning_ = new QFileSystemWatcher(this);
  connect(anvandarBevakning_, &QFileSystemWatcher::fileChanged, this, [this] { LaesAnvandareIgen(); });
  connect(anvandarBevakning_, &QFileSystemWatcher::directoryChanged, this,
          [this] { LaesAnvandareIgen(); });
  anvandarBevakning_->addPath(QFileInfo(UserFil).absolutePath());
  anvandarBevakning_->addPath(UserFil);
}

QByteArray TForm1::AnvandarfilensBytes() const {
  QFile file(UserFil);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TForm1::LaesAnvandareIgen() {
  // A file written anew under its name is watched anew.
  if (anvandarBevakning_ != nullptr && QFileInfo::exists(UserFil) &&
      !anvandarBevakning_->files().contains(UserFil))
    anvandarBevakning_->addPath(UserFil);
  // What this window wrote itself is listed already.
  const QByteArray bytes = AnvandarfilensBytes();
  if (bytes == anvandarfil_) return;
  QStringList names;
  try {
    for (const TUserRecord& user : UserFile(FilePath(UserFil)).ReadAll()) names << FieldText(user.UserNamn);
  } catch (const FileError&) {
    return;  // gone or unreadable for now: the list stays
  }
  anvandarfil_ = bytes;
  // What is typed or chosen stays in the box.
  const QSignalBlocker blocker(UserComboBox);
  const QString shown = UserComboBox->currentText();
  UserComboBox->clear();
  for (const QString& name : names) UserComboBox->addItem(name);
  UserComboBox->setCurrentIndex(UserComboBox->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive));
  UserComboBox->setEditText(shown);
}

void TForm1::UserComboBoxClick() {
  OpenDialog1.startDir = ProgramBibl_;
  const QString name = UserComboBox->currentText();
  if (name.isEmpty()) return;
  for (const TUserRecord& user : UserFile(FilePath(UserFil)).ReadAll()) {
    if (FieldText(user.UserNamn) != name || user.SenastBibl.Empty()) continue;
    OpenDialog1.startDir = FieldText(user.SenastBibl);
    OpenDialog1.fileName.clear();
    break;
  }
  OpenButtonClick();
}

void TForm1::UserComboBoxDblClick() {
  const QString name = UserComboBox->currentText();
  if (name.isEmpty()) return;
  const auto users = UserFile(FilePath(UserFil)).ReadAll();
  const int i = FindUser(users, name.toStdString());
  if (i >= 0)
    dialogs_.Message(QStringLiteral("Senast använda bibliotek är\r") + FieldText(users[i].SenastBibl));
}

void TForm1::NyAnvButtonClick() {
  const QString name = UserComboBox->currentText();
  const UserFile file(FilePath(UserFil));
  const auto problem = name.isEmpty() ? UserEntryProblem({}, -1, {}, {})
                                      : UserEntryProblem(file.ReadAll(), -1, name.toStdString(), {});
  if (problem) {
    dialogs_.Beep();
    dialogs_.Message(QString::fromStdString(*problem));
    return;
  }
  // A folder the record cannot hold as it is would mislead the open dialog.
  if (const auto folderProblem = FolderProblem(ProjektBibl())) {
    dialogs_.Beep();
    dialogs_.Message(*folderProblem, MessageKind::Warning);
    return;
  }
  file.Append(MakeUser(name.toStdString(), ProjektBibl().toStdString()));
  anvandarfil_ = AnvandarfilensBytes();
  UserComboBox->addItem(name);
  UserComboBox->setEditText(name);
}

void TForm1::UserInfoUpDate() {
  const QString name = UserComboBox->currentText();
  if (name.isEmpty()) return;
  const UserFile file(FilePath(UserFil));
  const auto users = file.ReadAll();
  const int i = FindUser(users, name.toStdString());
  if (i < 0) return;
  if (const auto problem = FolderProblem(ProjektBibl())) {
    dialogs_.Message(*problem, MessageKind::Warning);
    return;
  }
  TUserRecord user = users[i];
  user.SenastBibl.SetText(ProjektBibl().toStdString());
  file.Write(i, user);
  anvandarfil_ = AnvandarfilensBytes();
}

void TForm1::StartaProgram(const QString& name) {
  const QString path = QDir::toNativeSeparators(QDir(ProgramBibl_).filePath(name));
  if (QProcess::startDetached(path, {}, ProgramBibl_)) return;
  dialogs_.Beep();
  dialogs_.Message(QStringLiteral("Misslyckades med att starta ") + name +
                       QStringLiteral(".exe.\rFinns programmet i samma bibliotek som VIRANO?"),
                   MessageKind::Error);
}

void TForm1::RedigeraUserButtonClick() { StartaProgram(QStringLiteral("Brukarreg")); }

void TForm1::KonverteringButtonClick() { StartaProgram(QStringLiteral("Omvandlare")); }

void TForm1::RaderaBiblButtonClick() {
  ChooseDirForm->setWindowTitle(QStringLiteral("Radera bibliotek"));
  ChooseDirForm->DirEdit->clear();
  ChooseDirForm->RaderaButton->show();
  ChooseDirForm->DirEdit->setReadOnly(true);
  dialogs_.ShowDirectoryDialog(*ChooseDirForm);
}

void TForm1::RaderaFilButtonClick() {
  // The open dialog's own settings stay as they were.
  FileDialogOptions options = OpenDialog1;
  options.title = QStringLiteral("Radera");
  options.filter = QStringLiteral("Indata filer (*.rot)|*.rot|Alla filer (*.*)|*.*");
  options.acceptLabel = QStringLiteral("Radera");
  options.mustExist = true;
  options.promptCreate = false;
  options.startDir = projekt_->FilNamn().isEmpty() ? ProgramBibl_ : ProjektBibl();
  const std::optional<QString> chosen = dialogs_.OpenFile(options);
  if (!chosen) return;
  // A project's files: the chosen one, whose extension begins ".ro", and
  // every other of its stem, never the users file beside them.
  const QString stem = QString::fromStdString(PathWithoutExtension(chosen->toStdString()));
  QStringList files = ProjectFiles(stem);
  files.removeIf([this](const QString& file) { return SamePath(file, UserFil); });
  const bool project = std::any_of(files.begin(), files.end(),
                                   [&chosen](const QString& file) { return SamePath(file, *chosen); });
  if (!project) {
    dialogs_.Message(QStringLiteral("Inget raderades: ") + *chosen + QStringLiteral("\rär ingen projektfil."),
                     MessageKind::Information);
    return;
  }
  dialogs_.Beep();
  if (!dialogs_.QuestionYesNo(QStringLiteral("Radera ") + files.join(QLatin1Char('\r')) + QStringLiteral("?"),
                              Question::Deletes))
    return;

  // Whichever of its files was chosen, the open project closes first.
  if (!projekt_->FilNamn().isEmpty() && SamePath(stem, projekt_->FilNamn())) {
    AvvisaFil();
    VisaFilNamn->setText(QStringLiteral("..."));
  }
  for (const QString& file : files) {
    if (QFile::remove(file)) continue;
    dialogs_.Beep();
    dialogs_.Message(QStringLiteral("Gick ej att radera filen \r") + QFileInfo(file).fileName() +
                     QStringLiteral("\rRadera manuellt"));
    return;
  }
}

}  // namespace virano
