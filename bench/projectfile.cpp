// Reading every room of a 10 000-room project, record by record as the
// program does (each read opens and closes the file), and all at once.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "project/recordfile.h"

namespace {

constexpr long long kRooms = 10000;

const std::filesystem::path& BigProject() {
  static const std::filesystem::path path = [] {
    auto p = std::filesystem::temp_directory_path() / "virano-bench-10000.rot";
    virano::ProjectFile file(p);
    file.Create();
    virano::TRoomRecord record{};
    record.FilVersion.SetText("1");
    file.Append(record);
    for (long long k = 1; k <= kRooms; ++k) {
      record.RumsNamn.SetText("Rum " + std::to_string(k));
      file.Append(record);
    }
    return p;
  }();
  return path;
}

void ReadEveryRecord(benchmark::State& state) {
  virano::ProjectFile file(BigProject());
  virano::TRoomRecord record;
  for (auto _ : state) {
    const long long count = file.Count();
    for (long long k = 1; k < count; ++k) {
      file.Read(k, record);
      benchmark::DoNotOptimize(record.RumsNamn.length);
    }
  }
  state.SetItemsProcessed(state.iterations() * kRooms);
  state.SetBytesProcessed(state.iterations() * kRooms * 19999);
}
BENCHMARK(ReadEveryRecord)->Unit(benchmark::kMillisecond);

void ReadAllAtOnce(benchmark::State& state) {
  virano::ProjectFile file(BigProject());
  for (auto _ : state) benchmark::DoNotOptimize(file.ReadAll().size());
  state.SetBytesProcessed(state.iterations() * (kRooms + 1) * 19999);
}
BENCHMARK(ReadAllAtOnce)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
