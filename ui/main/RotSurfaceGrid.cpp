// Editing the surface grid on "Indata": moving from cell to cell converts
// and checks the cell being left and fills in surface temperatures, wrong
// or missing cells are painted red, and rows are inserted and deleted.
#include <QPainter>
#include <QPushButton>

#include "main/Rot.h"
#include "project/numbers.h"
#include "rules/SurfaceGrid.h"
#include "rules/Thermal.h"
#include "widgets/Colours.h"
#include "widgets/StringGrid.h"

namespace virano {

namespace {

constexpr int kNameCol = 0, kX1Col = 1, kX2Col = 2, kY1Col = 3, kY2Col = 4;
constexpr int kUCol = 5, kMiCol = 6, kTuteCol = 7, kYtCol = 8;

SurfaceCells RowCells(const TStringGrid* grid, int row) {
  SurfaceCells cells;
  for (int c = 0; c < static_cast<int>(cells.size()); ++c) cells[c] = grid->Cells(c, row).toStdString();
  return cells;
}

void CopyRow(TStringGrid* grid, int from, int to) {
  for (int c = 0; c < grid->ColCount(); ++c) grid->SetCells(c, to, grid->Cells(c, from));
}

void ClearCells(TStringGrid* grid, int row, std::initializer_list<int> cols) {
  for (int c : cols) grid->SetCells(c, row, {});
}

void ClearRow(TStringGrid* grid, int row) {
  for (int c = 0; c < grid->ColCount(); ++c) grid->SetCells(c, row, {});
}

bool IsNumber(const QString& text, bool decimalPunkt) {
  try {
    StrToFloat(text.toStdString(), decimalPunkt);
    return true;
  } catch (const ConversionError&) {
    return false;
  }
}

}  // namespace

void TForm1::ConnectSurfaceGridHandlers() {
  StringGrid1->OnEnter = [this] { StringGrid1Enter(); };
  StringGrid1->OnExit = [this] { StringGrid1Exit(); };
  StringGrid1->OnSelectCell = [this](int col, int row, bool& canSelect) {
    StringGrid1SelectCell(col, row, canSelect);
  };
  StringGrid1->OnDrawCell = [this](int col, int row, QPainter& painter, const QRect& rect) {
    StringGrid1DrawCell(col, row, painter, rect);
  };
  StringGrid1->SetRestingCol(SurfaceRestingCol);
  connect(StringGrid1, &TStringGrid::Changed, this, [this] { UppdateraFelmarkering(); });
  connect(InfogaYtorButton, &QPushButton::clicked, this, [this] { InfogaYtorButtonClick(); });
  connect(RaderaYtorButton, &QPushButton::clicked, this, [this] { RaderaYtorButtonClick(); });
}

void TForm1::StringGrid1Enter() { StringGrid1->SetCol(kX2Col); }

void TForm1::StringGrid1SelectCell(int col, int row, bool& canSelect) {
  TStringGrid* grid = StringGrid1;
  const int x = grid->Col();
  const int y = grid->Row();
  const SurfaceMove move = SurfaceGridMove(x, y, col, row);
  if (move.jumpCol >= 0) grid->MoveTo(move.jumpCol, row);
  canSelect = move.allowed;
  projekt_->KontrollSedd();
  LaemnaYtcell(x, y);
  FyllYtTemp(row);
  PaintBox1Click();
}

void TForm1::LaemnaYtcell(int x, int y) {
  TStringGrid* grid = StringGrid1;
  // The cell being left shows the system's decimal separator and, but for
  // the name, holds a number or nothing.
  grid->SetEdited(false);
  grid->SetCells(x, y, FormatDecimal(grid->Cells(x, y)));
  if (x != kNameCol && !grid->Cells(x, y).isEmpty() && !IsNumber(grid->Cells(x, y), DecimalPunkt())) {
    dialogs_.Message(QStringLiteral("Får endast vara siffror"));
    grid->SetCells(x, y, {});
  }
  if (x >= kUCol && x < kYtCol && MotstaandFoerStort(y))
    dialogs_.Message(QStringLiteral("u-värde × mi är större än 1. mi är ytans värmemotstånd i "
                                    "m2*K/W, oftast 0,13."));
  if (x >= kUCol) FyllYtTemp(y);
}

void TForm1::FyllYtTemp(int row) {
  TStringGrid* grid = StringGrid1;
  const auto cell = [grid, row](int col) { return grid->Cells(col, row).toStdString(); };
  switch (SurfaceTempFor(cell(kUCol), cell(kMiCol), cell(kTuteCol))) {
    case SurfaceTempAction::kCompute:
      // A surface colder than the outside is no surface temperature.
      if (MotstaandFoerStort(row)) break;
      if (grid->Cells(kYtCol, row).isEmpty()) projekt_->MarkeraAendrad();
      grid->SetCells(kYtCol, row, YtTemperatur(row));
      break;
    case SurfaceTempAction::kEmpty: grid->SetCells(kYtCol, row, {}); break;
    case SurfaceTempAction::kKeep: break;
  }
}

bool TForm1::MotstaandFoerStort(int row) const {
  return ResistanceTooLarge(StringGrid1->Cells(kUCol, row).toStdString(),
                            StringGrid1->Cells(kMiCol, row).toStdString(), DecimalPunkt());
}

void TForm1::StringGrid1Exit() {
  TStringGrid* grid = StringGrid1;
  grid->SetCells(grid->Col(), grid->Row(), FormatDecimal(grid->Cells(grid->Col(), grid->Row())));
}

void TForm1::StringGrid1DrawCell(int col, int row, QPainter& painter, const QRect& rect) {
  if (row < kMainSurfaceRow) return;
  const CellMark mark = SurfaceCellMark(col, RowCells(StringGrid1, row),
                                        RowCells(StringGrid1, kMainSurfaceRow), DecimalPunkt());
  if (mark == CellMark::kNone) return;
  painter.fillRect(rect, colours::kRed);
  if (mark == CellMark::kBeyond) {
    painter.setPen(colours::kMaroon);
    painter.drawText(rect.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     StringGrid1->Cells(col, row));
  }
}

void TForm1::InfogaYtorButtonClick() {
  TStringGrid* grid = StringGrid1;
  if (!grid->FocusedWithin()) return;
  if (grid->RowCount() == grid->FixedRows() + kMaxSurfaceGridDataRows) {
    dialogs_.Message(QStringLiteral("Det får finnas max ") + QString::number(kMaxSurfaceGridDataRows) +
                     QStringLiteral(" ytor"));
    return;
  }
  // The rows after the current one move down, the row that follows the
  // last shown row with them: it holds data although it is not shown.
  const int y = grid->Row();
  const int follower = grid->RowCount();
  grid->SetRowCount(follower + 1);
  for (int r = follower; r > y; --r) CopyRow(grid, r, r + 1);
  ClearRow(grid, y + 1);
  projekt_->MarkeraAendrad();
  PaintBox1Click();
}

void TForm1::RaderaYtorButtonClick() {
  TStringGrid* grid = StringGrid1;
  if (!grid->FocusedWithin()) return;
  dialogs_.Beep();
  if (!dialogs_.QuestionYesCancel(QStringLiteral("Skall ytan/raden raderas?"))) return;
  grid->SetEditorMode(false);
  const int a = grid->Row();
  const int follower = grid->RowCount();
  if (grid->RowCount() == grid->FixedRows() + 1) {
    ClearRow(grid, a);
  } else if (a == kMainSurfaceRow) {
    // The main surface keeps its row, its name and its origin; its
    // sub-surfaces keep theirs.
    ClearCells(grid, a, {kX2Col, kY2Col, kUCol, kMiCol, kTuteCol, kYtCol});
    grid->SetCells(kX1Col, a, QStringLiteral("0"));
    grid->SetCells(kY1Col, a, QStringLiteral("0"));
  } else {
    for (int r = a; r < follower; ++r) CopyRow(grid, r + 1, r);
    ClearRow(grid, follower);
    grid->SetRowCount(follower - 1);
  }
  projekt_->MarkeraAendrad();
  PaintBox1Click();
}

}  // namespace virano
