// Tab widths and the column widths of the window's three grids.
#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <algorithm>

#include "main/Rot.h"
#include "rules/WindowRules.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"
#include "widgets/StringGrid.h"

namespace virano {

namespace {

int TextWidth(const TStringGrid* grid, const QString& text) {
  return QFontMetrics(grid->font()).horizontalAdvance(text);
}

int CellWidth(const TStringGrid* grid, int col, int row) {
  return TextWidth(grid, grid->Cells(col, row));
}

int Margin(const TStringGrid* grid) {
  const int scrollBar = grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
  return GridMargin(grid->VerticalScrollBarShown(), scrollBar);
}

int Lines(const TStringGrid* grid) { return grid->GridLineWidth() * grid->ColCount(); }

template <std::size_t N>
void Apply(TStringGrid* grid, const std::array<int, N>& widths) {
  for (std::size_t c = 0; c < N && static_cast<int>(c) < grid->ColCount(); ++c)
    grid->SetColWidths(static_cast<int>(c), widths[c]);
  grid->Repaint();
}

}  // namespace

void TForm1::FormConstrainedResize() {
  std::array<int, 4> captions{};
  const QFontMetrics metrics(font());
  for (int i = 0; i < PageControl1->count() && i < 4; ++i)
    captions[i] = metrics.horizontalAdvance(PageControl1->tabText(i));
  PageControl1->SetTabWidth(TabWidth(PageControl1->width(), captions));
  KolumnBredd();
  PaintBox1Click();
}

void TForm1::KolumnBredd() {
  Apply(StringGrid1, SurfaceGridWidths(StringGrid1->width(), Margin(StringGrid1), Lines(StringGrid1),
                                       CellWidth(StringGrid1, 5, 1)));
  Apply(StringGrid2, PointGridWidths(StringGrid2->width(), Margin(StringGrid2), Lines(StringGrid2)));

  TStringGrid* grid = StringGrid3;
  switch (VisaResultatRadioGroup->ItemIndex()) {
    case 0: {
      SummaryInputTexts texts{.cell1_0 = CellWidth(grid, 1, 0),
                              .cell5_2 = CellWidth(grid, 5, 2),
                              .cell8_0 = CellWidth(grid, 8, 0),
                              .cell10_0 = CellWidth(grid, 10, 0),
                              .cell11_1 = CellWidth(grid, 11, 1),
                              .xxxx = TextWidth(grid, QStringLiteral("Xxxxxxxxxxx")),
                              .cell13_1 = CellWidth(grid, 13, 1)};
      texts.widest[7] = TextWidth(grid, QStringLiteral("22,0"));
      for (int r = 0; r < grid->RowCount(); ++r)
        for (int c = 1; c < static_cast<int>(texts.widest.size()); ++c)
          texts.widest[c] = std::max(texts.widest[c], CellWidth(grid, c, r));
      Apply(grid, SummaryInputWidths(grid->width(), Margin(grid), Lines(grid), texts));
      break;
    }
    case 1:
    case 2:
      Apply(grid, SummaryResultWidths(grid->width(), Margin(grid), Lines(grid),
                                      CellWidth(grid, 1, 0), CellWidth(grid, 2, 2),
                                      CellWidth(grid, 5, 1)));
      break;
    default:
      break;  // no view chosen: the widths stay
  }
}

}  // namespace virano
