#include "support/ScriptedDialogs.h"

#include <QPrinter>
#include <stdexcept>

#include "windows/Katalog.h"

namespace virano::testing {
namespace {

template <typename T>
T Next(std::deque<T>& queue, const QString& what) {
  if (queue.empty()) throw std::logic_error("Inget svar förberett för: " + what.toStdString());
  T answer = queue.front();
  queue.pop_front();
  return answer;
}

}  // namespace

void ScriptedDialogs::Message(const QString& text, MessageKind kind) {
  calls.push_back({DialogCall::Message, MessageText(text), kind, {}});
}

bool ScriptedDialogs::QuestionYesNo(const QString& text, Question kind) {
  calls.push_back({DialogCall::QuestionYesNo, MessageText(text), MessageKind::Plain, {},
                   kind == Question::Deletes});
  return Next(answers, text);
}

bool ScriptedDialogs::QuestionYesCancel(const QString& text) {
  calls.push_back({DialogCall::QuestionYesCancel, MessageText(text), MessageKind::Plain, {}, true});
  return Next(answers, text);
}

std::optional<QString> ScriptedDialogs::OpenFile(const FileDialogOptions& options) {
  calls.push_back({DialogCall::OpenFile, options.title, MessageKind::Plain, options});
  return Next(files, options.title);
}

std::optional<QString> ScriptedDialogs::SaveFile(const FileDialogOptions& options) {
  calls.push_back({DialogCall::SaveFile, options.title, MessageKind::Plain, options});
  return Next(files, options.title);
}

bool ScriptedDialogs::PrinterSetup(QPrinter& printer, PrinterChoice purpose) {
  calls.push_back({DialogCall::PrinterSetup,
                   purpose == PrinterChoice::Choose ? QStringLiteral("OK") : QStringLiteral("Skriv ut"),
                   MessageKind::Plain,
                   {}});
  const bool accepted = Next(printerAnswers, QStringLiteral("skrivarval"));
  if (accepted && !printToFile.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToFile);
  }
  return accepted;
}

void ScriptedDialogs::Beep() { calls.push_back({DialogCall::Beep, {}, MessageKind::Plain, {}}); }

void ScriptedDialogs::ShowDirectoryDialog(QDialog& form) {
  calls.push_back({DialogCall::DirectoryDialog, form.windowTitle(), MessageKind::Plain, {}});
  Next(directoryScripts, form.windowTitle())(dynamic_cast<TChooseDirForm&>(form));
}

std::optional<QString> ScriptedDialogs::ChooseFolder(const QString& title, const QString& startDir) {
  FileDialogOptions options;
  options.title = title;
  options.startDir = startDir;
  calls.push_back({DialogCall::ChooseFolder, title, MessageKind::Plain, options});
  return Next(files, title);
}

std::vector<QString> ScriptedDialogs::Messages() const {
  std::vector<QString> texts;
  for (const DialogCall& call : calls)
    if (call.kind == DialogCall::Message) texts.push_back(call.text);
  return texts;
}

int ScriptedDialogs::Beeps() const {
  int n = 0;
  for (const DialogCall& call : calls) n += call.kind == DialogCall::Beep ? 1 : 0;
  return n;
}

DialogCall MessageCall(const QString& text, MessageKind kind) {
  return {DialogCall::Message, text, kind, {}};
}
DialogCall BeepCall() { return {DialogCall::Beep, {}, MessageKind::Plain, {}}; }
DialogCall YesNoCall(const QString& text, Question kind) {
  return {DialogCall::QuestionYesNo, text, MessageKind::Plain, {}, kind == Question::Deletes};
}

}  // namespace virano::testing
