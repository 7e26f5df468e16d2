#include "FelInfo.h"

#include <QToolButton>
#include <QWindow>

#include "Pictures.h"
#include "StringGrid.h"

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
  resize(472, 144);
  move(0, 0);
}

void TForm2::resizeEvent(QResizeEvent* event) {
  // The grid is anchored to all four sides, the print button to the top right.
  StringGrid1->setGeometry(8, 39, width() - 16, height() - 47);
  SkrivarValButton->move(315, 6);
  SpeedButton1->move(width() - 73, 6);
  QWidget::resizeEvent(event);
}

void TForm2::showEvent(QShowEvent* event) {
  if (mainWindow_ != nullptr && windowHandle() != nullptr && mainWindow_->windowHandle() != nullptr)
    windowHandle()->setTransientParent(mainWindow_->windowHandle());
  QWidget::showEvent(event);
}

}  // namespace virano
