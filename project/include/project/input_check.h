#pragma once
// The input check of a room: which surface rows lack what the calculation
// needs, as the lines of the error file (.rof).
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "project/record.h"

namespace virano {

// The message of row `r` of main surface `s`'s block; empty when the row is
// sound or not in use. Judged on the texts only: a cell counts as filled
// when it is not empty.
std::string RowErrorMessage(const TSurfaceRow& row, int r, MainSurface s);

// A control point's coordinate or distance `value` lies outside the room's
// span `limit`: both are numbers (either decimal separator) and the value is
// not strictly between 0 and the limit.
bool OutsideSpan(std::string_view value, std::string_view limit, bool decimalPunkt);

// The cell of a main surface's own row that holds the room's depth in front
// of `surface`: X2 of the left wall for the front and rear walls, X2 of the
// front wall for the left and right walls, Y2 of the front wall for the floor
// and the ceiling.
struct DepthCell {
  MainSurface surface;
  int col;
};
DepthCell RoomDepth(MainSurface surface);

// The point of row `row` in front of `surface` lies outside the room: Xp not
// inside the main surface's width, Yp not inside its height, or Zp not inside
// the room's depth in front of it. A room whose sizes are not numbers has no
// point outside.
bool PointOutsideRoom(const TRoomRecord& room, MainSurface surface, int row, bool decimalPunkt);

// The message of a control point outside the room: "Punkt 3 ligger utanför
// rummet", the point numbered from 0 as the result table numbers it.
std::string PointOutsideMessage(int row);

// Every error of room `number`, main surface by main surface: its rows in
// order (the block's last row is not checked), then its points outside the
// room.
std::vector<TErrorRecord> RoomErrors(const TRoomRecord& room, int number, bool decimalPunkt);

// Makes `errorFile` anew holding `errors`. FileError when it cannot be written.
void WriteErrorFile(const std::filesystem::path& errorFile, const std::vector<TErrorRecord>& errors);

// Checks room `number` of `projectFile`: `errorFile` is made anew first, so
// that a room that cannot be read leaves it empty, and holds the room's
// errors afterwards. Returns them. FileError when a file cannot be read or
// written.
std::vector<TErrorRecord> CheckRoomFile(const std::filesystem::path& projectFile,
                                        const std::filesystem::path& errorFile, int number,
                                        bool decimalPunkt);

}  // namespace virano
