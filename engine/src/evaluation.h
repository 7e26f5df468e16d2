#pragma once
// Helpers shared by the main- and side-surface evaluations.
#include <string>
#include <string_view>

#include "engine/calculation.h"
#include "project/numbers.h"

namespace virano::evaluation {

// A stored number: the text through DecimalFormat, converted.
long double Number(std::string_view text, bool decimalPunkt);

// Rounds to single precision; a value beyond its range ends the calculation.
float Single(long double value);

template <std::size_t N>
float SingleNumber(const ShortString<N>& cell, bool decimalPunkt) {
  return Single(Number(cell.Text(), decimalPunkt));
}

// A rectangle of a surface row, in single precision.
struct Rect {
  float X1, X2, Y1, Y2;
};
Rect Coordinates(const TSurfaceRow& row, bool decimalPunkt);

// `indent` spaces and the name, cut to `indent` + 15 characters.
std::string Label(int indent, std::string_view name);

// Adds the detailed row of a surface seen from point KP: its name, KP, its
// view factor F, its stored surface temperature and T · F.
void AddSurfaceRow(Calculation& calc, int indent, const TSurfaceRow& row, int KP, float F,
                   long double T);

// Adds F, and T · F formed in extended precision, into the point's sums.
void Accumulate(Calculation& calc, float F, long double T);

// Column formats of the result table.
std::string ViewFactorText(long double value, bool decimalPunkt);   // 5 decimals
std::string TemperatureText(long double value, bool decimalPunkt);  // 2 decimals

// The table's columns.
enum Column : int {
  kName = 0, kPoint, kRot, kAirTemp, kSumFactors, kSumProducts, kFactor, kSurfaceTemp,
  kProduct, kMarker
};

}  // namespace virano::evaluation
