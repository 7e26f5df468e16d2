#include "app/Export.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace virano {

std::optional<QString> ExportFilVal(Dialogs& dialogs, FileDialogOptions options,
                                    const QString& suffix) {
  options.confirmOverwrite = true;
  std::optional<QString> path = dialogs.SaveFile(options);
  if (!path || !QFileInfo(*path).suffix().isEmpty()) return path;
  // The dialog asked about the name without its suffix.
  *path += QLatin1Char('.') + suffix;
  const QFileInfo target(*path);
  if (target.exists() &&
      !dialogs.QuestionYesNo(target.fileName() + QStringLiteral(" finns redan.\rVill du ersätta den?"),
                             Question::Deletes))
    return std::nullopt;
  return path;
}

bool SkrivExportFil(Dialogs& dialogs, const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
    return true;
  dialogs.Message(QStringLiteral("Filen kunde inte skrivas: ") + QDir::toNativeSeparators(path) +
                      QLatin1Char('\r') + file.errorString(),
                  MessageKind::Error);
  return false;
}

}  // namespace virano
