// Opening, creating and copying a project: "Ny / Öppna" with its check of
// the chosen file, and "Spara som".
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <exception>

#include "app/RecordText.h"
#include "main/Rot.h"
#include "project/numbers.h"
#include "project/recordfile.h"
#include "widgets/StringGrid.h"
#include "widgets/UpDown.h"

namespace virano {

namespace {

const QString kProjectFilter = QStringLiteral("Indata filer (*.rot)|*.rot|Alla filer (*.*)|*.*");

QString WithoutExtension(const QString& path) {
  return QString::fromStdString(PathWithoutExtension(path.toStdString()));
}

QString Version() {
  return QString::fromUtf8(kVersionText.data(), static_cast<qsizetype>(kVersionText.size()));
}

// A new project's surface grid shows 18 data rows; the point grid its ten
// points and the row that follows them.
constexpr int kNewProjectSurfaceRows = 20;
constexpr int kPointGridRows = 11;

// Two names of one project file: the same path, or links to one file.
bool SameProjectFile(const QString& stemA, const QString& stemB) {
  const QFileInfo a(stemA + QStringLiteral(".rot"));
  const QFileInfo b(stemB + QStringLiteral(".rot"));
  if (a.absoluteFilePath() == b.absoluteFilePath()) return true;
  return a.exists() && b.exists() && a.canonicalFilePath() == b.canonicalFilePath();
}

// The refusal of a file that cannot be opened as a project: its path, and
// on the next line the error's text.
QString Refusal(const QString& filNamn, const std::exception& error) {
  const auto* fileError = dynamic_cast<const FileError*>(&error);
  const std::string reason = fileError != nullptr ? fileError->reason() : error.what();
  return QStringLiteral("Filen kan inte öppnas som VIRANO-projekt: ") +
         QDir::toNativeSeparators(filNamn + QStringLiteral(".rot")) + QLatin1Char('\r') +
         QString::fromStdString(reason);
}

// False, once the user is told, when the folder of `path` does not exist.
bool FolderExists(Dialogs& dialogs, const QString& path) {
  const QDir folder = QFileInfo(path).dir();
  if (folder.exists()) return true;
  dialogs.Message(QDir::toNativeSeparators(folder.path()) + QStringLiteral("\rKatalogen finns inte."),
                  MessageKind::Error);
  return false;
}

}  // namespace

bool TForm1::FilVald() {
  if (FilOK) return true;
  dialogs_.Message(QStringLiteral("Ingen fil är vald"));
  return false;
}

void TForm1::OpenButtonClick() {
  // Pending changes go into the project still open, or are given up.
  if (!SparaMedFraga([this] { SparaTest(); })) return;
  OpenDialog1.title = QStringLiteral("Öppna");
  OpenDialog1.filter = kProjectFilter;
  OpenDialog1.promptCreate = true;
  if (UserComboBox->currentText().isEmpty())
    OpenDialog1.startDir = FilNamn.isEmpty() ? ProgramBibl
                                             : QFileInfo(FilNamn).absolutePath();
  const std::optional<QString> chosen = dialogs_.OpenFile(OpenDialog1);
  if (!chosen || !FolderExists(dialogs_, *chosen)) return;
  // The dialog keeps the file chosen: the next one starts with it.
  OpenDialog1.fileName = *chosen;
  FilNamn = *chosen;
  FilValKontroll();
  PaintBox1Click();
  if (ActivePage() == kSammanst) {
    VisaResultatRadioGroupClick();
    Sk1Click();
  }
}

void TForm1::FilValKontroll() {
  FilOK = true;
  NyFil = false;
  RumSparat = false;
  // Errors marked belong to the project shown before.
  FelMarkerat = false;
  NollStaellIndata();
  NollStaellSammanst();
  FilNamn = WithoutExtension(FilNamn);
  const ProjectFile file = ProjektFil(FilNamn);

  if (QFileInfo::exists(FilNamn + QStringLiteral(".rot"))) {
    RumEjLagrat = false;
    int version = 0;
    try {
      // A project that cannot be stored into is refused like an unreadable one.
      file.CheckWritable();
      const long long rooms = file.Count() - 1;
      UpDown1->SetMax(static_cast<int>(rooms));
      version = HamtaAllmData();
      if (rooms < 1) {
        // Only the general record: room 1 is written when shown, as a new
        // room of the room boxes.
        UpDown1->SetMax(1);
        RumsfaltTillPost();
        RumEjLagrat = true;
      }
    } catch (const std::exception& error) {
      dialogs_.Message(Refusal(FilNamn, error), MessageKind::Error);
      AvvisaFil();
      return;
    }
    if (version != DerivedVersion(DecimalPunkt)) {
      dialogs_.Beep();
      dialogs_.Message(QStringLiteral("Filen är skapad av programversion ") +
                           QString::number(version) +
                           QStringLiteral(".x. Konvertering till denna programverion ") + Version() +
                           QStringLiteral(" behövs. Använd medföljande konverteringsprogram. Se manual"),
                       MessageKind::Information);
      AvvisaFil();
      return;
    }
  } else {
    try {
      NyFil = true;
      file.Create();
      StringGrid1->SetRowCount(kNewProjectSurfaceRows);
      Datum->setText(Idag());
      RevDatum->setText(QString());
      SparaAllmData();
      SkrivTomtRum(1);
      StringGrid2->SetRowCount(kPointGridRows);
      SparaRum(1);
      UpDown1->SetMax(1);
      RumEjLagrat = true;
    } catch (...) {
      // A project that could not be created is not open.
      AvvisaFil();
      throw;
    }
  }

  SaveAsButton->setEnabled(true);
  SparaSom1->setEnabled(true);
  GroupBox14->setEnabled(true);
  VisaRumNummer(UpDown1->Max());
  CheckBox2->setChecked(false);
  VisaRum();
  VisaFilNamn->setText(FilNamn);
  PaintBox1Click();
  PekaKatalogVal();
  UserInfoUpDate();
}

void TForm1::AvvisaFil() {
  FilOK = false;
  RumEjLagrat = false;
  NollStaellIndata();
  NollStaellSammanst();
  FilNamn.clear();
  VisaFilNamn->setText(QString());
  {
    // The stepper starts again at room 1, with no room to show.
    const QSignalBlocker quiet(Nummer);
    UpDown1->SetMax(1);
    UpDown1->SetPosition(1);
  }
  VisaRum();  // empties the room chooser
  PaintBox1Click();
}

void TForm1::SaveAsButtonClick() {
  if (!FilVald()) return;
  SaveDialog1.title = QStringLiteral("Spara som");
  SaveDialog1.filter = kProjectFilter;
  SaveDialog1.startDir = QFileInfo(FilNamn).absolutePath();
  // Replacing a file is asked here, after the check of the project's own name.
  SaveDialog1.confirmOverwrite = false;
  const std::optional<QString> chosen = dialogs_.SaveFile(SaveDialog1);
  if (!chosen) return;
  const QString stem = WithoutExtension(*chosen);
  if (stem == FilNamn || SameProjectFile(stem, FilNamn)) {
    dialogs_.Message(QStringLiteral("Data är redan sparade under detta filnamn"));
    return;
  }
  if (!FolderExists(dialogs_, stem)) return;
  const QFileInfo target(stem + QStringLiteral(".rot"));
  if (target.exists() &&
      !dialogs_.QuestionYesNo(target.fileName() + QStringLiteral(" finns redan.\rVill du ersätta den?"),
                              Question::Deletes))
    return;
  // The copy passes through a record of its own: the working record and the
  // window's unsaved changes go on into the new project.
  ProjektFil(FilNamn).CopyTo(FilePath(target.filePath()));
  FilNamn = stem;
  VisaFilNamn->setText(FilNamn);
  PekaKatalogVal();
  OpenDialog1.fileName = FilNamn;

  // The copy counts as a project created today. Storing its general data
  // must not drop the shown room's unsaved changes.
  const bool roomChanged = DataAendrad && ActivePage() == kIndata;
  Datum->setText(Idag());
  RevDatum->setText(QString());
  SparaAllmData();
  DataAendrad = roomChanged;
  // Last, so that a users file that cannot be written leaves the copy whole.
  UserInfoUpDate();
}

}  // namespace virano
