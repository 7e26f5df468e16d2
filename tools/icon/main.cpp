// virano-ikon MÅLMAPP
// Writes the program icon for the desktop's icon theme: MÅLMAPP/hicolor/
// NxN/apps/virano.png at every size of the window icon and
// MÅLMAPP/hicolor/scalable/apps/virano.svg, all from the window icon's shapes.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

#include "app/Pictures.h"

namespace {

bool Write(const QString& path, const QByteArray& data) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush()) return true;
  std::fprintf(stderr, "Kan inte skriva %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
  return false;
}

bool WritePng(const QString& path, int size) {
  QDir().mkpath(QFileInfo(path).path());
  if (virano::ProgramIconPixmap(size).save(path, "PNG")) return true;
  std::fprintf(stderr, "Kan inte skriva %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() != 2) {
    std::fputs("Användning: virano-ikon MÅLMAPP\n", stderr);
    return 2;
  }
  const QDir theme(args[1] + QStringLiteral("/hicolor"));
  bool written = Write(theme.filePath(QStringLiteral("scalable/apps/virano.svg")),
                       virano::ProgramIconSvg());
  for (int size : virano::kIconSizes)
    written = WritePng(theme.filePath(QStringLiteral("%1x%1/apps/virano.png").arg(size)), size) &&
              written;
  return written ? 0 : 1;
}
