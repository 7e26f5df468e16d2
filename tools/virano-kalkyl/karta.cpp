#include "karta.h"

#include <algorithm>
#include <memory>

#include "project/numbers.h"
#include "project/recordfile.h"
#include "project/users.h"
#include "rules/Csv.h"

namespace virano::kalkyl {
namespace {

// A surface's name in lower case, "Å", "Ä" and "Ö" included.
std::string Lower(std::string_view utf8) { return AnsiLower(Utf8ToAnsi(utf8)); }

MainSurface SurfaceOf(const std::string& text) {
  for (int s = 0; s < kMainSurfaceCount; ++s)
    if (text == std::to_string(s) || Lower(text) == Lower(kMainSurfaceCaptions[s]))
      return MainSurface(s);
  throw OptionError("okänd yta: " + text + " (Vägg fram, Vägg vänster, Vägg höger, Vägg bak, "
                    "Golv, Tak eller 0–5)");
}

long double PositiveLength(const std::string& option, const std::string& text,
                           bool decimalPunkt) {
  try {
    const long double value = StrToFloat(DecimalFormat(text, decimalPunkt), decimalPunkt);
    if (value > 0) return value;
  } catch (const ConversionError&) {
  }
  throw OptionError(option + " ska vara en längd i meter större än 0: " + text);
}

ComfortCategory CategoryOf(const std::string& text) {
  for (const auto category : {ComfortCategory::A, ComfortCategory::B, ComfortCategory::C})
    if (Lower(text) == Lower(CategoryName(category))) return category;
  throw OptionError("okänd kategori: " + text + " (A, B eller C)");
}

}  // namespace

std::vector<std::string> TakeMapAndCsvOptions(const std::vector<std::string>& args,
                                              MapAndCsvOptions& options, bool decimalPunkt) {
  std::vector<std::string> rest;
  bool lengthGiven = false, categoryGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--csv" || arg == "--asymmetri") {
      (arg == "--csv" ? options.csv : options.asymmetry) = true;
      continue;
    }
    if (arg != "--karta" && arg != "--avstand" && arg != "--steg" && arg != "--kategori") {
      rest.push_back(arg);
      continue;
    }
    if (i + 1 == args.size()) throw OptionError(arg + " saknar sitt värde");
    const std::string& value = args[++i];
    if (arg == "--karta") {
      options.surface = SurfaceOf(value);
    } else if (arg == "--kategori") {
      options.category = CategoryOf(value);
      categoryGiven = true;
    } else {
      (arg == "--avstand" ? options.distance : options.step) =
          PositiveLength(arg, value, decimalPunkt);
      lengthGiven = true;
    }
  }
  if (lengthGiven && !options.surface) throw OptionError("--avstand och --steg gäller --karta");
  if (categoryGiven && !options.asymmetry) throw OptionError("--kategori gäller --asymmetri");
  return rest;
}

void TableOutput::Row(std::span<const std::string> cells) {
  if (!started_ && csv_) out_ << kUtf8Bom;
  started_ = true;
  if (csv_) {
    out_ << CsvRecord(cells, decimalPunkt_);
    return;
  }
  for (std::size_t c = 0; c < cells.size(); ++c) out_ << (c > 0 ? "\t" : "") << cells[c];
  out_ << '\n';
}

void TableOutput::BetweenTables() { out_ << (csv_ ? "\r\n" : "\n"); }

RoomMap ComputeMap(const MapAndCsvOptions& options, const std::filesystem::path& project,
                   int room, bool decimalPunkt) {
  RoomMap result{std::make_unique<TRoomRecord>(), {}};
  ProjectFile(project).Read(room, *result.room);
  RotMapRequest request;
  request.surface = *options.surface;
  request.distance = options.distance;
  request.step = options.step;
  request.quantity = options.asymmetry ? MapQuantity::Asymmetry : MapQuantity::Rot;
  request.category = options.category;
  if (const auto refusal = RotMapRefusal(*result.room, request, decimalPunkt))
    throw MapRefused(*refusal);
  result.map = ComputeRotMap(*result.room, request, decimalPunkt);
  return result;
}

void PrintMap(const MapAndCsvOptions& options, const std::filesystem::path& project, int room,
              bool decimalPunkt, TableOutput& out) {
  const RotMap map = ComputeMap(options, project, room, decimalPunkt).map;
  for (const auto& row : MapTable(map, decimalPunkt)) out.Row(row);
}

void PrintAsymmetry(const MapAndCsvOptions& options, const std::filesystem::path& project,
                    int room, bool decimalPunkt, TableOutput& out) {
  const auto record = std::make_unique<TRoomRecord>();
  ProjectFile(project).Read(room, *record);
  std::vector<AsymmetryRow> rows = {AsymmetryHeading()};
  try {
    AsymmetryTable(*record, options.category, decimalPunkt, rows);
  } catch (...) {
    for (const AsymmetryRow& row : rows) out.Row(row);
    throw;
  }
  for (const AsymmetryRow& row : rows) out.Row(row);
}

}  // namespace virano::kalkyl
