#pragma once
// Files the program exports (the summary grid and the ROT map as CSV, the
// map as a picture): the save dialog and the file written whole.
#include <QByteArray>
#include <QString>
#include <optional>

#include "app/Dialogs.h"

namespace virano {

// The save dialog, asking before it replaces a file. The path chosen, with
// "." + `suffix` added when its name has no suffix; nothing when cancelled.
std::optional<QString> ExportFilVal(Dialogs& dialogs, FileDialogOptions options,
                                    const QString& suffix);

// Writes `bytes` as the whole file `path`, leaving a file there before
// untouched on failure; tells the user and returns false when it cannot.
bool SkrivExportFil(Dialogs& dialogs, const QString& path, const QByteArray& bytes);

}  // namespace virano
