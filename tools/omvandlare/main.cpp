// Omvandlare: converts VIRANO's project files, in a window or from the
// command line.
#include <QFileInfo>
#include <QStringList>
#include <clocale>
#include <cstdio>
#include <optional>

#include "OmvandlareForm.h"
#include "Omvandling.h"
#include "app/Program.h"

namespace {

using virano::omvandlare::Mode;

const char kHelp[] =
    "Användning: Omvandlare [--version-1 | --till-json | --fran-json] [--skriv-over] IN UT\n"
    "Konverterar projektfiler för VIRANO. Utan argument öppnas ett fönster.\n"
    "\n"
    "  --version-1   gör om ett projekt från en annan programversion till\n"
    "                version 1, så att det kan öppnas i VIRANO\n"
    "  --till-json   skriver projektet IN som ett läsbart JSON-dokument UT\n"
    "  --fran-json   skriver JSON-dokumentet IN som projektfilen UT\n"
    "  --skriv-over  ersätter UT om filen redan finns; utan valet skrivs\n"
    "                ingen befintlig fil över\n"
    "  --help        visar denna hjälp\n"
    "\n"
    "Utan val av konvertering avgör filnamnen: IN som slutar på .json läses som\n"
    "JSON, UT som slutar på .json skrivs som JSON, annars version 1.\n"
    "IN ändras aldrig; UT skrivs hel eller inte alls.\n"
    "\n"
    "Slutkoder: 0 klart, 2 felaktiga argument eller UT finns redan, 3 filfel\n"
    "(filen kunde inte läsas, konverteras eller skrivas).\n";

enum ExitCode { kKlart = 0, kFelaktigaArgument = 2, kFilfel = 3 };

void Print(std::FILE* to, const QString& text) { std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), to); }

int BadArguments(const QString& why) {
  Print(stderr, QStringLiteral("Omvandlare: ") + why + QStringLiteral(". Se Omvandlare --help"));
  return kFelaktigaArgument;
}

Mode ModeFromNames(const QString& in, const QString& out) {
  if (in.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)) return Mode::FromJson;
  if (out.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)) return Mode::ToJson;
  return Mode::Version1;
}

int RunCommandLine(const QStringList& arguments) {
  std::optional<Mode> mode;
  bool overwrite = false;
  QStringList files;
  for (const QString& argument : arguments) {
    std::optional<Mode> chosen;
    if (argument == QStringLiteral("--skriv-over")) overwrite = true;
    else if (argument == QStringLiteral("--version-1")) chosen = Mode::Version1;
    else if (argument == QStringLiteral("--till-json")) chosen = Mode::ToJson;
    else if (argument == QStringLiteral("--fran-json")) chosen = Mode::FromJson;
    else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1)
      return BadArguments(QStringLiteral("okänt val ") + argument);
    else files << argument;
    if (chosen && mode) return BadArguments(QStringLiteral("välj bara en konvertering"));
    if (chosen) mode = chosen;
  }
  if (files.size() != 2) return BadArguments(QStringLiteral("ange filen IN och filen UT"));
  if (virano::omvandlare::SameFile(files[0], files[1]))
    return BadArguments(QStringLiteral("UT får inte vara samma fil som IN"));
  const QFileInfo out(files[1]);
  if (!overwrite && (out.exists() || out.isSymLink()))
    return BadArguments(files[1] + QStringLiteral(" finns redan; välj --skriv-over för att ersätta den"));
  try {
    virano::omvandlare::Convert(mode.value_or(ModeFromNames(files[0], files[1])), files[0], files[1]);
  } catch (const std::exception& error) {
    Print(stderr, QStringLiteral("Omvandlare: ") + QString::fromUtf8(error.what()));
    return kFilfel;
  }
  return kKlart;
}

}  // namespace

int main(int argc, char** argv) {
  // The system's reasons for file errors in the user's language.
  std::setlocale(LC_ALL, "");
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
    std::fputs(kHelp, stdout);
    return kKlart;
  }
  if (!arguments.isEmpty()) return RunCommandLine(arguments);

  return virano::RunWindow(argc, argv, [](virano::Dialogs& dialogs) {
    return std::make_unique<virano::TOmvandlareForm>(dialogs);
  });
}
