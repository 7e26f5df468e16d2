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

// Every error of room `number`, main surface by main surface and row by row
// (the block's last row is not checked).
std::vector<TErrorRecord> RoomErrors(const TRoomRecord& room, int number);

// Makes `errorFile` anew holding `errors`. FileError when it cannot be written.
void WriteErrorFile(const std::filesystem::path& errorFile, const std::vector<TErrorRecord>& errors);

// Checks room `number` of `projectFile`: `errorFile` is made anew first, so
// that a room that cannot be read leaves it empty, and holds the room's
// errors afterwards. Returns them. FileError when a file cannot be read or
// written.
std::vector<TErrorRecord> CheckRoomFile(const std::filesystem::path& projectFile,
                                        const std::filesystem::path& errorFile, int number);

}  // namespace virano
