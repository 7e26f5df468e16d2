#include "app/Dialogs.h"

#include <QDialog>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QTreeView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>

namespace virano {
namespace {

QString Caption(MessageKind kind) {
  switch (kind) {
    case MessageKind::Information: return QStringLiteral("Information");
    case MessageKind::Warning: return QStringLiteral("Varning");
    case MessageKind::Error: return QStringLiteral("Fel");
    case MessageKind::Plain: break;
  }
  return QStringLiteral("VIRANO");
}

QMessageBox::Icon Icon(MessageKind kind) {
  switch (kind) {
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Plain: break;
  }
  return QMessageBox::NoIcon;
}

// A confirmation box with Swedish button texts; true when `yes` is pressed.
bool Ask(QWidget* parent, const QString& text, QMessageBox::StandardButton second,
         const QString& secondText, Question kind) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Bekräfta"), MessageText(text),
                  QMessageBox::Yes | second, parent);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
  box.button(second)->setText(secondText);
  box.setDefaultButton(kind == Question::Deletes ? second : QMessageBox::Yes);
  box.setEscapeButton(second);
  return box.exec() == QMessageBox::Yes;
}

// A file's type in the file dialogs, named by its extension: "ROT-fil".
class TFileTypes : public QFileIconProvider {
 public:
  QString type(const QFileInfo& info) const override {
    if (!info.isFile()) return QFileIconProvider::type(info);
    const QString suffix = info.suffix().toUpper();
    return suffix.isEmpty() ? QStringLiteral("Fil") : suffix + QStringLiteral("-fil");
  }
};

// The file list's columns (name, size, type, date) as wide as their
// contents, however the user left them the last time.
void ShowWholeColumns(QFileDialog& dialog) {
  if (auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView")))
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void Configure(QFileDialog& dialog, const FileDialogOptions& options) {
  static TFileTypes types;
  // Qt's own dialog, whose texts are Swedish whatever the desktop.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setIconProvider(&types);
  dialog.resize(780, 460);
  ShowWholeColumns(dialog);
  dialog.setWindowTitle(options.title);
  dialog.setNameFilter(QtNameFilters(options.filter));
  if (!options.startDir.isEmpty()) dialog.setDirectory(options.startDir);
  if (!options.fileName.isEmpty()) dialog.selectFile(options.fileName);
  if (!options.acceptLabel.isEmpty()) dialog.setLabelText(QFileDialog::Accept, options.acceptLabel);
}

}  // namespace

QString MessageText(const QString& text) {
  QString result = text;
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return result;
}

QString QtNameFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    if (!description.contains(QLatin1Char('(')))
      description += QStringLiteral(" (") + patterns + QLatin1Char(')');
    filters << description;
  }
  return filters.join(QStringLiteral(";;"));
}

void QtDialogs::Message(const QString& text, MessageKind kind) {
  QMessageBox box(Icon(kind), Caption(kind), MessageText(text), QMessageBox::Ok, parent_);
  box.exec();
}

bool QtDialogs::QuestionYesNo(const QString& text, Question kind) {
  return Ask(parent_, text, QMessageBox::No, QStringLiteral("&Nej"), kind);
}

bool QtDialogs::QuestionYesCancel(const QString& text) {
  return Ask(parent_, text, QMessageBox::Cancel, QStringLiteral("Avbryt"), Question::Deletes);
}

std::optional<QString> QtDialogs::OpenFile(const FileDialogOptions& options) {
  QFileDialog dialog(parent_);
  Configure(dialog, options);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(options.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    const QString path = dialog.selectedFiles().constFirst();
    // A path whose folder does not exist goes back to the caller, which
    // refuses it: nothing is offered to be created there.
    if (!options.promptCreate || QFileInfo::exists(path) || !QFileInfo(path).dir().exists())
      return path;
    const QString question = path + QStringLiteral("\nFilen finns inte.\nVill du skapa den?");
    if (QuestionYesNo(question)) return path;
  }
  return std::nullopt;
}

std::optional<QString> QtDialogs::SaveFile(const FileDialogOptions& options) {
  QFileDialog dialog(parent_);
  Configure(dialog, options);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

bool QtDialogs::PrinterSetup(QPrinter& printer, PrinterChoice purpose) {
  QPrintDialog dialog(&printer, parent_);
  // The reports print whole: a range of pages is left to the printer.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  // Only choosing prints nothing, and the button says so.
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>(); buttons && purpose == PrinterChoice::Choose)
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::Beep() { QApplication::beep(); }

void QtDialogs::ShowDirectoryDialog(QDialog& form) { form.exec(); }

std::optional<QString> QtDialogs::ChooseFolder(const QString& title, const QString& startDir) {
  const QString folder = QFileDialog::getExistingDirectory(parent_, title, startDir);
  if (folder.isEmpty()) return std::nullopt;
  return folder;
}

}  // namespace virano
