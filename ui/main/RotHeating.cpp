// The room's heating system, air velocity and target ROT: the heating
// system shows its extra inputs, the air velocity sets the ROT increase, and
// the minimum ROT follows the target and the increase.
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>

#include "main/Rot.h"
#include "project/numbers.h"
#include "rules/Thermal.h"
#include "rules/WindowRules.h"
#include "widgets/Colours.h"
#include "widgets/FocusWatch.h"
#include "widgets/RadioGroup.h"

namespace virano {

namespace {

bool Marked(const QWidget* field) { return field->palette().color(QPalette::Base) == colours::kRed; }

// Shows what an air velocity gives the increase box. Where the user gives
// the increase, the box opens on red with "0", or with the increase already
// in it when `keepOwn`.
void ShowIncRot(QLineEdit* incRot, const IncRotVerdict& verdict, bool keepOwn) {
  if (verdict.kind == IncRotVerdict::kOpen) {
    incRot->setEnabled(true);
    if (!keepOwn || incRot->text().isEmpty()) incRot->setText(QStringLiteral("0"));
    MarkField(incRot, true);
    return;
  }
  incRot->setText(QString::fromStdString(verdict.text));
  incRot->setEnabled(false);
  if (verdict.kind == IncRotVerdict::kIncrease) MarkField(incRot, false);
}

}  // namespace

void TForm1::ConnectRoomBoxHandlers() {
  connect(RumsTemp, &QLineEdit::textChanged, this, [this] { RumsTempChange(); });
  connect(Rot, &QLineEdit::textChanged, this, [this] { RotChange(); });
  connect(IncROT, &QLineEdit::textChanged, this, [this] { IncROTChange(); });
  connect(IncROT, &QLineEdit::editingFinished, this, [this] { IncROTExit(); });
  // A velocity chosen from the list, or typed as one of the list's, runs its
  // rule; passing through the box chooses nothing anew, since a room shown
  // chooses its velocity's entry.
  connect(LuftHastComboBox, &QComboBox::activated, this, [this] { LuftHastComboBoxClick(); });
  auto* luftHast = new TFocusWatch(LuftHastComboBox);
  luftHast->OnExit = [this] { LuftHastComboBoxExit(); };
}

void TForm1::RadioGroup1Click() {
  const HeatPanels panels = HeatPanelsFor(RadioGroup1->ItemIndex());
  TakHeatPanel->setVisible(panels.takHeat);
  EgetAltPanel->setVisible(panels.egetAlt);
  projekt_->MarkeraAendrad();
}

void TForm1::LuftHastComboBoxClick() {
  ShowIncRot(IncROT, IncRotForVelocity(LuftHastComboBox->currentText().toStdString(), DecimalPunkt()),
             false);
}

void TForm1::LuftHastSkriven() {
  QLineEdit* edit = LuftHastComboBox->lineEdit();
  // A velocity typed since the box took its text from the list or from a
  // room runs the rule as a chosen one does; a typed velocity the list has
  // no increase for opens the increase box and keeps what stands in it.
  if (!edit->isModified()) return;
  ShowIncRot(IncROT, IncRotForVelocity(edit->text().toStdString(), DecimalPunkt()), true);
  edit->setModified(false);
}

void TForm1::LuftHastComboBoxExit() {
  LuftHastSkriven();
  // The system's decimal separator is no change of the room.
  const bool changed = projekt_->DataAendrad();
  LuftHastComboBox->setEditText(FormatDecimal(LuftHastComboBox->currentText()));
  if (!changed) projekt_->GloemAendring();
}

void TForm1::IncROTChange() {
  Rot->setText(FormatDecimal(Rot->text()));
  try {
    MinRot->setText(QString::fromStdString(
        MinRotText(Rot->text().toStdString(), IncROT->text().toStdString(), DecimalPunkt())));
  } catch (const ConversionError&) {
    MarkField(IncROT, true);
    return;
  }
  MarkField(IncROT, false);
  projekt_->MarkeraAendrad();
}

void TForm1::IncROTExit() {
  // Leaving a red increase that is a number confirms it.
  if (Marked(IncROT)) IncROTChange();
}

void TForm1::RotChange() {
  std::string minRot;
  try {
    minRot = MinRotText(Rot->text().toStdString(), IncROT->text().toStdString(), DecimalPunkt());
  } catch (const ConversionError&) {
    // A room being shown brings its own minimum ROT, whatever its target holds.
    if (projekt_->LaddarRum()) return;
    throw;
  }
  MinRot->setText(QString::fromStdString(minRot));
  projekt_->MarkeraAendrad();
}

}  // namespace virano
