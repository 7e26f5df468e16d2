#pragma once
// The room calculation: the air temperature at a control point, the view
// factors of the main surface a point faces and of the four surfaces beside
// it, ROT per point, and the driver that fills a room's result table.
//
// Every conversion error (ConversionError) and every arithmetic fault
// (CalculationError) ends the calculation; the rows written so far stay in
// the table.
#include <filesystem>
#include <memory>
#include <string_view>

#include "engine/resulttable.h"
#include "project/record.h"

namespace virano {

// The air temperature (°C) at height ChpY (m) above the floor for the
// heating system HeatSystem (0–5), from the room's texts: the room
// temperature, the temperatures 0.5 m and 1.8 m above the floor (own
// alternative) and the ceiling heating output (ceiling heating). Only the
// texts the system uses are converted. Another HeatSystem gives the room
// temperature.
float KorrRumsTemp(int HeatSystem, float ChpY, std::string_view MedelRumsTemp,
                   std::string_view Temp05OG, std::string_view Temp18OG,
                   std::string_view WattPerKvmTak, bool decimalPunkt);

namespace evaluation {
class StoredRoom;
}

// One room's calculation in progress: the room as read from the project file,
// its texts converted once for the whole calculation, the mode, the table
// written to (none when only a point's numbers are wanted), and the running
// sums of the current point.
struct Calculation {
  Calculation(const TRoomRecord& room, ResultTable& table, bool detailed, bool decimalPunkt);
  // Without a table: the evaluations write no rows and give the numbers only.
  Calculation(const TRoomRecord& room, bool decimalPunkt);
  ~Calculation();
  Calculation(const Calculation&) = delete;
  Calculation& operator=(const Calculation&) = delete;

  evaluation::StoredRoom& stored() { return *stored_; }

  const TRoomRecord& room;
  ResultTable* table;
  bool detailed = false;
  bool decimalPunkt = false;
  float SumVinkelKoeff = 0;      // view factors seen from the point
  float SumVinkelKoeffTemp = 0;  // view factor × surface temperature

 private:
  std::unique_ptr<evaluation::StoredRoom> stored_;
};

// What a control point's row of the result table shows, as numbers.
struct PointResult {
  float ROT = 0;                 // directed operative temperature, °C
  float Tair = 0;                // air temperature at the point, °C
  float SumVinkelKoeff = 0;      // sum of the view factors seen
  float SumVinkelKoeffTemp = 0;  // sum of view factor × surface temperature
};

// The evaluations add their rows at the bottom of the table and return the
// index of the last row written, which is always the table's last row (−1
// without a table).

// Main-surface evaluation: every control point in front of `surface`.
int VinkelKoeffMainSurface(Calculation& calc, MainSurface surface);

// One point in front of `surface` at (ChpX, ChpY), Zp from it, numbered KP:
// its rows when the calculation has a table, and its results.
PointResult VinkelKoeffPoint(Calculation& calc, MainSurface surface, int KP, float ChpX,
                             float ChpY, float Zp);

int VinkelKoeffFrontWall(Calculation& calc);
int VinkelKoeffLeftWall(Calculation& calc);
int VinkelKoeffRightWall(Calculation& calc);
int VinkelKoeffRearWall(Calculation& calc);
int VinkelKoeffFloor(Calculation& calc);
int VinkelKoeffCeiling(Calculation& calc);

// A side surface seen from a point in front of a main surface, one value per
// pair, in the order in which the main surfaces call them.
enum class SideView {
  LeftWall, RightWall, Ceiling, Floor,                                        // front wall
  RearWallFromLeft, FrontWallFromLeft, CeilingFromLeft, FloorFromLeft,        // left wall
  FrontWallFromRight, RearWallFromRight, CeilingFromRight, FloorFromRight,    // right wall
  RightWallFromRear, LeftWallFromRear, CeilingFromRear, FloorFromRear,        // rear wall
  FrontWallFromFloor, LeftWallFromFloor, RightWallFromFloor, RearWallFromFloor,
  FrontWallFromCeiling, LeftWallFromCeiling, RightWallFromCeiling, RearWallFromCeiling,
};
inline constexpr int kSideViewCount = 24;

// Side-surface evaluation: adds the view factors of the visible part of the
// side surface and of its sub-surfaces, and their products with the surface
// temperatures, into the calculation's sums. The point is KP of its block,
// at ChpX, ChpY in the main surface's frame and Zp in front of it; E is the
// extra length some views take (X2 or Y2 of the main surface's own row).
int SidVinkelKoeff(Calculation& calc, SideView view, int KP, float Zp, float ChpX, float ChpY,
                   float E = 0);

// Computes room Nr of the project file `projectFile` into `table`: the room
// heading row 3, the points of every main surface (front, left, right, rear
// wall, ceiling, floor) and a final empty row. The table keeps its three
// heading rows; every row below them is replaced. An empty path (no project
// open) leaves the table as it is. A FileError when the file or the room
// cannot be read.
void Kalkyl(const std::filesystem::path& projectFile, int Nr, bool detailed, bool decimalPunkt,
            ResultTable& table);

}  // namespace virano
