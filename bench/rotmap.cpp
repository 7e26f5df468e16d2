// The ROT map of a fully loaded room's front wall, 40 × 25 points 1 m in
// front of it: on one thread and on N, the machine's cores (up to 8), with
// the speed-up; and the points' evaluation timed against the kernel
// evaluations it makes. The same for the map of the radiant temperature
// asymmetry, whose points are each evaluated toward the wall and toward the
// rear wall.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "engine/rotmap.h"
#include "kernel_work.h"

namespace {

using namespace virano;

const TRoomRecord& Room() {
  static const auto room = bench::LoadedRoom(4.1, 5, 2.6);
  return room.record();
}

RotMap Map(unsigned threads, MapQuantity quantity) {
  RotMapRequest request;
  request.threads = threads;
  request.quantity = quantity;
  return ComputeRotMap(Room(), request, false);
}

template <typename Work>
double WallSeconds(Work&& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Each iteration maps on one thread, then on N.
void MapSpeedUp(benchmark::State& state, MapQuantity quantity) {
  const unsigned n = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
  double one = 0, all = 0;
  std::size_t points = 0;
  for (auto _ : state) {
    one += WallSeconds([&] { points = Map(1, quantity).cells.size(); });
    all += WallSeconds([&] { benchmark::DoNotOptimize(Map(n, quantity).cells.data()); });
  }
  const auto iterations = static_cast<double>(state.iterations());
  state.counters["points"] = static_cast<double>(points);
  state.counters["N"] = n;
  state.counters["ms_1_thread"] = one / iterations * 1e3;
  state.counters["ms_N_threads"] = all / iterations * 1e3;
  state.counters["speedup"] = one / all;  // at least 0.7 N
}
void BM_RotMapSpeedUp(benchmark::State& state) { MapSpeedUp(state, MapQuantity::Rot); }
void BM_AsymmetryMapSpeedUp(benchmark::State& state) { MapSpeedUp(state, MapQuantity::Asymmetry); }
BENCHMARK(BM_RotMapSpeedUp)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AsymmetryMapSpeedUp)->UseRealTime()->Unit(benchmark::kMillisecond);

// The map's points evaluated one after the other on this thread, as a map's
// worker does, against their kernel evaluations (x_kernels at most 1.5).
template <typename Evaluate>
void PointsVsKernels(benchmark::State& state, Evaluate&& evaluate) {
  const std::vector<float> xs = MapPositions(4.1f, 0.1L), ys = MapPositions(2.6f, 0.1L);
  Calculation calc(Room(), false);
  float sink = 0;
  const std::size_t calls = bench::TimeAgainstKernels(state, [] {}, [&] {
    for (const float y : ys)
      for (const float x : xs) sink += evaluate(calc, x, y);
  });
  benchmark::DoNotOptimize(sink);
  const double points = static_cast<double>(xs.size() * ys.size());
  state.counters["points"] = points;
  state.counters["kernel_calls_per_point"] = static_cast<double>(calls) / points;
  const double kernelMicroseconds = state.counters["kernel_ms"] / points * 1e3;
  state.counters["kernel_us_per_point"] = kernelMicroseconds;
  state.counters["us_per_point"] = kernelMicroseconds * state.counters["x_kernels"];
}

void BM_MapPointsVsKernels(benchmark::State& state) {
  PointsVsKernels(state, [](Calculation& calc, float x, float y) {
    return VinkelKoeffPoint(calc, FrontWall, 0, x, y, 1.0f).ROT;
  });
}
BENCHMARK(BM_MapPointsVsKernels)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_AsymmetryMapPointsVsKernels(benchmark::State& state) {
  const RoomExtents extents = *AsymmetryExtents(Room(), FrontWall, false).extents;
  PointsVsKernels(state, [&](Calculation& calc, float x, float y) {
    return AsymmetryAtPoint(calc, FrontWall, {x, y, 1.0f}, extents, ComfortCategory::A).delta;
  });
}
BENCHMARK(BM_AsymmetryMapPointsVsKernels)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
