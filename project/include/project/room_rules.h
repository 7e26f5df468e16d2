#pragma once
// Rules of the room transfer that need no window: how many rows the surface
// grid shows for a block, and a project's name without its extension.
#include <string>
#include <string_view>

#include "project/record.h"

namespace virano {

using SurfaceBlock = std::array<TSurfaceRow, kSurfaceRowsPerBlock>;

// The most data rows the surface grid shows: the main surface and 19
// sub-surfaces. The block's 21st row is never shown.
inline constexpr int kMaxSurfaceGridDataRows = 20;

// Data rows the surface grid needs so that every row of `block` holding any
// text is shown: at least `shown` (the grid is never made smaller), at most
// kMaxSurfaceGridDataRows.
int SurfaceGridDataRows(const SurfaceBlock& block, int shown);

// `path` without the extension of its last component: "/a/hus.rot" gives
// "/a/hus", "/a.b/hus" stays. Both "/" and "\" separate components.
std::string PathWithoutExtension(std::string_view path);

}  // namespace virano
