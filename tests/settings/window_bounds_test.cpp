#include <gtest/gtest.h>

#include <climits>

#include "app/settings/window_bounds.h"

namespace {

using settings::ScreenRect;
using settings::WindowBounds;

const ScreenRect kWork{0, 0, 1024, 740};

TEST(WindowBoundsTest, FirstRunDefaults) {
  WindowBounds defaults;
  EXPECT_EQ(defaults, (WindowBounds{0, 0, 600, 400}));
}

TEST(OverlapsTest, AnySharedPixelCounts) {
  EXPECT_TRUE(Overlaps(WindowBounds{100, 100, 600, 400}, kWork));
  EXPECT_TRUE(Overlaps(WindowBounds{-599, -399, 600, 400}, kWork));  // top-left pixel only
  EXPECT_TRUE(Overlaps(WindowBounds{1023, 739, 600, 400}, kWork));   // bottom-right pixel only
  EXPECT_FALSE(Overlaps(WindowBounds{-600, 0, 600, 400}, kWork));    // touches, shares nothing
  EXPECT_FALSE(Overlaps(WindowBounds{1024, 0, 600, 400}, kWork));
  EXPECT_FALSE(Overlaps(WindowBounds{0, 740, 600, 400}, kWork));
  EXPECT_FALSE(Overlaps(WindowBounds{30000, 30000, 600, 400}, kWork));
}

TEST(OverlapsTest, EmptyFrameIsJudgedByItsCorner) {
  EXPECT_TRUE(Overlaps(WindowBounds{10, 10, 0, 0}, kWork));
  EXPECT_TRUE(Overlaps(WindowBounds{10, 10, -50, -50}, kWork));
  EXPECT_FALSE(Overlaps(WindowBounds{-10, 10, 0, 0}, kWork));
}

TEST(OverlapsTest, ExtremeValuesDoNotOverflow) {
  EXPECT_FALSE(Overlaps(WindowBounds{INT_MAX, INT_MAX, INT_MAX, INT_MAX}, kWork));
  EXPECT_TRUE(Overlaps(WindowBounds{1000, 700, INT_MAX, INT_MAX}, kWork));
  EXPECT_FALSE(Overlaps(WindowBounds{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, kWork));  // ends at -1
}

TEST(MovedIntoTest, KeepsTheSizeAndComesToTheNearestEdge) {
  EXPECT_EQ(MovedInto(WindowBounds{5000, 6000, 600, 400}, kWork), (WindowBounds{424, 340, 600, 400}));
  EXPECT_EQ(MovedInto(WindowBounds{-5000, -6000, 600, 400}, kWork), (WindowBounds{0, 0, 600, 400}));
  EXPECT_EQ(MovedInto(WindowBounds{-5000, 200, 600, 400}, kWork), (WindowBounds{0, 200, 600, 400}));
  EXPECT_EQ(MovedInto(WindowBounds{INT_MAX, INT_MIN, 600, 400}, kWork), (WindowBounds{424, 0, 600, 400}));
}

TEST(MovedIntoTest, WorkAreaAwayFromTheOrigin) {
  const ScreenRect second{1920, 40, 3200, 1064};
  EXPECT_EQ(MovedInto(WindowBounds{9000, -9000, 300, 200}, second), (WindowBounds{2900, 40, 300, 200}));
}

TEST(MovedIntoTest, FrameLargerThanTheAreaGoesToItsTopLeft) {
  EXPECT_EQ(MovedInto(WindowBounds{9000, 9000, 3000, 2000}, kWork), (WindowBounds{0, 0, 3000, 2000}));
}

}  // namespace
