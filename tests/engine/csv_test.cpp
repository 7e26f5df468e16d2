// A result table written as CSV and read back field by field.
#include "project/csv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/calculation.h"
#include "room_builder.h"

namespace virano {
namespace {

using Fields = std::vector<std::string>;

// A plain CSV reader: the byte-order mark, then lines ended by CR LF whose
// fields may be quoted with doubled quotes inside.
std::vector<Fields> ReadCsv(std::string_view text, char separator) {
  EXPECT_EQ(text.substr(0, 3), kUtf8Bom);
  text.remove_prefix(3);
  std::vector<Fields> rows(1);
  std::string field;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
      field += text[++i];
    } else if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && (c == separator || text.substr(i, 2) == "\r\n")) {
      rows.back().push_back(field);
      field.clear();
      if (c != separator) rows.emplace_back(), ++i;
    } else {
      field += c;
    }
  }
  EXPECT_TRUE(rows.back().empty() && field.empty()) << "the text ends with a line break";
  rows.pop_back();
  return rows;
}

TEST(Csv, ResultTableReadsBackFieldByFieldWithEitherSeparator) {
  testing::RoomBuilder room(4, 5, 2.5);
  room.record().RumsNamn.SetText("Kök; \"plan\" 2");
  room.SubSurface(FrontWall, 1, "Fönster, öst", 1, 3, 1, 2, 12).Point(FrontWall, 0, 2, 1.25, 1);
  testing::TempDir dir("csv");
  testing::WriteProject(dir.path() / "p.rot", {&room.record()});
  for (const bool decimalPunkt : {false, true}) {
    ResultTable t;
    t.SetUp(true);
    Kalkyl(dir.path() / "p.rot", 1, true, decimalPunkt, t);
    const std::string csv = CsvText(t.rows, decimalPunkt);
    const std::vector<Fields> back = ReadCsv(csv, decimalPunkt ? ',' : ';');
    ASSERT_EQ(back.size(), t.rows.size());
    for (std::size_t r = 0; r < back.size(); ++r)
      EXPECT_EQ(back[r], Fields(t.rows[r].begin(), t.rows[r].end())) << r;
    EXPECT_EQ(back[3][0], "Kök; \"plan\" 2");
    EXPECT_EQ(back[4][4], decimalPunkt ? "1.00" : "1,00");
    EXPECT_NE(csv.find(decimalPunkt ? ",Min. 20.5," : ";Min. 20,5;"), std::string::npos);
  }
}

TEST(Csv, FieldsAreQuotedOnlyWhereNeeded) {
  const Fields fields = {"a", "", "1,5", " x", "y\t", "ra\nd", "\"", "ä"};
  EXPECT_EQ(CsvRecord(fields, false), "a;;1,5;\" x\";\"y\t\";\"ra\nd\";\"\"\"\";ä\r\n");
  EXPECT_EQ(CsvRecord(fields, true), "a,,\"1,5\",\" x\",\"y\t\",\"ra\nd\",\"\"\"\",ä\r\n");
}

}  // namespace
}  // namespace virano
