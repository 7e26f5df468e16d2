// Moving data between the window, the working record and the project file:
// the general data (record 0) and the shown room with its shown main
// surface, the store on leaving a tab, and emptying the window.
#include <QComboBox>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <algorithm>
#include <exception>

#include "app/RecordText.h"
#include "main/Rot.h"
#include "project/numbers.h"
#include "rules/SurfaceGrid.h"
#include "widgets/Colours.h"
#include "widgets/RadioGroup.h"
#include "widgets/StringGrid.h"

namespace virano {

namespace {

// The row of the surface grid that shows block row 0; the point grid's
// first point row is row 1.
constexpr int kFirstSurfaceRow = 2;
constexpr int kFirstPointRow = 1;

// The last grid row that has a block row: the shown rows and the one that
// follows them, within the block's rows.
int LastSurfaceRow(const TStringGrid* grid) {
  return std::min(grid->RowCount(), kFirstSurfaceRow + kSurfaceRowsPerBlock - 1);
}
int LastPointRow(const TStringGrid* grid) {
  return std::min(grid->RowCount(), kFirstPointRow + kPointRowsPerBlock - 1);
}

// A spin edit shows a stored number, the nearest limit of its range for a
// number outside it, and `fallback` for a text that is no number.
void SetSpinText(QSpinBox* box, const QString& text, int fallback) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  box->setValue(ok ? value : fallback);
}

QString ZeroIfEmpty(const QString& text) { return text.isEmpty() ? QStringLiteral("0") : text; }

}  // namespace

QString TForm1::FormatDecimal(const QString& text) const {
  return QString::fromStdString(DecimalFormat(text.toStdString(), DecimalPunkt));
}

int TForm1::VisatRum() const { return Nummer->text().toInt(); }

TVisatRum TForm1::VisatRumNu() const {
  return {FilOK ? FilNamn : QString(), VisatRum(), std::max(VisadHuvudyta(), 0), DecimalPunkt};
}

int TForm1::VisadHuvudyta() const {
  const int s = ComboBox1->currentIndex();
  return s >= 0 && s < kMainSurfaceCount ? s : -1;
}

void TForm1::SparaAllmData() {
  if (FilNamn.isEmpty()) return;
  TRoomRecord& rec = WorkingRecord;
  SetField(rec.FilVersion, QString::number(DerivedVersion(DecimalPunkt)));
  SetField(rec.Anl1, Anl1->text());
  SetField(rec.Anl2, Anl2->text());
  SetField(rec.Signatur, Signatur->text());
  SetField(rec.Datum, Datum->text());
  SetField(rec.RevDatum, RevDatum->text());
  SetField(rec.TextStorlek, TextStorlek->text());
  SetField(rec.Radavst, Radavst->text());
  ProjektFil(FilNamn).Write(0, rec);
  DataAendrad = false;
}

int TForm1::HamtaAllmData() {
  if (FilNamn.isEmpty()) return DerivedVersion(DecimalPunkt);
  TRoomRecord& rec = WorkingRecord;
  ProjektFil(FilNamn).Read(0, rec);
  const int version = StoredFileVersion(rec);
  if (version != DerivedVersion(DecimalPunkt)) return version;
  SetField(rec.FilVersion, QString::number(version));
  Anl1->setText(FieldText(rec.Anl1));
  Anl2->setText(FieldText(rec.Anl2));
  Signatur->setText(FieldText(rec.Signatur));
  Datum->setText(FieldText(rec.Datum));
  RevDatum->setText(FieldText(rec.RevDatum));
  SetSpinText(TextStorlek, FieldText(rec.TextStorlek), kTextStorlekDefault);
  SetSpinText(Radavst, FieldText(rec.Radavst), kRadavstDefault);
  DataAendrad = false;
  return version;
}

void TForm1::SparaData() {
  if (FilNamn.isEmpty()) return;
  SparaRum(VisatRum());
}

void TForm1::RumsfaltTillPost() {
  TRoomRecord& rec = WorkingRecord;
  SetField(rec.RumsNamn, RumsNamn->text());
  SetField(rec.LuftHast, LuftHastComboBox->currentText());
  SetField(rec.IncROT, IncROT->text());
  SetField(rec.RumsTemp, RumsTemp->text());
  SetField(rec.Rot, Rot->text());
  SetField(rec.MinRot, MinRot->text());
  rec.HeatSystem.Set(RadioGroup1->ItemIndex());
  SetField(rec.WattPerKvmTak, ZeroIfEmpty(WattPerKvmTak->text()));
  SetField(rec.Temp05OG, ZeroIfEmpty(Temp05OG->text()));
  SetField(rec.Temp18OG, ZeroIfEmpty(Temp18OG->text()));
}

void TForm1::SparaRum(int k) {
  TRoomRecord& rec = WorkingRecord;
  RumsfaltTillPost();
  // With no main surface chosen the grids belong to no block.
  if (const int s = VisadHuvudyta(); s >= 0) {
    // The shown rows and the one that follows them, which holds the block
    // row it was loaded from.
    for (int g = kFirstSurfaceRow; g <= LastSurfaceRow(StringGrid1); ++g) {
      TSurfaceRow& row = rec.Ytor[s][g - kFirstSurfaceRow];
      for (int c = 0; c < TSurfaceRow::kCellCount; ++c) SetField(row.cell(c), StringGrid1->Cells(c, g));
    }
    for (int g = kFirstPointRow; g <= LastPointRow(StringGrid2); ++g) {
      TPointRow& row = rec.Punkter[s][g - kFirstPointRow];
      for (int c = 0; c < TPointRow::kCellCount; ++c) SetField(row.cell(c), StringGrid2->Cells(c, g));
    }
  }
  ProjektFil(FilNamn).Write(k, rec);
  RumSparat = true;  // only once it is stored: a failed store stamps no date
  RumEjLagrat = false;
  DataAendrad = false;
  emit VisatRumAendrat(VisatRumNu());
}

void TForm1::HamtaData() {
  if (FilNamn.isEmpty()) return;
  const int k = VisatRum();
  // The boxes' change handlers run as the room is shown; they store nothing.
  const QScopedValueRollback loading(LaddarRum, true);
  RumsTemp->setEnabled(false);
  TRoomRecord read;
  try {
    ProjektFil(FilNamn).Read(k, read);
  } catch (const ReadPastEndError&) {
    // The room has no record yet.
    NollStaellIndata();
    return;
  }
  WorkingRecord = read;
  const TRoomRecord& rec = WorkingRecord;

  // Each box's change handler runs as if the user had typed the text.
  RumsNamn->setText(FieldText(rec.RumsNamn));
  LuftHastComboBox->setEditText(FieldText(rec.LuftHast));
  IncROT->setText(FormatDecimal(FieldText(rec.IncROT)));
  RumsTemp->setText(FormatDecimal(FieldText(rec.RumsTemp)));
  Rot->setText(FormatDecimal(FieldText(rec.Rot)));
  MinRot->setText(FormatDecimal(FieldText(rec.MinRot)));
  RadioGroup1->SetItemIndex(rec.HeatSystem.Get());
  WattPerKvmTak->setText(FormatDecimal(FieldText(rec.WattPerKvmTak)));
  Temp05OG->setText(FormatDecimal(FieldText(rec.Temp05OG)));
  Temp18OG->setText(FormatDecimal(FieldText(rec.Temp18OG)));

  if (const int s = VisadHuvudyta(); s >= 0) {
    // The grid shows every row of the block that holds data, so that an
    // inserted row never shifts the shown rows over a hidden one.
    const int shown = StringGrid1->RowCount() - kFirstSurfaceRow;
    StringGrid1->SetRowCount(kFirstSurfaceRow + SurfaceGridDataRows(rec.Ytor[s], shown));
    for (int g = kFirstSurfaceRow; g <= LastSurfaceRow(StringGrid1); ++g) {
      const TSurfaceRow& row = rec.Ytor[s][g - kFirstSurfaceRow];
      for (int c = 0; c < TSurfaceRow::kCellCount; ++c)
        StringGrid1->SetCells(c, g, FormatDecimal(FieldText(row.cell(c))));
    }
    for (int g = kFirstPointRow; g <= LastPointRow(StringGrid2); ++g) {
      const TPointRow& row = rec.Punkter[s][g - kFirstPointRow];
      for (int c = 0; c < TPointRow::kCellCount; ++c)
        StringGrid2->SetCells(c, g, FormatDecimal(FieldText(row.cell(c))));
    }
  }
  RumEjLagrat = false;
  DataAendrad = false;
  RumsTemp->setEnabled(true);
}

void TForm1::SparaTest() {
  if (DataAendrad) {
    switch (ActivePage()) {
      case kFilhantering:
      case kAllmIndata: SparaAllmData(); break;
      case kIndata: SparaData(); break;
      case kSammanst: break;  // the summary holds nothing to store
    }
  }
  if (RumSparat && FilOK && !NyFil) {
    RevDatum->setText(Idag());
    RevDatum->repaint();
    SparaAllmData();
    RumSparat = false;
  }
}

bool TForm1::SparaMedFraga(const std::function<void()>& store) {
  try {
    store();
    return true;
  } catch (const std::exception& error) {
    dialogs_.Message(QString::fromUtf8(error.what()), MessageKind::Error);
  }
  if (!dialogs_.QuestionYesNo(QStringLiteral("Ändringarna kunde inte sparas. Fortsätta utan att spara?"),
                              Question::Deletes))
    return false;
  // Going on drops the changes, a new room not yet stored among them: later
  // stores do not retry them, and the next room shown is read as stored.
  DataAendrad = false;
  RumSparat = false;
  RumEjLagrat = false;
  return true;
}

void TForm1::NollStaellIndata() {
  // Up to and including the row that follows the last shown row.
  for (int g = kFirstSurfaceRow; g <= StringGrid1->RowCount(); ++g)
    for (int c = 0; c < StringGrid1->ColCount(); ++c) StringGrid1->SetCells(c, g, {});
  for (int g = kFirstPointRow; g <= StringGrid2->RowCount(); ++g)
    for (int c = 0; c < StringGrid2->ColCount(); ++c) StringGrid2->SetCells(c, g, {});
  RumsNamn->setText(QString());
}

void TForm1::NollStaellSammanst() {
  for (int g = StringGrid3->FixedRows(); g <= StringGrid3->RowCount(); ++g)
    for (int c = 0; c < StringGrid3->ColCount(); ++c) StringGrid3->SetCells(c, g, {});
}

void TForm1::NyttRumNollStaell() { SkrivTomtRum(VisatRum()); }

void TForm1::SkrivTomtRum(int k) {
  if (FilNamn.isEmpty()) return;  // no project: nothing to write into
  for (auto& block : WorkingRecord.Ytor) block.fill(TSurfaceRow{});
  for (auto& block : WorkingRecord.Punkter) block.fill(TPointRow{});
  ProjektFil(FilNamn).Write(k, WorkingRecord);
}

void TForm1::RumsNamnChange() {
  MarkField(RumsNamn, RumsNamn->text().isEmpty());
  DataAendrad = true;
}

void TForm1::WattPerKvmTakChange() { DataAendrad = true; }

}  // namespace virano
