#pragma once
// virano-kalkyl's options for CSV, for the radiant temperature asymmetry and
// for the map of a main surface.
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/rotmap.h"
#include "project/record.h"

namespace virano::kalkyl {

// A wrong option; the program tells it with its usage line.
class OptionError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// A map asked for that would show nothing that can be right (RotMapRefusal).
class MapRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct MapAndCsvOptions {
  bool csv = false;                    // --csv
  std::optional<MainSurface> surface;  // --karta YTA
  long double distance = 1.0L;         // --avstand Z
  long double step = 0.10L;            // --steg D
  bool asymmetry = false;              // --asymmetri
  ComfortCategory category = ComfortCategory::A;  // --kategori A|B|C
};

// Takes --csv, --karta YTA, --avstand Z, --steg D, --asymmetri and
// --kategori K out of the arguments and returns the others. YTA is a main
// surface's caption ("Vägg fram", in any case) or its number 0–5; Z and D
// are positive numbers with either decimal separator; K is A, B or C in
// either case. OptionError when a value is missing or wrong, or an option
// goes without the one it belongs to.
std::vector<std::string> TakeMapAndCsvOptions(const std::vector<std::string>& args,
                                              MapAndCsvOptions& options, bool decimalPunkt);

// Writes a table: cells joined by tabs, a line each, or CSV (the byte-order
// mark before the first table only, an empty line between tables).
class TableOutput {
 public:
  TableOutput(std::ostream& out, bool csv, bool decimalPunkt)
      : out_(out), csv_(csv), decimalPunkt_(decimalPunkt) {}
  void Row(std::span<const std::string> cells);
  void BetweenTables();

 private:
  std::ostream& out_;
  bool csv_;
  bool decimalPunkt_;
  bool started_ = false;
};

// Room `room` (checked to exist) of the project, and the map of it that the
// options ask for. Conversion and arithmetic errors are raised; a map that
// would show nothing that can be right is MapRefused.
struct RoomMap {
  std::unique_ptr<TRoomRecord> room;
  RotMap map;
};
RoomMap ComputeMap(const MapAndCsvOptions& options, const std::filesystem::path& project,
                   int room, bool decimalPunkt);

// Prints the map of room `room` (checked to exist) of the project; a
// conversion or arithmetic error is raised before anything is printed.
void PrintMap(const MapAndCsvOptions& options, const std::filesystem::path& project, int room,
              bool decimalPunkt, TableOutput& out);

// Prints the asymmetry table of room `room` (checked to exist) of the
// project; on a conversion or arithmetic error the rows computed so far are
// printed before the error is raised.
void PrintAsymmetry(const MapAndCsvOptions& options, const std::filesystem::path& project,
                    int room, bool decimalPunkt, TableOutput& out);

}  // namespace virano::kalkyl
