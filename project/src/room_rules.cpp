#include "project/room_rules.h"

#include <algorithm>

namespace virano {

namespace {

bool HoldsText(const TSurfaceRow& row) {
  for (int c = 0; c < TSurfaceRow::kCellCount; ++c)
    if (!row.cell(c).Empty()) return true;
  return false;
}

}  // namespace

int SurfaceGridDataRows(const SurfaceBlock& block, int shown) {
  int needed = 0;
  for (int r = 0; r < kMaxSurfaceGridDataRows; ++r)
    if (HoldsText(block[r])) needed = r + 1;
  return std::clamp(std::max(needed, shown), 1, kMaxSurfaceGridDataRows);
}

std::string PathWithoutExtension(std::string_view path) {
  const std::size_t name = path.find_last_of("/\\");
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || (name != std::string_view::npos && dot < name))
    return std::string(path);
  return std::string(path.substr(0, dot));
}

}  // namespace virano
