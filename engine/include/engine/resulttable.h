#pragma once
// The result table of a room's calculation: ten text cells a row, three
// heading rows, then the rows the calculation writes, each added at the
// bottom. The summary grid shows it and the result reports print it.
#include <array>
#include <string>
#include <vector>

namespace virano {

struct ResultTable {
  static constexpr int kColumns = 10;
  static constexpr int kHeadingRows = 3;
  using Row = std::array<std::string, kColumns>;
  // The columns: the row's name, the point's number, ROT, the air
  // temperature at the point, the sums of the view factors and of their
  // products with the temperatures, a surface's view factor, temperature and
  // product, and the marker of the room's row, which the window never shows.
  enum Column : int {
    kName = 0, kPoint, kRot, kAirTemp, kSumFactors, kSumProducts, kFactor, kSurfaceTemp,
    kProduct, kMarker
  };

  std::vector<Row> rows;

  int RowCount() const { return static_cast<int>(rows.size()); }
  // Appends an empty row and returns its index.
  int AddRow() {
    rows.emplace_back();
    return RowCount() - 1;
  }
  std::string& Cell(int column, int row) { return rows.at(row).at(column); }
  const std::string& Cell(int column, int row) const { return rows.at(row).at(column); }

  // The result views' set-up: the three heading rows (row 2 of column 0
  // reads "    Delytor" in the detailed view only) and an empty row 3.
  void SetUp(bool detailed);

  // A row's cells as the window shows them and CSV takes them: all but the
  // marker column.
  static std::vector<std::string> ShownCells(const Row& row);
};

namespace evaluation {

// Fixed notation as FormatFixed writes it, fast enough for the table's many
// numbers.
std::string FixedText(long double value, int decimals, bool decimalPunkt);

}  // namespace evaluation

}  // namespace virano
