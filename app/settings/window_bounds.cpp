#include "app/settings/window_bounds.h"

#include <algorithm>
#include <cstdint>

namespace settings {

namespace {

// One axis of MovedInto. Worked in 64 bits: saved values can be anything
// in the int32 range, and start + size must not overflow.
int MovedAxis(int start, int size, int area_start, int area_end) {
  std::int64_t last_start = static_cast<std::int64_t>(area_end) - std::max(size, 0);
  std::int64_t moved = std::min<std::int64_t>(start, last_start);
  moved = std::max<std::int64_t>(moved, area_start);
  return static_cast<int>(moved);
}

bool AxisOverlaps(int start, int size, int area_start, int area_end) {
  std::int64_t end = static_cast<std::int64_t>(start) + std::max(size, 1);
  return start < area_end && end > area_start;
}

}  // namespace

bool operator==(const WindowBounds& a, const WindowBounds& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

bool Overlaps(const WindowBounds& bounds, const ScreenRect& area) {
  return AxisOverlaps(bounds.left, bounds.width, area.left, area.right) &&
         AxisOverlaps(bounds.top, bounds.height, area.top, area.bottom);
}

WindowBounds MovedInto(const WindowBounds& bounds, const ScreenRect& area) {
  WindowBounds moved = bounds;
  moved.left = MovedAxis(bounds.left, bounds.width, area.left, area.right);
  moved.top = MovedAxis(bounds.top, bounds.height, area.top, area.bottom);
  return moved;
}

}  // namespace settings
