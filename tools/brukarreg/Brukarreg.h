#pragma once
// The users file editor: the users of one installation and the folder each
// last used, edited in a table and saved whole into the users file.
#include <QWidget>
#include <vector>

#include "project/record.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace virano {

class Dialogs;

class TBrukarregForm : public QWidget {
  Q_OBJECT
 public:
  // Edits the users file `path`; a file that does not exist yet is made by
  // the first save.
  TBrukarregForm(Dialogs& dialogs, const QString& path, QWidget* parent = nullptr);

  QLabel* FilLabel;
  QTableWidget* Tabell;
  QLineEdit* NamnEdit;
  QLineEdit* BiblEdit;
  QPushButton* BladdraButton;
  QPushButton* TomButton;
  QPushButton* LaggTillButton;
  QPushButton* AndraButton;
  QPushButton* TaBortButton;
  QPushButton* SparaButton;
  QPushButton* StangButton;

  const std::vector<TUserRecord>& Users() const { return users_; }
  bool Changed() const { return changed_; }

  void LaggTillButtonClick();
  void AndraButtonClick();
  void TaBortButtonClick();
  void BladdraButtonClick();
  // Writes the users file by a temporary file that replaces it only when
  // written whole, with the users VIRANO registered meanwhile; false (after
  // a message) when it cannot be written.
  bool SparaButtonClick();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Load();
  void FillTable();
  // The users in the table, `select` highlighted (-1: none).
  void ShowUsers(int select);
  // The highlighted row of the table, or -1.
  int ChosenRow() const;
  // The boxes show the highlighted user, or nothing when none is.
  void RowChosen();
  // Takes in what was stored in the users file since it was read: users
  // registered meanwhile, and the folders of users not changed here. False
  // (after a message) when the file cannot be read or a user registered
  // meanwhile has the name of one added here.
  bool SammanfoerMedFilen();
  // The editor's complaint about the two fields for record `skip`, shown.
  bool Refused(int skip);
  void Refuse(const QString& text);

  Dialogs& dialogs_;
  QString path_;
  std::vector<TUserRecord> users_;
  std::vector<TUserRecord> read_;  // the file's users as last read or saved
  bool changed_ = false;
};

}  // namespace virano
