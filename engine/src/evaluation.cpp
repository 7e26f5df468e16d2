#include "evaluation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "engine/kernels.h"

namespace virano::evaluation {

long double Number(std::string_view text, bool decimalPunkt) {
  return StrToFloat(DecimalFormat(text, decimalPunkt), decimalPunkt);
}

void OutOfRange(long double value) {
  if (std::isnan(value)) throw CalculationError("Ogiltig flyttalsoperation");
  throw CalculationError("Flyttalsspill");
}

namespace {

// A number's text: plain ASCII reads the same in both code pages, so only
// other texts need the conversion.
template <std::size_t N>
long double Converted(std::optional<long double>& slot, const ShortString<N>& cell,
                      bool decimalPunkt) {
  if (!slot) {
    const std::string_view raw = cell.Raw();
    const bool ascii = std::all_of(raw.begin(), raw.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    slot = ascii ? Number(raw, decimalPunkt) : Number(cell.Text(), decimalPunkt);
  }
  return *slot;
}

}  // namespace

StoredRoom::StoredRoom(const TRoomRecord& room, bool decimalPunkt)
    : room_(room), decimalPunkt_(decimalPunkt) {}

long double StoredRoom::Number(int surface, int row, SurfaceCell cell) {
  const TSurfaceRow& r = room_.Ytor[surface][row];
  const TSurfaceRow::Cell* cells[] = {&r.X1, &r.X2, &r.Y1, &r.Y2, &r.YtTemp};
  const auto c = static_cast<std::size_t>(cell);
  return Converted(surfaces_[surface][row].numbers[c], *cells[c], decimalPunkt_);
}

long double StoredRoom::Number(int surface, int row, PointCell cell) {
  const TPointRow& p = room_.Punkter[surface][row];
  const TPointRow::Cell* cells[] = {&p.Xp, &p.Yp, &p.Zp};
  const auto c = static_cast<std::size_t>(cell);
  return Converted(points_[surface][row][c], *cells[c], decimalPunkt_);
}

long double StoredRoom::Number(RoomCell cell) {
  const ShortString<5>* cells[] = {&room_.RumsTemp, &room_.Temp05OG, &room_.Temp18OG,
                                   &room_.WattPerKvmTak};
  const auto c = static_cast<std::size_t>(cell);
  return Converted(roomNumbers_[c], *cells[c], decimalPunkt_);
}

Rect StoredRoom::Coordinates(int surface, int row) {
  std::optional<Rect>& rect = surfaces_[surface][row].rect;
  if (!rect)
    rect = Rect{Single(surface, row, SurfaceCell::X1), Single(surface, row, SurfaceCell::X2),
                Single(surface, row, SurfaceCell::Y1), Single(surface, row, SurfaceCell::Y2)};
  return *rect;
}

const std::string& StoredRoom::Label(int surface, int row) {
  std::optional<std::string>& label = surfaces_[surface][row].label;
  if (!label) label = evaluation::Label(row == 0 ? 2 : 4, room_.Ytor[surface][row].Namn.Text());
  return *label;
}

const std::string& StoredRoom::TemperatureText(int surface, int row) {
  std::optional<std::string>& text = surfaces_[surface][row].temperature;
  if (!text) text = DecimalFormat(room_.Ytor[surface][row].YtTemp.Text(), decimalPunkt_);
  return *text;
}

std::string Label(int indent, std::string_view name) {
  std::string label(static_cast<std::size_t>(indent), ' ');
  std::size_t characters = static_cast<std::size_t>(indent);
  const std::size_t limit = characters + TSurfaceRow::Cell::kCapacity;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const bool starts = (static_cast<unsigned char>(name[i]) & 0xC0) != 0x80;
    if (starts && characters++ == limit) break;
    label += name[i];
  }
  return label;
}

void AddSurfaceRow(Calculation& calc, int surface, int row, int KP, float F, long double T) {
  ResultTable::Row& cells = calc.table->rows[static_cast<std::size_t>(calc.table->AddRow())];
  const bool dp = calc.decimalPunkt;
  cells[kName] = calc.stored().Label(surface, row);
  cells[kPoint] = std::to_string(KP);
  cells[kFactor] = ViewFactorText(F, dp);
  cells[kSurfaceTemp] = calc.stored().TemperatureText(surface, row);
  cells[kProduct] = ViewFactorText(T * F, dp);
}

void Accumulate(Calculation& calc, float F, long double T) {
  calc.SumVinkelKoeff = Single(static_cast<long double>(calc.SumVinkelKoeff) + F);
  calc.SumVinkelKoeffTemp = Single(calc.SumVinkelKoeffTemp + T * F);
}

// A long double of the x87 extended format is m · 2^e with a 64-bit m, so
// |value| · 10^decimals is m · 10^decimals / 2^shift exactly; the quotient
// and the remainder of that division round half away from zero on the exact
// value, as FormatFixed does. Large values, NaN and infinity, and other
// formats of long double go to FormatFixed itself.
std::string FixedText(long double value, int decimals, bool decimalPunkt) {
  __extension__ typedef unsigned __int128 Wide;
  static constexpr std::uint64_t kPowers[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
  constexpr bool kExtended = std::numeric_limits<long double>::digits == 64 &&
                             std::numeric_limits<long double>::max_exponent == 16384;
  std::uint64_t mantissa = 0;
  std::uint16_t signAndExponent = 0;
  std::memcpy(&mantissa, &value, sizeof mantissa);
  std::memcpy(&signAndExponent, reinterpret_cast<const char*>(&value) + 8, 2);
  const int biased = signAndExponent & 0x7fff;
  if (!kExtended || biased >= 16383 + 40 || decimals < 0 || decimals > 6)
    return FormatFixed(value, decimals, decimalPunkt);  // from 2^40, and NaN and infinity
  const int shift = 16383 + 63 - biased;  // at least 24
  std::uint64_t units = 0;
  if (shift < 128) {  // else below 2^-64: rounds to zero
    const Wide scaled = Wide{mantissa} * kPowers[decimals];
    const Wide whole = scaled >> shift;
    const Wide rest = scaled - (whole << shift);
    units = static_cast<std::uint64_t>(whole) + (rest >= (Wide{1} << (shift - 1)) ? 1 : 0);
  }

  // The digits of the units from the right, the separator before the last
  // `decimals` of them, at least one whole digit, and the sign of a value
  // below zero ("-0,00" included).
  const bool negative = (signAndExponent & 0x8000) && mantissa != 0;
  char text[32];
  char* const end = text + sizeof text;
  char* out = end;
  for (int i = 0; i <= decimals || units > 0; ++i, units /= 10) {
    if (i == decimals && decimals > 0) *--out = decimalPunkt ? '.' : ',';
    *--out = static_cast<char>('0' + units % 10);
  }
  if (negative) *--out = '-';
  return std::string(out, end);
}

}  // namespace virano::evaluation
