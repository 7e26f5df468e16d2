#pragma once
// The file converter's window: which conversion, from which file to which.
#include <QWidget>

#include "Omvandling.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace virano {

class Dialogs;

class TOmvandlareForm : public QWidget {
  Q_OBJECT
 public:
  explicit TOmvandlareForm(Dialogs& dialogs, QWidget* parent = nullptr);

  QRadioButton* Version1Button;
  QRadioButton* TillJsonButton;
  QRadioButton* FranJsonButton;
  QLineEdit* FranEdit;
  QLineEdit* TillEdit;
  QPushButton* FranButton;
  QPushButton* TillButton;
  QPushButton* KonverteraButton;
  QPushButton* StangButton;

  omvandlare::Mode ChosenMode() const;
  void FranButtonClick();
  void TillButtonClick();
  // Converts after asking before a file is replaced; false when nothing was written.
  bool KonverteraButtonClick();

 private:
  // Proposes the file to write from the file read and the conversion.
  void ProposeTill();
  QString Filter(bool json) const;

  Dialogs& dialogs_;
};

}  // namespace virano
