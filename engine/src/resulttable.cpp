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

}  // namespace virano
