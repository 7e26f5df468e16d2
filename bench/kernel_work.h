#pragma once
// The benchmarks' fully loaded room, and how they weigh a piece of work
// against the kernel evaluations it makes.
#include <benchmark/benchmark.h>
#include <time.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/kernels.h"
#include "support/ProjectWriter.h"
#include "support/RoomBuilder.h"
#include "support/TempDir.h"

namespace virano::bench {

// A W × D × H room with radiators: on every surface 19 sub-surfaces in a
// 5 × 4 grid of cells and ten control points spread over it.
inline testing::RoomBuilder LoadedRoom(double W, double D, double H) {
  testing::RoomBuilder room(W, D, H);
  const double extents[kMainSurfaceCount][3] = {{W, H, D}, {D, H, W}, {D, H, W},
                                                {W, H, D}, {W, D, H}, {W, D, H}};
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    const double X2 = extents[s][0], Y2 = extents[s][1], depth = extents[s][2];
    room.Temperature(s, 18 + s);
    const double cw = X2 / 5, ch = Y2 / 4;
    for (int k = 1; k <= 19; ++k) {
      const int col = (k - 1) % 5, line = (k - 1) / 5;
      room.SubSurface(s, k, "Delyta " + std::to_string(k), col * cw + 0.1, (col + 1) * cw - 0.1,
                      line * ch + 0.05, (line + 1) * ch - 0.05, 10 + 2 * k);
    }
    for (int p = 0; p < 10; ++p)
      room.Point(s, p, X2 * (p + 0.5) / 10, Y2 * (0.2 + 0.06 * p), depth * (0.05 + 0.09 * p));
  }
  return room;
}

// CPU seconds of the calling thread.
inline double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The kernel evaluations that `work` makes on this thread, in order.
inline std::vector<KernelCall> KernelCallsOf(const std::function<void()>& work) {
  std::vector<KernelCall> calls;
  ThreadKernelTally().record = &calls;
  work();
  ThreadKernelTally().record = nullptr;
  return calls;
}

// The same kernel evaluations once more, alone: the work's kernel share.
inline float Replay(const std::vector<KernelCall>& calls) {
  float sum = 0;
  for (const KernelCall& c : calls)
    sum += c.parallel ? ParallellaFallet(c.H, c.L, c.Z) : VinkelRataFallet(c.H, c.L, c.Z);
  return sum;
}

// The benchmark's iterations: each runs `prepare` untimed, then `work`, whose
// CPU time on this thread is the iteration's time, and then the kernel calls
// that the work makes, alone. Sets the counters kernel_calls, kernel_ms and
// x_kernels (the work's time over its kernels' time) and returns the work's
// kernel calls.
template <typename Prepare, typename Work>
std::size_t TimeAgainstKernels(benchmark::State& state, Prepare&& prepare, Work&& work) {
  prepare();
  const std::vector<KernelCall> calls = KernelCallsOf(work);
  double working = 0, kernels = 0;
  for (auto _ : state) {
    prepare();
    const double t0 = ThreadSeconds();
    work();
    const double t1 = ThreadSeconds();
    benchmark::DoNotOptimize(Replay(calls));
    const double t2 = ThreadSeconds();
    state.SetIterationTime(t1 - t0);
    working += t1 - t0;
    kernels += t2 - t1;
  }
  state.counters["kernel_calls"] = static_cast<double>(calls.size());
  state.counters["kernel_ms"] = kernels / static_cast<double>(state.iterations()) * 1e3;
  state.counters["x_kernels"] = working / kernels;
  return calls.size();
}

}  // namespace virano::bench
