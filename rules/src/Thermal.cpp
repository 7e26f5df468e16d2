#include "rules/Thermal.h"

#include "project/numbers.h"

namespace virano {

namespace {

long double Number(std::string_view text, bool decimalPunkt) {
  return StrToFloat(DecimalFormat(text, decimalPunkt), decimalPunkt);
}

}  // namespace

bool ResistanceTooLarge(std::string_view uVarde, std::string_view mi, bool decimalPunkt) {
  const auto u = TryStrToFloat(DecimalFormat(uVarde, decimalPunkt), decimalPunkt);
  const auto m = TryStrToFloat(DecimalFormat(mi, decimalPunkt), decimalPunkt);
  return u && m && *u * *m > 1;
}

float SurfaceTemperature(long double trum, long double u, long double mi, long double tute) {
  return static_cast<float>(trum - u * mi * (trum - tute));
}

std::string YtTemperaturText(std::string_view rumsTemp, std::string_view uVarde,
                             std::string_view mi, std::string_view tempUtsida, bool decimalPunkt) {
  const long double trum = Number(rumsTemp, decimalPunkt);
  const long double m = Number(mi, decimalPunkt);
  const long double u = Number(uVarde, decimalPunkt);
  const long double tute = Number(tempUtsida, decimalPunkt);
  return FormatFixed(SurfaceTemperature(trum, u, m, tute), 1, decimalPunkt);
}

IncRotVerdict IncRotForVelocity(std::string_view luftHast, bool decimalPunkt) {
  long double v = 0;
  try {
    v = Number(luftHast, decimalPunkt);
  } catch (const ConversionError&) {
    return {IncRotVerdict::kOpen, {}};
  }
  if (v <= 0.2L) return {IncRotVerdict::kZero, "0"};
  if (v > 0.35L) return {IncRotVerdict::kOpen, {}};
  const auto increase = static_cast<float>(v * 13.333L - 2.666L);
  return {IncRotVerdict::kIncrease, FormatFixed(increase, 1, decimalPunkt)};
}

std::string MinRotText(std::string_view rot, std::string_view incRot, bool decimalPunkt) {
  const long double sum = Number(rot, decimalPunkt) + StrToFloat(incRot, decimalPunkt);
  return FormatGeneral(sum, decimalPunkt);
}

}  // namespace virano
