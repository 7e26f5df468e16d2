// The point grid on "Indata": checking the cells the user leaves, marking
// points beyond the main surface, deleting a point, and placing one with F2
// in front of the middle of a surface row.
#include <QCheckBox>
#include <QPainter>

#include "main/Rot.h"
#include "project/numbers.h"
#include "rules/SurfaceGrid.h"
#include "widgets/Colours.h"
#include "widgets/PaintBox.h"
#include "widgets/StringGrid.h"

namespace virano {

void TForm1::ConnectPointHandlers() {
  StringGrid2->OnSelectCell = [this](int col, int row, bool& canSelect) {
    StringGrid2SelectCell(col, row, canSelect);
  };
  StringGrid2->OnExit = [this] { StringGrid2Exit(); };
  StringGrid2->OnDrawCell = [this](int col, int row, QPainter& painter, const QRect& rect) {
    StringGrid2DrawCell(col, row, painter, rect);
  };
  connect(StringGrid2, &TStringGrid::Changed, this, [this] { UppdateraFelmarkering(); });
  connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
  connect(PaintBox1, &TPaintBox::Click, this, [this] { PaintBox1Click(); });
  connect(PaintBox1, &TPaintBox::Resized, this, [this] { PaintBox1Click(); });
}

std::vector<PointTexts> TForm1::PunktRader() const {
  std::vector<PointTexts> points;
  for (int r = 1; r < StringGrid2->RowCount(); ++r) {
    auto& point = points.emplace_back();
    for (int c = 0; c < static_cast<int>(point.size()); ++c)
      point[c] = StringGrid2->Cells(c, r).toStdString();
  }
  return points;
}

void TForm1::StringGrid2SelectCell(int, int, bool&) {
  projekt_->KontrollSedd();
  LaemnaPunktcell(StringGrid2->Col(), StringGrid2->Row());
  PaintBox1Click();
}

void TForm1::LaemnaPunktcell(int col, int row) {
  StringGrid2->SetEdited(false);
  const QString text = FormatDecimal(StringGrid2->Cells(col, row));
  StringGrid2->SetCells(col, row, text);
  if (!text.isEmpty() && !TryStrToFloat(text.toStdString(), DecimalPunkt())) {
    dialogs_.Message(QStringLiteral("Får endast vara siffror"));
    StringGrid2->SetCells(col, row, {});
  }
}

void TForm1::StringGrid2Exit() {
  const int col = StringGrid2->Col(), row = StringGrid2->Row();
  StringGrid2->SetCells(col, row, FormatDecimal(StringGrid2->Cells(col, row)));
}

void TForm1::StringGrid2DrawCell(int col, int row, QPainter& painter, const QRect& rect) {
  // Xp and Yp inside the main surface, Zp inside the room.
  if (row < StringGrid2->FixedRows()) return;
  PointTexts point;
  for (int c = 0; c < static_cast<int>(point.size()); ++c)
    point[c] = StringGrid2->Cells(c, row).toStdString();
  SurfaceCells mainRow;
  for (int c = 0; c < static_cast<int>(mainRow.size()); ++c)
    mainRow[c] = StringGrid1->Cells(c, kMainSurfaceRow).toStdString();
  if (PointCellMark(col, point, mainRow, Rumsdjup(), DecimalPunkt()) == CellMark::kNone) return;
  painter.fillRect(rect, colours::kRed);
  painter.setPen(colours::kMaroon);
  painter.drawText(rect.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   StringGrid2->Cells(col, row));
}

bool TForm1::RaderaPunkt() {
  if (!dialogs_.QuestionYesCancel(QStringLiteral("Skall raden raderas?"))) return false;
  const int row = StringGrid2->Row();
  for (int c = 0; c < StringGrid2->ColCount(); ++c) StringGrid2->SetCells(c, row, {});
  PaintBox1Click();
  projekt_->MarkeraAendrad();
  return true;
}

void TForm1::UnderSokningsPunkt() {
  const int row = StringGrid1->Row();
  if (StringGrid1->Cells(StringGrid1->Col(), row).isEmpty()) return;
  const auto cell = [&](int c) { return StringGrid1->Cells(c, row).toStdString(); };
  const PointPlacement placement =
      PlacePoint(cell(1), cell(2), cell(3), cell(4), PunktRader(), DecimalPunkt());
  if (placement.outcome == PointPlacement::Outcome::Exists) {
    dialogs_.Message(QStringLiteral("Koordinat finns redan"));
    return;
  }
  if (placement.outcome == PointPlacement::Outcome::Added)
    for (int c = 0; c < static_cast<int>(placement.point.size()); ++c)
      StringGrid2->SetCells(c, 1 + placement.row, QString::fromStdString(placement.point[c]));
  PaintBox1Click();
  projekt_->MarkeraAendrad();
}

}  // namespace virano
