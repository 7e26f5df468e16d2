#pragma once
// Numbers are held as text; these are the program's conversions between text
// and number. The decimal separator is a setting (DecimalPunkt: the system's
// separator is a point), never read from the locale here.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "project/version.h"

namespace virano {

// A text that is not a number. The message quotes the text.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};


// With DecimalPunkt the first "," becomes "."; otherwise the first "."
// becomes ",". Only the first occurrence is replaced.
std::string DecimalFormat(std::string_view text, bool decimalPunkt);

// Converts text written with the system's decimal separator: optional blanks
// around, optional sign, digits with at most one separator, optional
// exponent. Anything else, the empty text included, is a ConversionError.
long double StrToFloat(std::string_view text, bool decimalPunkt);

// StrToFloat without the error: nothing when `text` is not a number.
std::optional<long double> TryStrToFloat(std::string_view text, bool decimalPunkt);

// Converts a whole number: optional blanks around, optional sign, digits.
int StrToInt(std::string_view text);

// Fixed notation with `decimals` decimals, rounded half away from zero on the
// value's exact decimal expansion; a negative value keeps its minus sign even
// when it rounds to zero ("-0,0").
std::string FormatFixed(long double value, int decimals, bool decimalPunkt);

// General format: at most 15 significant digits, trailing zeros and a bare
// separator dropped; scientific notation for very large or small values.
std::string FormatGeneral(long double value, bool decimalPunkt);

// The project file's format version: the integer part of the version number,
// "1,12" through DecimalFormat, converted and truncated (1).
int DerivedVersion(bool decimalPunkt);

}  // namespace virano
