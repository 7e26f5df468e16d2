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
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <functional>

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

}  // namespace

void TForm1::ConnectUserHandlers() {
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
    return;
  }
  const QSignalBlocker blocker(UserComboBox);
  for (const TUserRecord& user : UserFile(FilePath(UserFil)).ReadAll())
    UserComboBox->addItem(FieldText(user.UserNamn));
  // Filling the list chooses no user.
  UserComboBox->setCurrentIndex(-1);
  UserComboBox->setEditText(QString());
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
  const std::string folder = ProjektBibl().toStdString();
  file.Append(MakeUser(name.toStdString(), FitsField(folder, kSenastBiblCapacity) ? folder : std::string()));
  UserComboBox->addItem(name);
  UserComboBox->setEditText(name);
}

void TForm1::UserInfoUpDate() {
  const QString name = UserComboBox->currentText();
  if (name.isEmpty()) return;
  const UserFile file(FilePath(UserFil));
  const auto users = file.ReadAll();
  const int i = FindUser(users, name.toStdString());
  const std::string folder = ProjektBibl().toStdString();
  if (i < 0 || !FitsField(folder, kSenastBiblCapacity)) return;
  TUserRecord user = users[i];
  user.SenastBibl.SetText(folder);
  file.Write(i, user);
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
  options.filter = QStringLiteral("Intata filer (*.rot)|*.rot|Alla filer (*.*)|*.*");
  options.mustExist = true;
  options.promptCreate = false;
  options.startDir = projekt_->FilNamn().isEmpty() ? ProgramBibl_ : ProjektBibl();
  const std::optional<QString> chosen = dialogs_.OpenFile(options);
  if (!chosen) return;
  dialogs_.Beep();
  if (!dialogs_.QuestionYesNo(QStringLiteral("Radera ") + *chosen + QStringLiteral("?"), Question::Deletes))
    return;

  const QString stem = QString::fromStdString(PathWithoutExtension(chosen->toStdString()));
  // Whichever of its files was chosen, the open project closes first.
  if (!projekt_->FilNamn().isEmpty() && SamePath(stem, projekt_->FilNamn())) {
    AvvisaFil();
    VisaFilNamn->setText(QStringLiteral("..."));
  }
  for (const QString& file : ProjectFiles(stem)) {
    if (SamePath(file, UserFil)) continue;  // a project named "Custom" beside the users file
    if (QFile::remove(file)) continue;
    dialogs_.Beep();
    dialogs_.Message(QStringLiteral("Gick ej att radera filen \r") + QFileInfo(file).fileName() +
                     QStringLiteral("\rRadera manuellt"));
    return;
  }
}

}  // namespace virano
