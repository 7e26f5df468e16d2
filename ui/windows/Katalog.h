#pragma once
// The directory dialog, used to delete a directory.
#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace virano {

class Dialogs;

// A small modal dialog: the chosen directory's full path, the folder tree
// of one file system ("&Katalog"), the chooser of the mounted file systems
// ("&Enhet"), the last component of the chosen directory ("Katalog&val",
// read-only, at most 8 characters), "&Radera" and "Avbryt".
class TChooseDirForm : public QDialog {
  Q_OBJECT
 public:
  explicit TChooseDirForm(Dialogs& dialogs, QWidget* parent = nullptr);

  QLabel* DirLabel;
  QTreeView* DirectoryListBox1;
  QComboBox* DriveComboBox1;
  QLineEdit* DirEdit;
  QPushButton* RaderaButton;
  QPushButton* CancelButton;

  // The chosen directory, native separators.
  QString Directory() const { return directory_; }
  // Chooses `path`: its file system in the drive chooser, its folder in the
  // tree. A path that does not exist is replaced by its nearest existing parent.
  void SetDirectory(const QString& path);
  // Reads the mounted file systems and the folder tree again.
  void Update();
  // Asks, then removes the chosen directory when it is empty; the choice
  // moves to its parent either way.
  void RaderaButtonClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void DirectoryChanged(const QString& path);
  // Marks the chosen directory in the tree and scrolls to it.
  void ShowChoice();
  void DriveChanged();

  Dialogs& dialogs_;
  QFileSystemModel* model_;
  QString directory_;
  bool followChoice_ = true;  // the tree scrolls to the choice as it fills
};

// The last component of a path: the text after its last separator.
QString LastComponent(const QString& path);

}  // namespace virano
