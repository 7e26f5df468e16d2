#pragma once
// The directory dialog, used to delete a directory.
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace virano {

// A small modal dialog: the chosen directory's full path, the directory
// list ("&Katalog"), the drive chooser ("&Enhet"), the last path component
// ("Katalog&val", read-only, at most 8 characters), "&Radera" and "Avbryt".
class TChooseDirForm : public QDialog {
  Q_OBJECT
 public:
  explicit TChooseDirForm(QWidget* parent = nullptr);

  QLabel* DirLabel;
  QListWidget* DirectoryListBox1;
  QComboBox* DriveComboBox1;
  QLineEdit* DirEdit;
  QPushButton* RaderaButton;
  QPushButton* CancelButton;
};

}  // namespace virano
