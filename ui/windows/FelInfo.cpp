#include "windows/FelInfo.h"

#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QToolButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "app/Pictures.h"
#include "app/RecordText.h"
#include "rules/WindowRules.h"
#include "widgets/StringGrid.h"

namespace virano {
namespace {

QToolButton* PrintButton(const QString& caption, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setText(caption);
  button->setIcon(PrinterGlyph());
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  QFont bold = button->font();
  bold.setBold(true);
  button->setFont(bold);
  button->resize(65, 29);
  return button;
}

}  // namespace

TForm2::TForm2(QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window),
      StringGrid1(new TStringGrid(5, 2, 1, this)),
      SkrivarValButton(PrintButton(QStringLiteral("&Välj"), this)),
      SpeedButton1(PrintButton(QStringLiteral("Print"), this)),
      mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("FELMEDDELANDE"));
  setFont(QFont(QStringLiteral("Tahoma"), 8));
  StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
  StringGrid1->SetEditable(false);
  StringGrid1->SetDefaultRowHeight(17);
  StringGrid1->setToolTip(QStringLiteral("Dubbelklicka på rad som ska ändras"));
  SkrivarValButton->setObjectName(QStringLiteral("SkrivarValButton"));
  SkrivarValButton->setToolTip(QStringLiteral("Välj skrivare"));
  SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
  connect(StringGrid1, &QAbstractItemView::doubleClicked, this, [this] { StringGrid1DblClick(); });
  connect(SkrivarValButton, &QToolButton::clicked, this, [this] { SkrivarValButtonClick(); });
  connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
  resize(472, 144);
  move(0, 0);
  KolumnBredd();
}

void TForm2::Visa(std::vector<TErrorRecord> lines) {
  lines_ = std::move(lines);
  setWindowTitle(QStringLiteral("FELMEDDELANDE"));
  if (!visad_) BreddFoerMeddelandena();
  visad_ = true;
  show();
  raise();
  activateWindow();
  // Filled here too: a window manager may leave the main window active.
  VisaFel();
}

void TForm2::FormActivate() { VisaFel(); }

void TForm2::BreddFoerMeddelandena() {
  const QFontMetrics metrics(StringGrid1->font());
  int longest = metrics.horizontalAdvance(Utf8Text(kErrorListHeadings[4]));
  for (const TErrorRecord& line : lines_)
    longest = std::max(longest, metrics.horizontalAdvance(FieldText(line.Felmeddelande)));
  const int grid = ErrorListGridWidth(StringGrid1->GridLineWidth(),
                                      metrics.horizontalAdvance(QStringLiteral("XXXX")),
                                      metrics.horizontalAdvance(QString(15, QLatin1Char('X'))), longest);
  // The grid lies 8 pixels in from each side; the window stays on the screen.
  int wanted = grid + 16;
  if (const QScreen* shown = screen()) wanted = std::min(wanted, shown->availableGeometry().width());
  if (wanted > width()) resize(wanted, height());
}

void TForm2::VisaFel() {
  KolumnBredd();
  const std::vector<TErrorRecord>& lines = lines_;
  StringGrid1->SetRowCount(static_cast<int>(lines.size()) + 1);
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    const TErrorRecord& line = lines[i];
    const QString cells[] = {QString::number(line.Nr.Get()), FieldText(line.RumsNamn),
                             FieldText(line.Yta), FieldText(line.Delyta),
                             FieldText(line.Felmeddelande)};
    for (int c = 0; c < 5; ++c) StringGrid1->SetCells(c, i + 1, cells[c]);
  }
}

void TForm2::KolumnBredd() {
  for (int c = 0; c < 5; ++c)
    StringGrid1->SetCells(c, 0, Utf8Text(kErrorListHeadings[c]));
  const QFontMetrics metrics(StringGrid1->font());
  const auto widths = ErrorListWidths(StringGrid1->width(), StringGrid1->GridLineWidth(),
                                      metrics.horizontalAdvance(QStringLiteral("XXXX")),
                                      metrics.horizontalAdvance(QString(15, QLatin1Char('X'))));
  for (int c = 0; c < 5; ++c) StringGrid1->SetColWidths(c, widths[c]);
  StringGrid1->Repaint();
}

void TForm2::StringGrid1DblClick() {
  Row = StringGrid1->Row();
  RumNr = StringGrid1->Cells(0, Row);
  Yta = StringGrid1->Cells(2, Row);
  for (int s = 0; s < kMainSurfaceCount; ++s)
    if (Utf8Text(kMainSurfaceCaptions[s]) == Yta) {
      YtNr = s;
      break;
    }
  emit Hoppa(RumNr.toInt(), YtNr);
}

void TForm2::SkrivarValButtonClick() { emit SkrivarValBegaerd(); }

void TForm2::SpeedButton1Click() {
  std::vector<ErrorRow> rows(static_cast<std::size_t>(std::max(StringGrid1->RowCount() - 1, 0)));
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (int c = 0; c < 5; ++c)
      rows[r][c] = StringGrid1->Cells(c, static_cast<int>(r) + 1).toStdString();
  emit UtskriftBegaerd(rows);
}

void TForm2::resizeEvent(QResizeEvent* event) {
  // The grid is anchored to all four sides, the print button to the top right.
  StringGrid1->setGeometry(8, 39, width() - 16, height() - 47);
  SkrivarValButton->move(315, 6);
  SpeedButton1->move(width() - 73, 6);
  KolumnBredd();
  QWidget::resizeEvent(event);
}

void TForm2::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TForm2::showEvent(QShowEvent* event) {
  if (mainWindow_ != nullptr && windowHandle() != nullptr && mainWindow_->windowHandle() != nullptr)
    windowHandle()->setTransientParent(mainWindow_->windowHandle());
  QWidget::showEvent(event);
}

}  // namespace virano
