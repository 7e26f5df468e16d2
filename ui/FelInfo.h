#pragma once
// The error-list window: the lines of the last input check.
#include <QWidget>

class QToolButton;

namespace virano {

class TStringGrid;

// A window of its own that stays above the main window without blocking
// it. Created hidden; the input check shows it.
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

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* mainWindow_;
};

}  // namespace virano
