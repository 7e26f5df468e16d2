// virano-kalkyl [--detalj] [--csv] PROJEKT.rot [RUMSNUMMER]
// virano-kalkyl --asymmetri [--kategori K] [--csv] PROJEKT.rot [RUMSNUMMER]
// virano-kalkyl --karta YTA [--asymmetri [--kategori K]] [--avstand Z] [--steg D]
//               [--csv | --png BILD.png] PROJEKT.rot RUMSNUMMER
// Prints the result table of one room, or of every room, of a project file,
// or the radiant temperature asymmetry at their control points, or the map
// of the ROT or of the asymmetry over one main surface of a room (karta.h),
// or writes the map's picture (png.h); with --pdf (pdf.h) writes the
// project's printed reports instead.
#include <clocale>
#include <cstring>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "engine/kernels.h"
#include "karta.h"
#include "project/numbers.h"
#include "project/recordfile.h"
#ifdef VIRANO_KALKYL_PDF
#include "pdf.h"
#include "png.h"
#endif

namespace {

using namespace virano;

constexpr const char* kHelp =
    "Användning: virano-kalkyl [--detalj] PROJEKT.rot [RUMSNUMMER]\n"
    "            virano-kalkyl --csv [--detalj] PROJEKT.rot [RUMSNUMMER]\n"
    "            virano-kalkyl --asymmetri [--kategori K] [--csv] PROJEKT.rot\n"
    "                          [RUMSNUMMER]\n"
    "            virano-kalkyl --karta YTA [--asymmetri [--kategori K]] [--avstand Z]\n"
    "                          [--steg D] [--csv] PROJEKT.rot RUMSNUMMER\n"
    "            virano-kalkyl --karta YTA [--asymmetri [--kategori K]] [--avstand Z]\n"
    "                          [--steg D] --png BILD.png PROJEKT.rot RUMSNUMMER\n"
    "            virano-kalkyl --pdf RAPPORT.pdf [--indata] [--resultat] [--detalj]\n"
    "                          [--vaggvyer] PROJEKT.rot [RUMSNUMMER]\n"
    "\n"
    "Beräknar riktad operativ temperatur (ROT) i kontrollpunkterna för ett rum i\n"
    "projektfilen PROJEKT.rot och skriver rummets resultattabell på standard ut:\n"
    "tabellens tre rubrikrader och sedan varje rad, den avslutande tomma raden\n"
    "medräknad, med ett tabbtecken mellan de tio kolumnerna, i UTF-8.\n"
    "\n"
    "Utan RUMSNUMMER beräknas projektets alla rum i tur och ordning, med en tom\n"
    "rad mellan rummens tabeller.\n"
    "\n"
    "Med --karta skrivs i stället en ROT-karta över huvudytan YTA i rummet: ett\n"
    "rutnät av punkter framför ytan, en rad per punkt med Xp, Yp, ROT och summan\n"
    "av vinkelkoefficienterna, beräknade som i resultattabellen. Punkter på\n"
    "ytans kanter tas inte med.\n"
    "\n"
    "Med --asymmetri skrivs i stället strålningsasymmetrin i rummets\n"
    "kontrollpunkter, i resultattabellens ordning: en rubrikrad och sedan en rad\n"
    "per punkt med Huvudyta, KP, Xp, Yp, Zp, Tpr mot ytan, Tpr från ytan,\n"
    "Asymmetri, Gräns och Bedömning. Tpr mot ytan är summan av vinkelkoefficient\n"
    "gånger yttemperatur åt det håll punkten vetter (som i resultattabellen),\n"
    "Tpr från ytan samma summa för samma punkt sedd från den motstående ytan,\n"
    "Asymmetri skillnaden mellan dem i K. Gränsen är den som gäller för en kall\n"
    "eller varm vägg, eller för ett varmt eller kallt tak (golv och tak jämför\n"
    "takets halva med golvets) i den valda kategorin; Godkänd när asymmetrin är\n"
    "mindre än gränsen, annars Över gränsen. En punkt utanför rummet, eller i ett\n"
    "rum vars mått inte är tal, får en tom rad med orsaken i Bedömning. Med\n"
    "--karta och --asymmetri blir kartan en karta över asymmetrin.\n"
    "\n"
    "  --detalj      skriv också en rad för varje yta och delyta som punkten ser,\n"
    "                med dess vinkelkoefficient (Resultat Detalj)\n"
    "  --csv         skriv tabellen som CSV för kalkylprogram, i UTF-8 med\n"
    "                byte order mark: semikolon mellan fälten när systemets\n"
    "                decimaltecken är komma, annars kommatecken; utan den\n"
    "                dolda markeringskolumnen (NR), som fönstret inte visar\n"
    "  --karta YTA   Vägg fram, Vägg vänster, Vägg höger, Vägg bak, Golv, Tak\n"
    "                eller 0–5\n"
    "  --avstand Z   punkternas avstånd från ytan i meter (1,0)\n"
    "  --steg D      avståndet mellan punkterna i meter (0,10)\n"
    "  --asymmetri   skriv strålningsasymmetrin i stället för resultattabellen\n"
    "                eller ROT-kartan\n"
    "  --kategori K  kategori A, B eller C (A): gränserna 10 K mot en kall vägg,\n"
    "                23 K mot en varm vägg, 5 K under ett varmt tak och 14 K\n"
    "                under ett kallt tak i A och B; 13, 35, 7 och 18 K i C\n"
    "  --png BILD.png\n"
    "                skriv i stället kartan som bild till PNG-filen BILD.png,\n"
    "                960 × 640 bildpunkter, så som fönstret ROT-karta ritar den\n"
    "  --pdf RAPPORT.pdf [--indata] [--resultat] [--detalj] [--vaggvyer]\n"
    "                skriv i stället projektets utskrifter till PDF-filen\n"
    "                RAPPORT.pdf, samma sidor som Utskrift i programmet ger på en\n"
    "                A4-skrivare: indata, resultat, detaljerat resultat och\n"
    "                väggvyer, de valda eller alla fyra om ingen är vald. Utan\n"
    "                RUMSNUMMER skrivs varje rum med namn ut, vart och ett från\n"
    "                en ny sida (Skriv ut alla rum). Är RAPPORT.pdf en symbolisk\n"
    "                länk skrivs filen som länken leder till\n"
    "  --help        visa denna hjälp\n"
    "\n"
    "En kontrollpunkt vars vinkelkoefficienter inte summeras till 1,00 ligger\n"
    "utanför rummet eller på dess kant: efter tabellen skrivs då en varning för\n"
    "varje sådan punkt på standard fel. Avbryts beräkningen står punkten och\n"
    "ytan där den avbröts på raden efter felet.\n"
    "\n"
    "Decimaltecknet är systemets och tas från språkinställningen (LC_ALL,\n"
    "LC_NUMERIC, LANG): med sv_SE.UTF-8 ett kommatecken, med C en punkt.\n"
    "\n"
    "Slutstatus:\n"
    "  0  beräkningen är klar\n"
    "  2  felaktigt anrop, filen saknas eller kan inte läsas, filen är skapad av\n"
    "     en annan programversion, eller rummet finns inte; med --pdf också när\n"
    "     RAPPORT.pdf finns och inte är en PDF-fil (till exempel projektfilen),\n"
    "     eller är en mapp eller en enhet; med --karta också när avståndet inte\n"
    "     ligger inne i rummet framför ytan, eller när kartan inte får några\n"
    "     punkter; med --karta och --asymmetri också när rummets mått inte är\n"
    "     tal, eller när ytan och den motstående ytan har olika mått\n"
    "  3  beräkningen avbröts av ett omvandlingsfel eller en division med noll;\n"
    "     raderna som hann beräknas skrivs ut (av kartan inga) och felet på\n"
    "     standard fel; med --pdf: utskriften misslyckades och ingen PDF-fil\n"
    "     skrevs; med --png: ingen bild skrevs\n";

constexpr int kUsageOrFile = 2;
constexpr int kCalculationStopped = 3;

// A failure that ends the program with `status` and `message`.
struct Exit {
  int status;
  std::string message;
};

struct Arguments {
  bool detailed = false;
  bool help = false;
  std::filesystem::path project;
  std::optional<int> room;
};

[[noreturn]] void Usage(const std::string& message) {
  throw Exit{kUsageOrFile, message + "\nAnvändning: virano-kalkyl [--detalj] PROJEKT.rot "
                                     "[RUMSNUMMER]  (se --help)"};
}

Arguments Parse(const std::vector<std::string>& args) {
  Arguments a;
  std::vector<std::string> positional;
  for (const std::string& arg : args) {
    if (arg == "--detalj") {
      a.detailed = true;
    } else if (arg == "--help" || arg == "-h") {
      a.help = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      Usage("okänd flagga: " + arg);
    } else {
      positional.push_back(arg);
    }
  }
  if (a.help) return a;
  if (positional.empty() || positional.size() > 2) Usage("ange en projektfil och högst ett rum");
  a.project = positional[0];
  if (positional.size() == 2) {
    try {
      a.room = StrToInt(positional[1]);
    } catch (const ConversionError&) {
      Usage("rumsnumret är inte ett heltal: " + positional[1]);
    }
  }
  return a;
}

// The system's decimal separator, as the window finds it: from the number
// format's locale (LC_ALL, LC_NUMERIC, LANG). The number category is set on
// its own as well, since setting them all fails as a whole when another
// category names a locale that is not installed. The program forms its
// number texts itself with that separator, so the C library's number
// formatting is then set back to the plain point.
bool SystemDecimalPunkt() {
  std::setlocale(LC_ALL, "");
  std::setlocale(LC_NUMERIC, "");
  const bool point = std::strcmp(std::localeconv()->decimal_point, ".") == 0;
  std::setlocale(LC_NUMERIC, "C");
  return point;
}

// Checks the project's version and returns its number of rooms.
int CheckProject(const ProjectFile& file, bool decimalPunkt) {
  const TRoomRecord general = file.Read(0);
  const int version = StoredFileVersion(general);
  if (version != DerivedVersion(decimalPunkt))
    throw Exit{kUsageOrFile, "Filen är skapad av programversion " + std::to_string(version) +
                                 ".x. Konvertering till denna programverion " +
                                 std::string(kVersionText) +
                                 " behövs. Använd medföljande konverteringsprogram. Se manual"};
  return static_cast<int>(file.Count() - 1);
}

// A row's name without the blanks that indent it in the table.
std::string WithoutIndent(const std::string& name) {
  const std::size_t first = name.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : name.substr(first);
}

// The table, and on standard error a warning for each point whose view
// factors do not add up to 1,00: the point lies outside the room or on its
// edge. The plain table keeps the marker column that scripts read; CSV
// leaves it out as the window does.
void Print(const ResultTable& table, bool csv, bool decimalPunkt, kalkyl::TableOutput& out) {
  for (const ResultTable::Row& row : table.rows) {
    if (csv)
      out.Row(ResultTable::ShownCells(row));
    else
      out.Row(row);
  }
  const std::string one = FormatFixed(1, 2, decimalPunkt);
  for (int r = ResultTable::kHeadingRows; r < table.RowCount(); ++r) {
    const ResultTable::Row& row = table.rows[static_cast<std::size_t>(r)];
    const std::string& sum = row[ResultTable::kSumFactors];
    if (row[ResultTable::kPoint].empty() || sum.empty() || sum == one) continue;
    std::cerr << "Summan av vinkelkoefficienterna är " << sum << " för punkt "
              << row[ResultTable::kPoint] << " framför " << WithoutIndent(row[ResultTable::kName])
              << ". Ligger punkten i rummet?\n";
  }
}

// Computes and prints one room; on a conversion or arithmetic fault the rows
// written so far are printed before the program ends.
void PrintRoom(const Arguments& a, const kalkyl::MapAndCsvOptions& options, int room,
               bool decimalPunkt, kalkyl::TableOutput& out) {
  ResultTable table;
  table.SetUp(a.detailed);
  try {
    Kalkyl(a.project, room, a.detailed, decimalPunkt, table);
  } catch (const ConversionError& e) {
    Print(table, options.csv, decimalPunkt, out);
    throw Exit{kCalculationStopped, e.what()};
  } catch (const CalculationError& e) {
    Print(table, options.csv, decimalPunkt, out);
    throw Exit{kCalculationStopped, e.what()};
  }
  Print(table, options.csv, decimalPunkt, out);
}

void PrintMap(const kalkyl::MapAndCsvOptions& map, const Arguments& a, bool decimalPunkt,
              kalkyl::TableOutput& out) {
  try {
    kalkyl::PrintMap(map, a.project, *a.room, decimalPunkt, out);
  } catch (const ConversionError& e) {
    throw Exit{kCalculationStopped, e.what()};
  } catch (const CalculationError& e) {
    throw Exit{kCalculationStopped, e.what()};
  }
}

void PrintAsymmetryOfRoom(const kalkyl::MapAndCsvOptions& options, const Arguments& a, int room,
                          bool decimalPunkt, kalkyl::TableOutput& out) {
  try {
    kalkyl::PrintAsymmetry(options, a.project, room, decimalPunkt, out);
  } catch (const ConversionError& e) {
    throw Exit{kCalculationStopped, e.what()};
  } catch (const CalculationError& e) {
    throw Exit{kCalculationStopped, e.what()};
  }
}

int Run(std::vector<std::string> args) {
  const bool decimalPunkt = SystemDecimalPunkt();
#ifdef VIRANO_KALKYL_PDF
  const PdfOptions pdf = TakePdfOptions(args);
  if (!pdf.error.empty()) Usage(pdf.error);
#endif
  kalkyl::MapAndCsvOptions map;
  Arguments a;
  [[maybe_unused]] std::optional<std::string> png;
  try {
#ifdef VIRANO_KALKYL_PDF
    png = kalkyl::TakePngOption(args);
#endif
    a = Parse(kalkyl::TakeMapAndCsvOptions(args, map, decimalPunkt));
  } catch (const kalkyl::OptionError& e) {
    Usage(e.what());
  }
  if (a.help) {
    std::cout << kHelp;
    return 0;
  }
  if (map.surface && (!a.room || a.detailed)) Usage("--karta tar ett rumsnummer och inte --detalj");
  if (map.asymmetry && a.detailed) Usage("--asymmetri går inte ihop med --detalj");
#ifdef VIRANO_KALKYL_PDF
  if (pdf.file && (map.csv || map.surface)) Usage("--pdf går inte ihop med --csv eller --karta");
  if (pdf.file && map.asymmetry) Usage("--pdf går inte ihop med --asymmetri");
  if (png && (!map.surface || map.csv)) Usage("--png gäller --karta och går inte ihop med --csv");
#endif
  const ProjectFile file(a.project);
  int rooms = 0;
  try {
    rooms = CheckProject(file, decimalPunkt);
  } catch (const ConversionError& e) {
    throw Exit{kUsageOrFile, e.what()};
  }
  if (a.room && (*a.room < 1 || *a.room > rooms))
    throw Exit{kUsageOrFile, "Rum " + std::to_string(*a.room) + " finns inte i " +
                                 a.project.string() + " (" + std::to_string(rooms) + " rum)"};
#ifdef VIRANO_KALKYL_PDF
  if (pdf.file) return WritePdf(pdf, a.detailed, a.project, a.room, decimalPunkt);
#endif
#ifdef VIRANO_KALKYL_PDF
  if (png) return kalkyl::WritePng(*png, map, a.project, *a.room, decimalPunkt);
#endif
  kalkyl::TableOutput out(std::cout, map.csv, decimalPunkt);
  if (map.surface) {
    PrintMap(map, a, decimalPunkt, out);
    return 0;
  }
  const int first = a.room.value_or(1);
  const int last = a.room.value_or(rooms);
  for (int room = first; room <= last; ++room) {
    if (room > first) out.BetweenTables();
    if (map.asymmetry)
      PrintAsymmetryOfRoom(map, a, room, decimalPunkt, out);
    else
      PrintRoom(a, map, room, decimalPunkt, out);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "VIRANO " << virano::kVersionText << '\n';
    return 0;
  }
  int status = 0;
  try {
    status = Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const Exit& e) {
    std::cout.flush();
    std::cerr << "virano-kalkyl: " << e.message << '\n';
    status = e.status;
  } catch (const FileError& e) {
    std::cout.flush();
    std::cerr << "virano-kalkyl: " << e.what() << '\n';
    status = kUsageOrFile;
  } catch (const kalkyl::MapRefused& e) {
    std::cerr << "virano-kalkyl: " << e.what() << '\n';
    status = kUsageOrFile;
  }
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "virano-kalkyl: kunde inte skriva resultatet\n";
    if (status == 0) status = kUsageOrFile;
  }
  return status;
}
