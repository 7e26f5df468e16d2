#pragma once
// Helpers shared by the main- and side-surface evaluations.
#include <array>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "engine/calculation.h"
#include "engine/kernels.h"
#include "project/numbers.h"

namespace virano::evaluation {

// A stored number: the text through DecimalFormat, converted.
long double Number(std::string_view text, bool decimalPunkt);

// Rounds to single precision; a value beyond its range ends the calculation.
[[noreturn]] void OutOfRange(long double value);
inline float Single(long double value) {
  if (!(value <= std::numeric_limits<float>::max() && value >= -std::numeric_limits<float>::max()))
    OutOfRange(value);
  return static_cast<float>(value);
}

// A rectangle of a surface row, in single precision.
struct Rect {
  float X1, X2, Y1, Y2;
};

// The number cells of a surface row and of a point row, and the room's
// numbers the air temperature takes.
enum class SurfaceCell { X1, X2, Y1, Y2, YtTemp };
enum class PointCell { Xp, Yp, Zp };
enum class RoomCell { RumsTemp, Temp05OG, Temp18OG, WattPerKvmTak };

// A room's stored texts, each converted (or formed for the table) on its
// first use and kept for the rest of the calculation. A text that is not a
// number raises its ConversionError at its first use, as it would at every
// use, so a calculation stops where it always did.
class StoredRoom {
 public:
  StoredRoom(const TRoomRecord& room, bool decimalPunkt);

  const TRoomRecord& record() const { return room_; }
  bool decimalPunkt() const { return decimalPunkt_; }

  long double Number(int surface, int row, SurfaceCell cell);
  long double Number(int surface, int row, PointCell cell);
  long double Number(RoomCell cell);
  float Single(int surface, int row, SurfaceCell cell) {
    return evaluation::Single(Number(surface, row, cell));
  }
  // X1, X2, Y1, Y2 of a surface row, converted in this order.
  Rect Coordinates(int surface, int row);

  // The row's name as the table shows it: two spaces before a main surface
  // (row 0), four before a sub-surface, cut to 15 characters after them.
  const std::string& Label(int surface, int row);
  // The row's stored surface temperature through DecimalFormat.
  const std::string& TemperatureText(int surface, int row);

 private:
  struct RowTexts {
    std::array<std::optional<long double>, 5> numbers;
    std::optional<Rect> rect;
    std::optional<std::string> label, temperature;
  };
  const TRoomRecord& room_;
  bool decimalPunkt_;
  std::array<std::array<RowTexts, kSurfaceRowsPerBlock>, kMainSurfaceCount> surfaces_;
  std::array<std::array<std::array<std::optional<long double>, 3>, kPointRowsPerBlock>,
             kMainSurfaceCount>
      points_;
  std::array<std::optional<long double>, 4> roomNumbers_;
};

// The air temperature at height ChpY from the room's numbers.
float KorrRumsTemp(StoredRoom& stored, float ChpY);

// `indent` spaces and the name, cut to `indent` + 15 characters.
std::string Label(int indent, std::string_view name);

// Adds the detailed row of a surface seen from point KP: its name, KP, its
// view factor F, its stored surface temperature and T · F.
void AddSurfaceRow(Calculation& calc, int surface, int row, int KP, float F, long double T);

// Adds F, and T · F formed in extended precision, into the point's sums.
void Accumulate(Calculation& calc, float F, long double T);

// Runs `work` for control point KP in front of `surface`: an error it
// raises names the point after its own text, "Punkt 3 framför Vägg fram",
// and a division by zero says that the point lies in a surface's plane.
template <typename Work>
decltype(auto) AtControlPoint(int KP, MainSurface surface, Work&& work) {
  const auto where = [&] {
    return "\nPunkt " + std::to_string(KP) + " framför " + std::string(kMainSurfaceCaptions[surface]);
  };
  try {
    return work();
  } catch (const CalculationError& e) {
    const bool inPlane = e.cause() == CalculationError::Cause::kDivisionByZero;
    throw CalculationError(e.what() + where() + (inPlane ? ": punkten ligger i en ytas plan" : ""),
                           e.cause());
  } catch (const ConversionError& e) {
    throw ConversionError(e.what() + where());
  }
}

// Column formats of the result table.
inline std::string ViewFactorText(long double value, bool decimalPunkt) {  // 5 decimals
  return FixedText(value, 5, decimalPunkt);
}
inline std::string TemperatureText(long double value, bool decimalPunkt) {  // 2 decimals
  return FixedText(value, 2, decimalPunkt);
}

// The table's columns.
using enum ResultTable::Column;

}  // namespace virano::evaluation
