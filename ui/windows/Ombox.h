#pragma once
// The About box.
#include <QDialog>

class QLabel;
class QPushButton;

namespace virano {

// A fixed-size dialog captioned "Om..", centred on the screen: the program
// icon, "VIRANO" in bold, the version label and what the program computes.
class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  QLabel* ProgramIcon;
  QLabel* ProductName;
  QLabel* Version;  // "Version 1,x" until the main window sets it
  QLabel* Comments;
  QPushButton* OKButton;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace virano
