#pragma once
// virano-kalkyl --karta YTA --png BILD.png: the ROT map's picture, as the
// window "ROT-karta" draws it, written as a PNG file.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "karta.h"

namespace virano::kalkyl {

// Takes --png BILD.png out of `args`: the file, or nothing when not given.
// OptionError when the file name is missing.
std::optional<std::string> TakePngOption(std::vector<std::string>& args);

// Writes the picture of the map that `options` ask for of room `room`
// (checked to exist), kRotKartaBildStorlek pixels large. Returns the exit
// status; a failure's message goes to standard error.
int WritePng(const std::string& file, const MapAndCsvOptions& options,
             const std::filesystem::path& project, int room, bool decimalPunkt);

}  // namespace virano::kalkyl
