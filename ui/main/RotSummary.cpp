// The tab "Sammanställning": the summary grid's three views of the shown
// room, the drawing of its cells, and the room chooser.
#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

#include "app/RecordText.h"
#include "engine/calculation.h"
#include "main/Rot.h"
#include "rules/InputView.h"
#include "rules/SummaryCells.h"
#include "widgets/RadioGroup.h"
#include "widgets/StringGrid.h"

namespace virano {

namespace {

template <typename Row>
void WriteRow(TStringGrid* grid, int gridRow, const Row& row) {
  for (int c = 0; c < static_cast<int>(row.size()); ++c)
    grid->SetCells(c, gridRow, QString::fromStdString(row[static_cast<std::size_t>(c)]));
}

// The table's rows below the headings into the grid, which ends with them.
void ShowResults(TStringGrid* grid, const ResultTable& table) {
  for (int r = ResultTable::kHeadingRows; r < table.RowCount(); ++r) WriteRow(grid, r, table.rows[r]);
  grid->SetRowCount(table.RowCount());
}

}  // namespace

void TForm1::ConnectSummaryHandlers() {
  connect(VisaResultatRadioGroup, &TRadioGroup::Click, this, [this] { VisaResultatRadioGroupClick(); });
  StringGrid3->OnDrawCell = [this](int col, int row, QPainter& painter, const QRect& rect) {
    StringGrid3DrawCell(col, row, painter, rect);
  };
  connect(Sk1, &QAction::triggered, this, [this] { Sk1Click(); });
  connect(Visa1, &QAction::triggered, this, [this] { Visa1Click(); });
  connect(UtskriftVyerSpeedButton, &QToolButton::clicked, this,
          [this] { UtskriftVyerSpeedButtonClick(); });
}

void TForm1::VisaResultatRadioGroupClick() {
  const int view = VisaResultatRadioGroup->ItemIndex();
  if (view < kIndataView) return;
  NollStaellSammanst();
  if (view == kIndataView) {
    VisaIndataGrid();
    return;
  }
  VisaResultatGrid();
  if (!projekt_->FilNamn().isEmpty()) {
    const bool detailed = view == kDetaljView;
    ResultTable table;
    table.SetUp(detailed);
    // A calculation that stops leaves the rows it wrote in the grid.
    try {
      Kalkyl(FilePath(projekt_->ProjektFil()), VisatRum(), detailed, DecimalPunkt(), table);
    } catch (...) {
      ShowResults(StringGrid3, table);
      throw;
    }
    ShowResults(StringGrid3, table);
  }
  if (view == kDetaljView) KolumnBredd();
}

void TForm1::VisaIndataGrid() {
  StringGrid3->SetColCount(kInputViewColumns);
  StringGrid3->SetRowCount(kInputViewHeadingRows + 1);
  for (int r = 0; r < kInputViewHeadingRows; ++r) WriteRow(StringGrid3, r, InputViewHeadings()[r]);
  KolumnBredd();
  VisaIndata();
  KolumnBredd();  // no column narrower than its texts
}

void TForm1::VisaIndata() {
  // Read into a record of its own: the working record keeps the room that
  // "Indata" stores into.
  const std::unique_ptr<TRoomRecord> room = projekt_->LaesRum(VisatRum());
  if (!room) return;
  const std::vector<InputViewRow> rows = InputViewRows(*room, DecimalPunkt());
  for (int i = 0; i < static_cast<int>(rows.size()); ++i)
    WriteRow(StringGrid3, kInputViewHeadingRows + i, rows[i]);
  StringGrid3->SetRowCount(kInputViewHeadingRows + static_cast<int>(rows.size()));
}

void TForm1::VisaResultatGrid() {
  StringGrid3->SetColCount(ResultTable::kColumns);
  StringGrid3->SetRowCount(ResultTable::kHeadingRows + 1);
  ResultTable headings;
  headings.SetUp(VisaResultatRadioGroup->ItemIndex() == kDetaljView);
  for (int r = 0; r < ResultTable::kHeadingRows; ++r) WriteRow(StringGrid3, r, headings.rows[r]);
  KolumnBredd();
}

void TForm1::VisaRum() {
  // Filled anew each time, so that it names the rooms of the project open
  // now; each entry keeps its room number.
  ComboBox2->clear();
  const std::vector<QString> names = projekt_->RumsNamn();
  for (int k = 1; k <= static_cast<int>(names.size()); ++k)
    if (!names[k - 1].isEmpty()) ComboBox2->addItem(names[k - 1], k);
  // The shown room's entry; a room without a name has none, and the
  // chooser then names no other room above its numbers.
  ComboBox2->setCurrentIndex(ComboBox2->findData(VisatRum()));
}

void TForm1::StringGrid3DrawCell(int ACol, int ARow, QPainter& painter, const QRect& rect) {
  const QString text = StringGrid3->Cells(ACol, ARow);
  const int view = VisaResultatRadioGroup->ItemIndex();
  const SummaryCellLook look = SummaryCell(ACol, ARow, view == kResultatView || view == kDetaljView,
                                           text.toStdString(), DecimalPunkt());
  if (look.place == SummaryCellPlace::Standard) return;

  const QFontMetrics metrics(StringGrid3->font());
  const int right = rect.left() + rect.width();
  const int width = look.place == SummaryCellPlace::Column7
                        ? metrics.horizontalAdvance(QStringLiteral("22,0"))
                        : metrics.horizontalAdvance(text);
  const int x = right - width - 10;
  const int top = rect.top() + (rect.height() - metrics.height()) / 2;

  const QModelIndex index = StringGrid3->model()->index(ARow - StringGrid3->FixedRows(), ACol);
  const bool selected = StringGrid3->selectionModel()->isSelected(index);
  const QPalette& palette = StringGrid3->palette();
  painter.fillRect(rect, palette.color(selected ? QPalette::Highlight : QPalette::Base));
  painter.setFont(StringGrid3->font());
  painter.setPen(look.red ? QColor(Qt::red)
                          : palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  painter.setClipRect(rect);
  painter.drawText(x, top + metrics.ascent(), text);
}

}  // namespace virano
