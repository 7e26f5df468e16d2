// The calculation driver: one room of a project file into the result table.
#include <memory>

#include "engine/calculation.h"
#include "evaluation.h"
#include "project/recordfile.h"

namespace virano {

using evaluation::kMarker;
using evaluation::kName;
using evaluation::kRot;

void Kalkyl(const std::filesystem::path& projectFile, int Nr, bool detailed, bool decimalPunkt,
            ResultTable& table) {
  if (projectFile.empty()) return;  // no project open
  table.rows.resize(ResultTable::kHeadingRows);
  const int roomRow = table.AddRow();

  const ProjectFile file(projectFile);
  auto room = std::make_unique<TRoomRecord>();
  file.Read(0, *room);
  if (file.Count() > 1) {
    file.Read(Nr, *room);
    table.Cell(kName, roomRow) = room->RumsNamn.Text();
    table.Cell(kRot, roomRow) = "Min. " + DecimalFormat(room->MinRot.Text(), decimalPunkt);
    table.Cell(kMarker, roomRow) = "NR";

    Calculation calc{*room, table, detailed, decimalPunkt};
    VinkelKoeffFrontWall(calc);
    VinkelKoeffLeftWall(calc);
    VinkelKoeffRightWall(calc);
    VinkelKoeffRearWall(calc);
    VinkelKoeffCeiling(calc);
    VinkelKoeffFloor(calc);
  }
  table.AddRow();
}

}  // namespace virano
