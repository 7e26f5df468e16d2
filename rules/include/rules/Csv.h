#pragma once
// Tables of texts as CSV for spreadsheet programs: the result tables, the
// summary grid's views and the ROT map.
#include <span>
#include <string>
#include <string_view>

namespace virano {

// The field separator that goes with the system's decimal separator: ';'
// beside a decimal comma, ',' beside a decimal point.
char CsvSeparator(bool decimalPunkt);

// The UTF-8 byte-order mark by which spreadsheet programs know the encoding.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// One line: the fields joined by the separator, ended by CR LF. A field is
// quoted, its quotes doubled, when it holds the separator, a quote or a line
// break, or begins or ends with a blank (which readers may trim). A text that
// a spreadsheet program would run as a formula gets an apostrophe before it.
std::string CsvRecord(std::span<const std::string> fields, bool decimalPunkt);

// A whole table as a file's text: the byte-order mark and one line per row.
template <typename Rows>
std::string CsvText(const Rows& rows, bool decimalPunkt) {
  std::string text(kUtf8Bom);
  for (const auto& row : rows) text += CsvRecord(row, decimalPunkt);
  return text;
}

}  // namespace virano
