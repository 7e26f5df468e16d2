#pragma once
// What the fuzz targets share: records made from any bytes, a private folder
// for the files a target writes, and the end of a run on a broken promise.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "project/record.h"

namespace virano::fuzz {

// `size` bytes read as records of type Record: the last one padded with
// zeros, at least `minimum` records.
template <typename Record>
std::vector<Record> RecordsOf(const std::uint8_t* data, std::size_t size,
                              std::size_t minimum = 1) {
  const std::size_t count = std::max(minimum, (size + sizeof(Record) - 1) / sizeof(Record));
  std::vector<Record> records(count);
  if (size > 0) std::memcpy(records.data(), data, std::min(size, count * sizeof(Record)));
  return records;
}

// A folder of this process for the files of one input, made once (in memory
// where the system offers it) and removed when the process ends.
inline const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    std::error_code ignored;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ignored)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    std::string pattern = (base / "virano-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    std::atexit([] { std::filesystem::remove_all(Folder()); });
    return std::filesystem::path(pattern);
  }();
  return folder;
}

// Writes the bytes as the file `name` in Folder() and returns its path.
inline std::filesystem::path WriteFile(const std::string& name, const std::uint8_t* data,
                                       std::size_t size) {
  const std::filesystem::path path = Folder() / name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) std::abort();
  return path;
}

// A promise of the program that the input broke: said and ended as a crash,
// which the fuzzer keeps as a finding.
[[noreturn]] inline void Broken(const std::string& what) {
  std::fprintf(stderr, "Broken: %s\n", what.c_str());
  std::abort();
}

}  // namespace virano::fuzz
