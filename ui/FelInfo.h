#pragma once
// The error-list window: the lines of the last input check.
#include <QWidget>

class QToolButton;

namespace virano {

class TForm1;
class TStringGrid;

// A window of its own that stays above the main window without blocking
// it. Created hidden; the input check and "&Visa" show it.
class TForm2 : public QWidget {
  Q_OBJECT
 public:
  // `mainWindow` is the window it stays above and jumps in; it is not its
  // parent.
  explicit TForm2(TForm1* mainWindow = nullptr);

  TStringGrid* StringGrid1;       // "Nr", "Rumsnamn", "Yta", "Delyta", "Felmeddelande"
  QToolButton* SkrivarValButton;  // "&Välj"
  QToolButton* SpeedButton1;      // "Print"

  int Row = 0;      // grid row last double-clicked
  int YtNr = 0;     // index of its main surface
  QString Yta;      // caption of its main surface
  QString RumNr;    // its room number

  // Shows the window in front with the lines of the error file.
  void Visa();
  void FormActivate();
  // Fills the list from the open project's error file; the list is empty
  // when no project is open or no check has been made.
  void VisaFel();
  void KolumnBredd();
  void StringGrid1DblClick();
  void SkrivarValButtonClick();
  // Prints the list as it stands on the printer last chosen.
  void SpeedButton1Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  TForm1* mainWindow_;
};

}  // namespace virano
