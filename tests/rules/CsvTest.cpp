// A result table written as CSV and read back field by field.
#include "rules/Csv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/calculation.h"
#include "support/ProjectWriter.h"
#include "support/RoomBuilder.h"
#include "support/TempDir.h"

namespace virano {
namespace {

using Fields = std::vector<std::string>;

// A plain CSV reader: lines ended by CR LF, fields quoted with doubled quotes.
std::vector<Fields> ReadCsv(std::string_view text, char separator) {
  std::vector<Fields> rows(1, Fields(1));
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"' && !(quoted && text.substr(i, 2) == "\"\"")) {
      quoted = !quoted;
    } else if (!quoted && text[i] == separator) {
      rows.back().emplace_back();
    } else if (!quoted && text.substr(i, 2) == "\r\n") {
      rows.emplace_back(1), ++i;
    } else {
      rows.back().back() += text[i];
      i += text[i] == '"';  // a doubled quote
    }
  }
  rows.pop_back();  // after the last line break
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
    ASSERT_EQ(csv.substr(0, 3), kUtf8Bom);
    const std::vector<Fields> back = ReadCsv(csv.substr(3), decimalPunkt ? ',' : ';');
    ASSERT_EQ(back.size(), t.rows.size());
    for (std::size_t r = 0; r < back.size(); ++r)
      EXPECT_EQ(back[r], Fields(t.rows[r].begin(), t.rows[r].end())) << r;
    EXPECT_EQ(back[3][0], "Kök; \"plan\" 2");
    EXPECT_NE(csv.find(decimalPunkt ? ",Min. 20.5," : ";Min. 20,5;"), std::string::npos);
  }
  const Fields fields = {"a", "", "1,5", " x", "y\t", "ra\nd", "\"", "ä"};
  EXPECT_EQ(CsvRecord(fields, false), "a;;1,5;\" x\";\"y\t\";\"ra\nd\";\"\"\"\";ä\r\n");
  EXPECT_EQ(CsvRecord(fields, true), "a,,\"1,5\",\" x\",\"y\t\",\"ra\nd\",\"\"\"\",ä\r\n");
  // Formulas stay text, also after the blanks that indent sub-surfaces;
  // numbers stay numbers.
  const Fields formulas = {"=1+1", "@SUM(A1)", "+46 8", "-2+3", "-", "-20", "+0,5", "-1.25", "20-",
                           "  =HYPERLINK(1)", "  -20"};
  EXPECT_EQ(CsvRecord(formulas, false),
            "'=1+1;'@SUM(A1);'+46 8;'-2+3;'-;-20;+0,5;-1.25;20-;'  =HYPERLINK(1);\"  -20\"\r\n");
}

}  // namespace
}  // namespace virano
