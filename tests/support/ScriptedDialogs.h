#pragma once
// Dialogs for tests: every call is recorded in order; questions and file
// dialogs are answered from queues the test fills beforehand.
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "app/Dialogs.h"

namespace virano {
class TChooseDirForm;
}

namespace virano::testing {

struct DialogCall {
  enum Kind {
    Message, QuestionYesNo, QuestionYesCancel, OpenFile, SaveFile, PrinterSetup, Beep,
    DirectoryDialog, ChooseFolder
  };
  Kind kind;
  // The message or question ("\r" recorded as "\n"), the dialog's title, or
  // the printer set-up's accept button.
  QString text;
  MessageKind messageKind = MessageKind::Plain;
  FileDialogOptions options{};  // for file dialogs
  bool defaultNo = false;     // questions: No or Cancel is the default button
  bool operator==(const DialogCall& other) const {
    return kind == other.kind && text == other.text && messageKind == other.messageKind &&
           defaultNo == other.defaultNo;
  }
};

class ScriptedDialogs : public Dialogs {
 public:
  std::vector<DialogCall> calls;
  std::deque<bool> answers;                      // questions: true = Yes
  std::deque<std::optional<QString>> files;      // file dialogs: nothing = cancel
  std::deque<bool> printerAnswers;
  QString printToFile;  // when set, an accepted printer dialog chooses a PDF file there
  // The directory dialog: each script does what the user does in it. The
  // chosen folders are answered from `files`.
  std::deque<std::function<void(TChooseDirForm&)>> directoryScripts;

  void Message(const QString& text, MessageKind kind) override;
  bool QuestionYesNo(const QString& text, Question kind = Question::Plain) override;
  bool QuestionYesCancel(const QString& text) override;
  std::optional<QString> OpenFile(const FileDialogOptions& options) override;
  std::optional<QString> SaveFile(const FileDialogOptions& options) override;
  bool PrinterSetup(QPrinter& printer, PrinterChoice purpose) override;
  void Beep() override;
  void ShowDirectoryDialog(QDialog& form) override;
  std::optional<QString> ChooseFolder(const QString& title, const QString& startDir) override;

  // The texts of the recorded messages, in order.
  std::vector<QString> Messages() const;
  int Beeps() const;
};

// Convenience for expectations.
DialogCall MessageCall(const QString& text, MessageKind kind = MessageKind::Plain);
DialogCall BeepCall();
DialogCall YesNoCall(const QString& text, Question kind = Question::Plain);

}  // namespace virano::testing
