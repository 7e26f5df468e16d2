// The open project over a 1000-room project: the check of all rooms and the
// room list each against one read of the whole file. Every room passes the
// check, so the walk reads them all.
#include <benchmark/benchmark.h>

#include <QString>
#include <string>
#include <vector>

#include "project/recordfile.h"
#include "projekt/Projekt.h"
#include "support/ProjectWriter.h"
#include "support/TempDir.h"

namespace {

constexpr int kRooms = 1000;

// The project, written once for the run.
const std::filesystem::path& File() {
  static const virano::testing::TempDir dir("bench-projekt");
  static const std::filesystem::path path = [] {
    std::vector<std::string> names;
    for (int k = 1; k <= kRooms; ++k) names.push_back("Rum " + std::to_string(k));
    virano::testing::WriteNamedProject(dir.path() / "stor.rot", names);
    return dir.path() / "stor.rot";
  }();
  return path;
}

// The project opened, as the window opens it.
virano::TProjekt& Opened() {
  static virano::TProjekt projekt(false);
  static const bool opened = [] {
    projekt.Oeppna(QString::fromStdString(File().string()), {}, {});
    return projekt.FilOK();
  }();
  if (!opened) std::abort();
  return projekt;
}

void ReadTheWholeFile(benchmark::State& state) {
  const virano::ProjectFile file(File());
  for (auto _ : state) benchmark::DoNotOptimize(file.ReadAll().size());
}
BENCHMARK(ReadTheWholeFile)->Unit(benchmark::kMillisecond);

void CheckAllRooms(benchmark::State& state) {
  virano::TProjekt& projekt = Opened();
  for (auto _ : state) benchmark::DoNotOptimize(projekt.FelsokAll().rum);
}
BENCHMARK(CheckAllRooms)->Unit(benchmark::kMillisecond);

void ListTheRooms(benchmark::State& state) {
  virano::TProjekt& projekt = Opened();
  for (auto _ : state) benchmark::DoNotOptimize(projekt.RumsNamn().size());
}
BENCHMARK(ListTheRooms)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
