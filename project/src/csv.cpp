#include "project/csv.h"

namespace virano {

char CsvSeparator(bool decimalPunkt) { return decimalPunkt ? ',' : ';'; }

std::string CsvRecord(std::span<const std::string> fields, bool decimalPunkt) {
  const char separator = CsvSeparator(decimalPunkt);
  const std::string special = {separator, '"', '\r', '\n'};
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::string& field = fields[i];
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
