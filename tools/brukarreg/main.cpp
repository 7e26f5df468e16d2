// Brukarreg: edits the users file of VIRANO, the Custom.roi beside it or
// the file named as its argument.
#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <cstring>

#include "Brukarreg.h"
#include "app/Program.h"
#include "app/UserFil.h"

namespace {

const char kHelp[] =
    "Användning: Brukarreg [ANVÄNDARFIL]\n"
    "Redigerar användarna i VIRANO och det bibliotek var och en senast använde.\n"
    "Utan argument öppnas användarfilen Custom.roi som VIRANO i samma bibliotek\n"
    "använder.\n"
    "\n"
    "  --help   visar denna hjälp\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(kHelp, stdout);
    return 0;
  }
  if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
    std::fputs("Brukarreg: felaktiga argument. Se Brukarreg --help\n", stderr);
    return 2;
  }
  const QString named = argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString();
  return virano::RunWindow(argc, argv, [&named](virano::Dialogs& dialogs) {
    // The program's folder is known once the application runs.
    const QString path = named.isEmpty() ? virano::UserFilPath(QCoreApplication::applicationDirPath())
                                         : QDir::toNativeSeparators(QDir().absoluteFilePath(named));
    return std::make_unique<virano::TBrukarregForm>(dialogs, path);
  });
}
