#include "app/UserFil.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace virano {

QString UserFilPath(const QString& programBibl) {
  const QString name = QStringLiteral("Custom.roi");
  const QFileInfo folder(programBibl);
  if (folder.isDir() && folder.isWritable())
    return QDir::toNativeSeparators(QDir(programBibl).filePath(name));
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                       QStringLiteral("/VIRANO");
  QDir().mkpath(data);
  return QDir::toNativeSeparators(QDir(data).filePath(name));
}

}  // namespace virano
