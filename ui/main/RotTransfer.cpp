// Moving data between the window and the open project: the general data
// and the shown room with its shown main surface, the store on leaving a
// tab, the one road from what is typed to what is stored, and emptying the
// window.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <algorithm>

#include "app/RecordText.h"
#include "main/Rot.h"
#include "project/input_check.h"
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

template <typename Row>
Row GridRow(const TStringGrid* grid, int row) {
  Row cells;
  for (int c = 0; c < static_cast<int>(cells.size()); ++c) cells[c] = grid->Cells(c, row);
  return cells;
}

}  // namespace

QString TForm1::FormatDecimal(const QString& text) const {
  return QString::fromStdString(DecimalFormat(text.toStdString(), DecimalPunkt()));
}

bool TForm1::DecimalPunkt() const { return projekt_->DecimalPunkt(); }

int TForm1::VisatRum() const { return projekt_->Rum(); }

int TForm1::VisadHuvudyta() const {
  const int s = ComboBox1->currentIndex();
  return s >= 0 && s < kMainSurfaceCount ? s : -1;
}

TVisatRum TForm1::VisatRumNu() const { return projekt_->VisatRum(VisadHuvudyta()); }

TAllmData TForm1::AllmDataIFoenster() const {
  return {Anl1->text(),     Anl2->text(),        Signatur->text(), Datum->text(),
          RevDatum->text(), TextStorlek->text(), Radavst->text()};
}

TRumsfaelt TForm1::RumsfaeltIFoenster() const {
  return {RumsNamn->text(),  LuftHastComboBox->currentText(), IncROT->text(),
          RumsTemp->text(),  Rot->text(),                     MinRot->text(),
          RadioGroup1->ItemIndex(), WattPerKvmTak->text(),   Temp05OG->text(),
          Temp18OG->text()};
}

TYtvy TForm1::YtvyIFoenster() const {
  // The shown rows and the one that follows them, which holds the block row
  // it was loaded from.
  TYtvy vy;
  vy.yta = VisadHuvudyta();
  for (int g = kFirstSurfaceRow; g <= LastSurfaceRow(StringGrid1); ++g)
    vy.rader.push_back(GridRow<TYtvy::Ytrad>(StringGrid1, g));
  for (int g = kFirstPointRow; g <= LastPointRow(StringGrid2); ++g)
    vy.punkter.push_back(GridRow<TYtvy::Punktrad>(StringGrid2, g));
  return vy;
}

void TForm1::VisaAllmData(const TAllmData& allm) {
  Anl1->setText(allm.Anl1);
  Anl2->setText(allm.Anl2);
  Signatur->setText(allm.Signatur);
  Datum->setText(allm.Datum);
  RevDatum->setText(allm.RevDatum);
  SetSpinText(TextStorlek, allm.TextStorlek, kTextStorlekDefault);
  SetSpinText(Radavst, allm.Radavst, kRadavstDefault);
}

void TForm1::VisaRumsfaelt(const TRoomRecord& rec) {
  // Each box's change handler runs as if the user had typed the text.
  RumsNamn->setText(FieldText(rec.RumsNamn));
  // The air velocity's item of the list is chosen with its text, so that
  // passing through the box chooses nothing anew.
  const QString luftHast = FieldText(rec.LuftHast);
  LuftHastComboBox->setCurrentIndex(
      LuftHastComboBox->findText(luftHast, Qt::MatchExactly | Qt::MatchCaseSensitive));
  LuftHastComboBox->setEditText(luftHast);
  IncROT->setText(FormatDecimal(FieldText(rec.IncROT)));
  RumsTemp->setText(FormatDecimal(FieldText(rec.RumsTemp)));
  Rot->setText(FormatDecimal(FieldText(rec.Rot)));
  MinRot->setText(FormatDecimal(FieldText(rec.MinRot)));
  RadioGroup1->SetItemIndex(rec.HeatSystem.Get());
  WattPerKvmTak->setText(FormatDecimal(FieldText(rec.WattPerKvmTak)));
  Temp05OG->setText(FormatDecimal(FieldText(rec.Temp05OG)));
  Temp18OG->setText(FormatDecimal(FieldText(rec.Temp18OG)));
}

void TForm1::VisaYtvy(const TRoomRecord& rec, int s) {
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

TUtfall TForm1::SparaAllmData() { return projekt_->SparaAllmData(AllmDataIFoenster()); }

void TForm1::HamtaAllmData() {
  VisaAllmData(projekt_->AllmData());
  projekt_->GloemAendring();
}

TUtfall TForm1::SparaData() {
  const TUtfall utfall = projekt_->SparaData(RumsfaeltIFoenster(), YtvyIFoenster());
  if (utfall.Lyckat()) emit VisatRumAendrat(VisatRumNu());
  return utfall;
}

void TForm1::HamtaData() {
  if (projekt_->FilNamn().isEmpty()) return;
  // The room temperature is closed while the room is read; the focus comes
  // back to it afterwards.
  const bool rumsTempFokus = RumsTemp->hasFocus();
  RumsTemp->setEnabled(false);
  {
    // The boxes' change handlers run as the room is shown; they store nothing.
    const TProjekt::Laddning laddning(*projekt_);
    if (projekt_->HamtaData() == THamtning::kLaest) {
      VisaRumsfaelt(projekt_->Arbetspost());
      if (const int s = VisadHuvudyta(); s >= 0) VisaYtvy(projekt_->Arbetspost(), s);
      projekt_->Visad();
      RumsTemp->setEnabled(true);
    } else {
      NollStaellIndata();  // the room has no record yet
    }
  }
  if (rumsTempFokus && RumsTemp->isEnabled()) RumsTemp->setFocus(Qt::OtherFocusReason);
  UppdateraFelmarkering();
}

TUtfall TForm1::SparaTest() {
  if (projekt_->DataAendrad()) {
    TUtfall utfall;
    switch (ActivePage()) {
      case kFilhantering:
      case kAllmIndata: utfall = SparaAllmData(); break;
      case kIndata: utfall = SparaData(); break;
      case kSammanst: break;  // the summary holds nothing to store
    }
    if (!utfall.Lyckat()) return utfall;
  }
  if (projekt_->VillStamplaRevDatum()) {
    RevDatum->setText(Idag());
    RevDatum->repaint();
    const TUtfall utfall = SparaAllmData();
    if (!utfall.Lyckat()) return utfall;
    projekt_->RevDatumStamplad();
  }
  return {};
}

bool TForm1::TaInmatning(Lagring lagring) {
  // The cell editor's edit ends: the grid takes the text typed.
  StringGrid1->SetEditorMode(false);
  StringGrid2->SetEditorMode(false);
  // The cell edited is checked as moving off it checks it.
  if (StringGrid1->Edited()) LaemnaYtcell(StringGrid1->Col(), StringGrid1->Row());
  if (StringGrid2->Edited()) LaemnaPunktcell(StringGrid2->Col(), StringGrid2->Row());
  LuftHastSkriven();
  UppdateraFelmarkering();
  switch (lagring) {
    case Lagring::kIngen: return true;
    case Lagring::kSparaTest: return SparaMedFraga(SparaTest());
    case Lagring::kSparaData: return !projekt_->DataAendrad() || SparaMedFraga(SparaData());
    case Lagring::kStaeng:
      if (!projekt_->DataAendrad() || !projekt_->FilOK()) return true;
      if (ActivePage() == kAllmIndata) return SparaMedFraga(SparaAllmData());
      if (ActivePage() == kIndata) return SparaMedFraga(SparaData());
      return true;
  }
  return true;
}

bool TForm1::SparaMedFraga(const TUtfall& utfall) {
  if (utfall.Lyckat()) return true;
  dialogs_.Message(utfall.orsak, MessageKind::Error);
  if (!dialogs_.QuestionYesNo(QStringLiteral("Ändringarna kunde inte sparas. Fortsätta utan att spara?"),
                              Question::Deletes))
    return false;
  // Going on drops the changes, a new room not yet stored among them: later
  // stores do not retry them, and the next room shown is read as stored.
  projekt_->GeUppAendringar();
  return true;
}

void TForm1::NollStaellIndata() {
  {
    const TProjekt::Laddning laddning(*projekt_);
    // Up to and including the row that follows the last shown row.
    for (int g = kFirstSurfaceRow; g <= StringGrid1->RowCount(); ++g)
      for (int c = 0; c < StringGrid1->ColCount(); ++c) StringGrid1->SetCells(c, g, {});
    for (int g = kFirstPointRow; g <= StringGrid2->RowCount(); ++g)
      for (int c = 0; c < StringGrid2->ColCount(); ++c) StringGrid2->SetCells(c, g, {});
  }
  RumsNamn->setText(QString());
  UppdateraFelmarkering();
}

void TForm1::NollStaellSammanst() {
  for (int g = StringGrid3->FixedRows(); g <= StringGrid3->RowCount(); ++g)
    for (int c = 0; c < StringGrid3->ColCount(); ++c) StringGrid3->SetCells(c, g, {});
}

void TForm1::NyttRumNollStaell() { projekt_->NyttRumNollStaell(); }

void TForm1::RumsNamnChange() {
  MarkField(RumsNamn, RumsNamn->text().isEmpty());
  projekt_->MarkeraAendrad();
}

void TForm1::WattPerKvmTakChange() { projekt_->MarkeraAendrad(); }

void TForm1::UppdateraFelmarkering() {
  if (projekt_->LaddarRum()) return;  // the load marks once it is done
  projekt_->SattRodaCeller(RodCellVisas());
}

bool TForm1::RodCellVisas() const {
  std::vector<SurfaceCells> rows;
  for (int r = kFirstSurfaceRow; r < StringGrid1->RowCount(); ++r) {
    SurfaceCells& row = rows.emplace_back();
    for (int c = 0; c < static_cast<int>(row.size()); ++c)
      row[c] = StringGrid1->Cells(c, r).toStdString();
  }
  return AnyCellMarked(rows, PunktRader(), Rumsdjup(), DecimalPunkt());
}

std::string TForm1::Rumsdjup() const {
  const int s = VisadHuvudyta();
  if (s < 0) return {};
  // Another main surface's row: as stored, since the grids show only this one.
  const DepthCell depth = RoomDepth(MainSurface(s));
  return projekt_->Arbetspost().Ytor[depth.surface][0].cell(depth.col).Text();
}

}  // namespace virano
