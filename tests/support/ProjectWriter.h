#pragma once
// Project files written as the window writes them, for the tests and the
// benchmarks.
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "project/record.h"

namespace virano::testing {

// A project file: the general record of this version and `rooms`.
void WriteProject(const std::filesystem::path& path, std::initializer_list<const TRoomRecord*> rooms);

// A project of version 1 whose rooms carry `names`, each a 4 m cube at 20 °C
// whose six main surfaces pass the input check, without points; `fill` may
// change each record (0 the general record) before it is written.
void WriteNamedProject(const std::filesystem::path& path, const std::vector<std::string>& names,
                       const std::function<void(int k, TRoomRecord&)>& fill = {});

}  // namespace virano::testing
