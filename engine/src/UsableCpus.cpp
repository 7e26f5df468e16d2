// How many CPUs the process may use: the CPUs of its affinity (taskset, a
// container's set of CPUs), fewer when its control group's CPU quota gives
// it less time than that (a container's CPU limit).
#include <sched.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "engine/rotmap.h"

namespace virano {
namespace {

namespace fs = std::filesystem;

// The CPUs of the calling thread's affinity; 0 when unknown.
unsigned AffinityCount() {
  cpu_set_t set;
  CPU_ZERO(&set);
  if (::sched_getaffinity(0, sizeof set, &set) != 0) return 0;
  return static_cast<unsigned>(CPU_COUNT(&set));
}

// Whole CPUs that `quota` microseconds of every `period` give, rounded up;
// 0 for no limit.
unsigned Cpus(long long quota, long long period) {
  if (quota <= 0 || period <= 0) return 0;
  return static_cast<unsigned>(std::max(1.0L, std::ceil(static_cast<long double>(quota) / period)));
}

// The smaller of two limits, 0 standing for none.
unsigned Smaller(unsigned a, unsigned b) { return a == 0 ? b : b == 0 ? a : std::min(a, b); }

// The limit that the control group `group` of the unified hierarchy, or a
// group above it, sets in "cpu.max" ("max 100000" or "150000 100000").
unsigned UnifiedLimit(fs::path group) {
  unsigned limit = 0;
  for (;; group = group.parent_path()) {
    std::ifstream file(fs::path("/sys/fs/cgroup") / group / "cpu.max");
    std::string quota;
    long long period = 0;
    if (file >> quota >> period && quota != "max") {
      try {
        limit = Smaller(limit, Cpus(std::stoll(quota), period));
      } catch (const std::exception&) {
      }
    }
    if (group.empty()) return limit;
  }
}

// The limit of the older hierarchy's "cpu" controller at `group`.
unsigned LegacyLimit(const fs::path& group) {
  long long quota = 0, period = 0;
  std::ifstream(group / "cpu.cfs_quota_us") >> quota;
  std::ifstream(group / "cpu.cfs_period_us") >> period;
  return Cpus(quota, period);
}

// The CPU quota of the process's control groups as whole CPUs; 0 for none.
unsigned QuotaCount() {
  unsigned limit = 0;
  std::ifstream cgroups("/proc/self/cgroup");
  std::string line;
  while (std::getline(cgroups, line)) {
    // "0::/path" in the unified hierarchy, "4:cpu,cpuacct:/path" in the older.
    const std::size_t first = line.find(':');
    const std::size_t second = line.find(':', first + 1);
    if (first == std::string::npos || second == std::string::npos) continue;
    const std::string controllers = line.substr(first + 1, second - first - 1);
    const fs::path relative = fs::path(line.substr(second + 1)).relative_path();
    if (controllers.empty()) limit = Smaller(limit, UnifiedLimit(relative));
    std::stringstream list(controllers);
    for (std::string controller; std::getline(list, controller, ',');) {
      if (controller != "cpu") continue;
      for (const char* mount : {"/sys/fs/cgroup/cpu", "/sys/fs/cgroup/cpu,cpuacct"})
        limit = Smaller(limit, Smaller(LegacyLimit(fs::path(mount) / relative), LegacyLimit(mount)));
    }
  }
  return limit;
}

}  // namespace

unsigned UsableCpuCount() {
  unsigned cpus = AffinityCount();
  if (cpus == 0) cpus = std::thread::hardware_concurrency();
  return std::max(Smaller(cpus, QuotaCount()), 1U);
}

}  // namespace virano
