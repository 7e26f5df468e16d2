#pragma once
// Every message box, question, file dialog, printer set-up dialog and beep
// of the program goes through Dialogs, so that tests can answer them.
#include <QString>
#include <optional>

class QPrinter;
class QDialog;
class QWidget;

namespace virano {


// What the printer set-up dialog is shown for: to print right after it
// (its accept button reads "Skriv ut"), or only to choose the printer that
// later print jobs use ("OK").
enum class PrinterChoice { Print, Choose };

// The icon and caption of a message box. Plain is a bare message with OK.
enum class MessageKind { Plain, Information, Warning, Error };

// What a question's Yes does. A question whose Yes deletes or discards data
// has No as its default button, so that Enter keeps the data.
enum class Question { Plain, Deletes };

// A file dialog's settings. `filter` is written as "Text (*.rot)|*.rot|
// Alla filer (*.*)|*.*": pairs of description and pattern.
struct FileDialogOptions {
  QString title;
  QString filter;
  QString startDir;
  QString fileName;            // proposed file name
  bool promptCreate = false;   // ask before accepting a file that does not exist
  bool mustExist = false;      // the file and its path must exist
  bool confirmOverwrite = false;  // ask before replacing an existing file (save)
  QString acceptLabel;         // the accept button's text, when not the dialog's own
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Shows `text` with an OK button. "\r" and "\n" both break lines.
  virtual void Message(const QString& text, MessageKind kind = MessageKind::Plain) = 0;
  // A confirmation with Yes and No; true for Yes.
  virtual bool QuestionYesNo(const QString& text, Question kind = Question::Plain) = 0;
  // A confirmation with Yes and Cancel, as the grids ask before deleting a
  // row: Cancel is the default button. True for Yes.
  virtual bool QuestionYesCancel(const QString& text) = 0;
  // The chosen path, or nothing when the user cancels.
  virtual std::optional<QString> OpenFile(const FileDialogOptions& options) = 0;
  virtual std::optional<QString> SaveFile(const FileDialogOptions& options) = 0;
  // The platform's printer set-up dialog for `printer`; false when cancelled.
  virtual bool PrinterSetup(QPrinter& printer, PrinterChoice purpose) = 0;
  virtual void Beep() = 0;

  // The directory dialog, shown modally until the user closes it; its own
  // buttons do the work.
  virtual void ShowDirectoryDialog(QDialog& form) = 0;
  // A folder chosen by the user, or nothing when the user cancels.
  virtual std::optional<QString> ChooseFolder(const QString& title, const QString& startDir) = 0;
};

// Dialogs shown on the screen, owned by `parent` (may be null).
class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void Message(const QString& text, MessageKind kind) override;
  bool QuestionYesNo(const QString& text, Question kind = Question::Plain) override;
  bool QuestionYesCancel(const QString& text) override;
  std::optional<QString> OpenFile(const FileDialogOptions& options) override;
  std::optional<QString> SaveFile(const FileDialogOptions& options) override;
  bool PrinterSetup(QPrinter& printer, PrinterChoice purpose) override;
  void Beep() override;
  void ShowDirectoryDialog(QDialog& form) override;
  std::optional<QString> ChooseFolder(const QString& title, const QString& startDir) override;

 private:
  QWidget* parent_;
};

// Loads Qt's Swedish texts for its own dialogs into the application.
void LoadSwedishQtTexts();

// "\r" in a message is a line break, as "\n" is.
QString MessageText(const QString& text);

// "Text (*.rot)|*.rot|Alla (*.*)|*.*" as a Qt name filter list
// "Text (*.rot);;Alla (*.*)"; a description without its pattern in
// parentheses gets it appended.
QString QtNameFilters(const QString& filter);

}  // namespace virano
