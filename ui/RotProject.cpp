// Opening, creating and copying a project: "Ny / Öppna" with its check of
// the chosen file, and "Spara som".
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <exception>

#include "Controls.h"
#include "Rot.h"
#include "RotRecord.h"
#include "StringGrid.h"
#include "project/numbers.h"
#include "project/room_rules.h"

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

}  // namespace

void TForm1::OpenButtonClick() {
  SparaTest();  // pending changes go into the project still open
  OpenDialog1.title = QStringLiteral("Öppna");
  OpenDialog1.filter = kProjectFilter;
  OpenDialog1.promptCreate = true;
  if (UserComboBox->currentText().isEmpty())
    OpenDialog1.startDir = FilNamn.isEmpty() ? ProgramBibl
                                             : QFileInfo(FilNamn).absolutePath();
  const std::optional<QString> chosen = dialogs_.OpenFile(OpenDialog1);
  if (!chosen) return;
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
  NollStaellIndata();
  NollStaellSammanst();
  FilNamn = WithoutExtension(FilNamn);
  const ProjectFile file = ProjektFil(FilNamn);

  if (QFileInfo::exists(FilNamn + QStringLiteral(".rot"))) {
    RumEjLagrat = false;
    int version = 0;
    try {
      const long long rooms = file.Count() - 1;
      UpDown1->SetMax(static_cast<int>(rooms));
      version = HamtaAllmData();
      if (rooms < 1) {
        // Only the general record: room 1 is written empty when shown.
        UpDown1->SetMax(1);
        RumEjLagrat = true;
      }
    } catch (const std::exception& error) {
      dialogs_.Message(QString::fromUtf8(error.what()), MessageKind::Error);
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
}

void TForm1::AvvisaFil() {
  FilOK = false;
  RumEjLagrat = false;
  NollStaellIndata();
  NollStaellSammanst();
  FilNamn.clear();
  VisaFilNamn->setText(QString());
  VisaRum();  // empties the room chooser
  PaintBox1Click();
}

void TForm1::SaveAsButtonClick() {
  SaveDialog1.title = QStringLiteral("Spara som");
  SaveDialog1.filter = kProjectFilter;
  SaveDialog1.confirmOverwrite = true;
  const std::optional<QString> chosen = dialogs_.SaveFile(SaveDialog1);
  if (!chosen) return;
  const QString stem = WithoutExtension(*chosen);
  if (stem == FilNamn || SameProjectFile(stem, FilNamn)) {
    dialogs_.Message(QStringLiteral("Data är redan sparade under detta filnamn"));
    return;
  }
  // The dialog confirmed replacing the file it was given; a project file
  // reached by another extension, or none, is confirmed here.
  const QFileInfo target(stem + QStringLiteral(".rot"));
  if (target.exists() && QFileInfo(*chosen).absoluteFilePath() != target.absoluteFilePath() &&
      !dialogs_.QuestionYesNo(target.fileName() + QStringLiteral(" finns redan.\rVill du ersätta den?")))
    return;
  // The copy passes through a record of its own: the working record and the
  // window's unsaved changes go on into the new project.
  ProjektFil(FilNamn).CopyTo(FilePath(target.filePath()));
  FilNamn = stem;
  VisaFilNamn->setText(FilNamn);
  OpenDialog1.fileName = FilNamn;

  // The copy counts as a project created today. Storing its general data
  // must not drop the shown room's unsaved changes.
  const bool roomChanged = DataAendrad && ActivePage() == kIndata;
  Datum->setText(Idag());
  RevDatum->setText(QString());
  SparaAllmData();
  DataAendrad = roomChanged;
}

}  // namespace virano
