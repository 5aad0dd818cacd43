// The window's outer frame in screen pixels, and how a frame that would open
// wholly off every screen is brought back. Portable: the monitors' work areas
// come from the caller.
#pragma once

namespace settings {

// Defaults are those of a first run: top-left corner, 600 by 400.
struct WindowBounds {
  int left = 0;
  int top = 0;
  int width = 600;
  int height = 400;
};

bool operator==(const WindowBounds& a, const WindowBounds& b);

// A screen rectangle, right and bottom exclusive.
struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// True when the frame shares at least one pixel with `area`. A frame of no
// width or height counts as its corner pixel, so it is judged by where it is.
bool Overlaps(const WindowBounds& bounds, const ScreenRect& area);

// The frame moved, keeping its size, to the nearest place inside `area`;
// a frame larger than the area is put at the area's left or top edge.
WindowBounds MovedInto(const WindowBounds& bounds, const ScreenRect& area);

}  // namespace settings
