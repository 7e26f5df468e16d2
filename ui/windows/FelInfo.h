#pragma once
// The error-list window: the lines of the last input check.
#include <QWidget>
#include <vector>

#include "project/record.h"
#include "reports/utskrift.h"

class QToolButton;

namespace virano {

class TStringGrid;

// A window of its own that stays above the main window without blocking
// it. Created hidden; the input check and "&Visa" show it.
class TForm2 : public QWidget {
  Q_OBJECT
 public:
  // `mainWindow` is the window it stays above; it is not its parent.
  explicit TForm2(QWidget* mainWindow = nullptr);

  TStringGrid* StringGrid1;       // "Nr", "Rumsnamn", "Yta", "Delyta", "Felmeddelande"
  QToolButton* SkrivarValButton;  // "&Välj"
  QToolButton* SpeedButton1;      // "Print"

  int Row = 0;      // grid row last double-clicked
  int YtNr = 0;     // index of its main surface
  QString Yta;      // caption of its main surface
  QString RumNr;    // its room number

  // Shows the window in front with `lines`, the errors of a check.
  void Visa(std::vector<TErrorRecord> lines);
  void FormActivate();
  // Fills the list with the lines last shown. A late activation thus never
  // shows the result of a later check that found nothing.
  void VisaFel();
  void KolumnBredd();
  // At the first showing: wide enough for the longest message of the list.
  void BreddFoerMeddelandena();
  void StringGrid1DblClick();
  void SkrivarValButtonClick();
  // Prints the list as it stands on the printer last chosen.
  void SpeedButton1Click();

 signals:
  // A line was double-clicked: show room `rum` with main surface `yta`.
  void Hoppa(int rum, int yta);
  // "&Välj": the printer set-up dialog of the program run.
  void SkrivarValBegaerd();
  // "Print": the list's rows, to print on the printer last chosen.
  void UtskriftBegaerd(const std::vector<ErrorRow>& rows);

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QWidget* mainWindow_;
  std::vector<TErrorRecord> lines_;
  bool visad_ = false;  // shown once already
};

}  // namespace virano
