#include "rules/Csv.h"

#include <cctype>

namespace virano {

namespace {

// A number as the tables write it: a sign, digits, one decimal separator.
bool PlainNumber(std::string_view field) {
  if (!field.empty() && (field.front() == '-' || field.front() == '+')) field.remove_prefix(1);
  bool digit = false, separator = false;
  for (const char c : field) {
    if (std::isdigit(static_cast<unsigned char>(c))) {
      digit = true;
    } else if ((c == '.' || c == ',') && !separator) {
      separator = true;
    } else {
      return false;
    }
  }
  return digit;
}

// A text a spreadsheet program would take as a formula ("=...", "@...",
// "+..." or "-..." that is no number, also after leading blanks, which
// spreadsheet programs pass over) is written with an apostrophe before it,
// so that opening the file shows the text and runs nothing.
std::string Inert(const std::string& field) {
  const std::size_t first = field.find_first_not_of(' ');
  if (first == std::string::npos ||
      std::string_view("=+-@\t\r").find(field[first]) == std::string_view::npos ||
      PlainNumber(std::string_view(field).substr(first)))
    return field;
  return "'" + field;
}

}  // namespace

char CsvSeparator(bool decimalPunkt) { return decimalPunkt ? ',' : ';'; }

std::string CsvRecord(std::span<const std::string> fields, bool decimalPunkt) {
  const char separator = CsvSeparator(decimalPunkt);
  const std::string special = {separator, '"', '\r', '\n'};
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::string field = Inert(fields[i]);
    if (i > 0) line += separator;
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const bool blankAtEnd = !field.empty() && (blank(field.front()) || blank(field.back()));
    if (!blankAtEnd && field.find_first_of(special) == std::string::npos) {
      line += field;
      continue;
    }
    line += '"';
    for (const char c : field) line += c == '"' ? std::string("\"\"") : std::string(1, c);
    line += '"';
  }
  return line + "\r\n";
}

}  // namespace virano
