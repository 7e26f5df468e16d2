#include "evaluation.h"

#include <cmath>
#include <limits>

#include "engine/kernels.h"

namespace virano::evaluation {

long double Number(std::string_view text, bool decimalPunkt) {
  return StrToFloat(DecimalFormat(text, decimalPunkt), decimalPunkt);
}

float Single(long double value) {
  if (std::isnan(value)) throw CalculationError("Ogiltig flyttalsoperation");
  if (std::fabs(value) > std::numeric_limits<float>::max()) throw CalculationError("Flyttalsspill");
  return static_cast<float>(value);
}

Rect Coordinates(const TSurfaceRow& row, bool decimalPunkt) {
  return {SingleNumber(row.X1, decimalPunkt), SingleNumber(row.X2, decimalPunkt),
          SingleNumber(row.Y1, decimalPunkt), SingleNumber(row.Y2, decimalPunkt)};
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

void AddSurfaceRow(Calculation& calc, int indent, const TSurfaceRow& row, int KP, float F,
                   long double T) {
  ResultTable::Row& cells = calc.table.rows[static_cast<std::size_t>(calc.table.AddRow())];
  cells[kName] = Label(indent, row.Namn.Text());
  cells[kPoint] = std::to_string(KP);
  cells[kFactor] = ViewFactorText(F, calc.decimalPunkt);
  cells[kSurfaceTemp] = DecimalFormat(row.YtTemp.Text(), calc.decimalPunkt);
  cells[kProduct] = ViewFactorText(T * F, calc.decimalPunkt);
}

void Accumulate(Calculation& calc, float F, long double T) {
  calc.SumVinkelKoeff = Single(static_cast<long double>(calc.SumVinkelKoeff) + F);
  calc.SumVinkelKoeffTemp = Single(calc.SumVinkelKoeffTemp + T * F);
}

std::string ViewFactorText(long double value, bool decimalPunkt) {
  return FormatFixed(value, 5, decimalPunkt);
}

std::string TemperatureText(long double value, bool decimalPunkt) {
  return FormatFixed(value, 2, decimalPunkt);
}

}  // namespace virano::evaluation
