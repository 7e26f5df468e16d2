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
  if (projekt_->FilOK()) return true;
  dialogs_.Message(QStringLiteral("Ingen fil är vald"));
  return false;
}

void TForm1::VisaUtfall(const TUtfall& utfall) {
  switch (utfall.slag) {
    case TUtfall::kFelVersion:
      dialogs_.Beep();
      dialogs_.Message(QStringLiteral("Filen är skapad av programversion ") +
                           QString::number(utfall.version) +
                           QStringLiteral(".x. Konvertering till denna programverion ") + Utf8Text(kVersionText) +
                           QStringLiteral(" behövs. Använd medföljande konverteringsprogram. Se manual"),
                       MessageKind::Information);
      break;
    case TUtfall::kAvvisat:
    case TUtfall::kMisslyckat: dialogs_.Message(utfall.orsak, MessageKind::Error); break;
    case TUtfall::kKlart:
    case TUtfall::kOeppnat:
    case TUtfall::kSkapat: break;
  }
}

void TForm1::OpenButtonClick() {
  // Pending changes go into the project still open, or are given up.
  if (!TaInmatning(Lagring::kSparaTest)) return;
  OpenDialog1.title = QStringLiteral("Öppna");
  OpenDialog1.filter = kProjectFilter;
  OpenDialog1.promptCreate = true;
  if (UserComboBox->currentText().isEmpty())
    OpenDialog1.startDir =
        projekt_->FilNamn().isEmpty() ? ProgramBibl_ : QFileInfo(projekt_->FilNamn()).absolutePath();
  const std::optional<QString> chosen = dialogs_.OpenFile(OpenDialog1);
  if (!chosen || !FolderExists(dialogs_, *chosen)) return;
  // The dialog keeps the file chosen: the next one starts with it.
  OpenDialog1.fileName = *chosen;
  FilValKontroll(*chosen);
  PaintBox1Click();
  if (ActivePage() == kSammanst) {
    VisaResultatRadioGroupClick();
    Sk1Click();
  }
}

void TForm1::FilValKontroll(const QString& path) {
  NollStaellIndata();
  NollStaellSammanst();
  const TUtfall utfall = projekt_->Oeppna(path, AllmDataIFoenster(), RumsfaeltIFoenster());
  if (!utfall.Lyckat()) {
    AvvisaFil();
    VisaUtfall(utfall);
    return;
  }
  if (utfall.slag == TUtfall::kSkapat) {
    StringGrid1->SetRowCount(kNewProjectSurfaceRows);
    StringGrid2->SetRowCount(kPointGridRows);
  }
  HamtaAllmData();
  SaveAsButton->setEnabled(true);
  SparaSom1->setEnabled(true);
  GroupBox14->setEnabled(true);
  VisaHoegstaRum();
  VisaRumNummer(projekt_->HoegstaRum());
  CheckBox2->setChecked(false);
  VisaRum();
  VisaFilNamn->setText(projekt_->FilNamn());
  PaintBox1Click();
  PekaKatalogVal();
  UserInfoUpDate();
}

void TForm1::AvvisaFil() {
  projekt_->Stang();
  NollStaellIndata();
  NollStaellSammanst();
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
  if (!FilVald() || !TaInmatning(Lagring::kIngen)) return;
  const QString filNamn = projekt_->FilNamn();
  SaveDialog1.title = QStringLiteral("Spara som");
  SaveDialog1.filter = kProjectFilter;
  SaveDialog1.startDir = QFileInfo(filNamn).absolutePath();
  // Replacing a file is asked here, after the check of the project's own name.
  SaveDialog1.confirmOverwrite = false;
  const std::optional<QString> chosen = dialogs_.SaveFile(SaveDialog1);
  if (!chosen) return;
  const QString stem = WithoutExtension(*chosen);
  if (stem == filNamn || SameProjectFile(stem, filNamn)) {
    dialogs_.Message(QStringLiteral("Data är redan sparade under detta filnamn"));
    return;
  }
  if (!FolderExists(dialogs_, stem)) return;
  const QFileInfo target(stem + QStringLiteral(".rot"));
  if (target.exists() &&
      !dialogs_.QuestionYesNo(target.fileName() + QStringLiteral(" finns redan.\rVill du ersätta den?"),
                              Question::Deletes))
    return;
  // The copy counts as a project created today. Storing its general data
  // must not drop the shown room's unsaved changes, which go on into the
  // new project.
  const bool roomChanged = projekt_->DataAendrad() && ActivePage() == kIndata;
  const TUtfall utfall = projekt_->SparaSom(stem, AllmDataIFoenster());
  if (projekt_->FilNamn() != filNamn) {
    VisaFilNamn->setText(projekt_->FilNamn());
    PekaKatalogVal();
    OpenDialog1.fileName = projekt_->FilNamn();
    Datum->setText(projekt_->AllmData().Datum);
    RevDatum->setText(projekt_->AllmData().RevDatum);
  }
  if (roomChanged) projekt_->MarkeraAendrad();
  if (!utfall.Lyckat()) {
    VisaUtfall(utfall);
    return;
  }
  // Last, so that a users file that cannot be written leaves the copy whole.
  UserInfoUpDate();
}

}  // namespace virano
