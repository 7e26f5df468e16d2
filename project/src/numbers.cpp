#include "project/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace virano {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

[[noreturn]] void NotAFloat(std::string_view text) {
  throw ConversionError("'" + std::string(text) + "' är inte ett giltigt flyttal");
}

// The exact decimal expansion of a finite, non-negative value, as
// "digits.digits" with at least `minDecimals` decimals. A long double's
// value is m·2^e with a 64-bit m, so 64 − exponent decimals make it exact and
// no rounding takes place. to_chars ignores the C library's locale, which a
// window toolkit may have set to a decimal comma.
std::string ExactExpansion(long double magnitude, int minDecimals) {
  int exponent = 0;
  std::frexp(magnitude, &exponent);
  const int decimals = std::max(minDecimals, std::numeric_limits<long double>::digits - exponent);
  const int integerDigits = std::max(1, exponent * 30103 / 100000 + 2);  // > exponent·log10 2
  std::string buffer(static_cast<std::size_t>(integerDigits + decimals + 2), '\0');
  auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                 std::chars_format::fixed, decimals);
  buffer.resize(static_cast<std::size_t>(end - buffer.data()));
  return buffer;
}

// Adds one unit in the last place of a string of decimal digits.
void IncrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it == '9') {
      *it = '0';
    } else {
      ++*it;
      return;
    }
  }
  digits.insert(digits.begin(), '1');
}

std::string NonFinite(long double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

char Separator(bool decimalPunkt) { return decimalPunkt ? '.' : ','; }

}  // namespace

std::string DecimalFormat(std::string_view text, bool decimalPunkt) {
  std::string result(text);
  const char from = decimalPunkt ? ',' : '.';
  if (auto pos = result.find(from); pos != std::string::npos) result[pos] = Separator(decimalPunkt);
  return result;
}

namespace {

// The number `text` holds, or nothing: StrToFloat without the error, which
// is costly to raise where many texts are no numbers.
std::optional<long double> ParseFloat(std::string_view text, bool decimalPunkt) {
  const std::string_view s = Trim(text);
  std::string plain;  // the number in the form from_chars reads
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') plain += '-';
    ++i;
  }
  int digits = 0;
  bool separatorSeen = false;
  for (; i < s.size(); ++i) {
    if (IsDigit(s[i])) {
      plain += s[i];
      ++digits;
    } else if (s[i] == Separator(decimalPunkt) && !separatorSeen) {
      separatorSeen = true;
      plain += '.';
    } else {
      break;
    }
  }
  if (digits == 0) return std::nullopt;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    plain += 'e';
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) plain += s[i++];
    int exponentDigits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i, ++exponentDigits) plain += s[i];
    if (exponentDigits == 0) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;

  long double value = 0;
  auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

}  // namespace

long double StrToFloat(std::string_view text, bool decimalPunkt) {
  const std::optional<long double> value = ParseFloat(text, decimalPunkt);
  if (!value) NotAFloat(text);
  return *value;
}

std::optional<long double> TryStrToFloat(std::string_view text, bool decimalPunkt) {
  return ParseFloat(text, decimalPunkt);
}

int StrToInt(std::string_view text) {
  std::string_view s = Trim(text);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  int value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size())
    throw ConversionError("'" + std::string(text) + "' är inte ett giltigt heltal");
  return value;
}

std::string FormatFixed(long double value, int decimals, bool decimalPunkt) {
  if (!std::isfinite(value)) return NonFinite(value);
  const std::string exact = ExactExpansion(std::fabs(value), decimals + 1);
  const std::size_t point = exact.find('.');
  std::string digits = exact.substr(0, point) + exact.substr(point + 1, decimals);
  if (exact[point + 1 + decimals] >= '5') IncrementDigits(digits);

  const std::size_t integerDigits = digits.size() - decimals;
  std::string result = value < 0 ? "-" : "";
  result += digits.substr(0, integerDigits);
  if (decimals > 0) {
    result += Separator(decimalPunkt);
    result += digits.substr(integerDigits);
  }
  return result;
}

std::string FormatGeneral(long double value, bool decimalPunkt) {
  constexpr int kPrecision = 15;
  if (!std::isfinite(value)) return NonFinite(value);
  if (value == 0) return "0";

  // Significant digits of the exact expansion, and the decimal exponent of
  // the first of them (value = d.ddd × 10^exponent).
  const std::string exact = ExactExpansion(std::fabs(value), kPrecision + 1);
  const std::size_t point = exact.find('.');
  std::string all = exact.substr(0, point) + exact.substr(point + 1);
  const std::size_t first = all.find_first_not_of('0');
  int exponent = static_cast<int>(point) - static_cast<int>(first) - 1;
  std::string digits = all.substr(first, kPrecision);
  digits.resize(kPrecision, '0');
  if (first + kPrecision < all.size() && all[first + kPrecision] >= '5') {
    IncrementDigits(digits);
    if (digits.size() > kPrecision) {  // 9.99… rounded up to 10.0…
      digits.pop_back();
      ++exponent;
    }
  }
  digits.erase(digits.find_last_not_of('0') + 1);

  std::string result = value < 0 ? "-" : "";
  const char sep = Separator(decimalPunkt);
  if (exponent >= kPrecision || std::fabs(value) < 0.00001L) {
    result += digits.substr(0, 1);
    if (digits.size() > 1) result += sep + digits.substr(1);
    result += "E" + std::to_string(exponent);
  } else if (exponent < 0) {
    result += "0";
    result += sep;
    result += std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else {
    const auto integerDigits = static_cast<std::size_t>(exponent + 1);
    if (digits.size() <= integerDigits) {
      result += digits + std::string(integerDigits - digits.size(), '0');
    } else {
      result += digits.substr(0, integerDigits) + sep + digits.substr(integerDigits);
    }
  }
  return result;
}

int DerivedVersion(bool decimalPunkt) {
  long double version = 0;
  try {
    version = StrToFloat(DecimalFormat(kVersionText, decimalPunkt), decimalPunkt);
  } catch (const ConversionError&) {
    version = StrToFloat(kVersionText, decimalPunkt);
  }
  return static_cast<int>(std::trunc(version));
}

}  // namespace virano
