#include "engine/resulttable.h"

namespace virano {

void ResultTable::SetUp(bool detailed) {
  rows.assign(kHeadingRows + 1, Row{});
  rows[0] = {"Rum",         "Kontroll", "Riktad",   "Rumstemp i",    "Summa ",
             "Summa ",      "Vinkel-",  "Yttemperatur", "Vinkelkoeff *", "Nytt rum"};
  rows[1] = {"  Huvudyta",  "Punkt",       "operativ",    "punkten",      "vinkelkoeff.",
             "vinkelkoeff *", "koefficient", "",          "Yttemperatur", "NR"};
  rows[2] = {detailed ? "    Delytor" : "", "Nr", "temperatur", "", "i kontr.punkt",
             "yttemperatur", "", "", "", ""};
}

std::vector<std::string> ResultTable::ShownCells(const Row& row) {
  std::vector<std::string> cells(row.begin(), row.end());
  cells.erase(cells.begin() + kMarker);
  return cells;
}

}  // namespace virano
