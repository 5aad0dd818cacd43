#include <windows.h>

#include <gtest/gtest.h>

#include "app/settings/window_settings.h"

namespace {

using settings::MendOffScreen;
using settings::ScreenRect;
using settings::WindowBounds;

ScreenRect PrimaryWorkArea() {
  RECT work = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return ScreenRect{work.left, work.top, work.right, work.bottom};
}

ScreenRect NearestWorkArea(const WindowBounds& b) {
  RECT frame = {b.left, b.top, b.left + b.width, b.top + b.height};
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  GetMonitorInfoA(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &info);
  return ScreenRect{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

TEST(MonitorMendTest, OnScreenFrameStaysUnchanged) {
  const ScreenRect work = PrimaryWorkArea();
  ASSERT_GT(work.right - work.left, 0);
  const WindowBounds inside{work.left + 10, work.top + 20, 300, 200};
  EXPECT_EQ(MendOffScreen(inside), inside);
  // Mostly off screen still shares pixels with the work area: no clamping.
  const WindowBounds overhanging{work.left - 590, work.top - 390, 600, 400};
  EXPECT_EQ(MendOffScreen(overhanging), overhanging);
  const WindowBounds huge{work.left - 5000, work.top - 5000, 20000, 20000};
  EXPECT_EQ(MendOffScreen(huge), huge);
}

TEST(MonitorMendTest, FarAwayFrameMovesToTheNearestMonitorKeepingItsSize) {
  for (const WindowBounds away : {WindowBounds{100000, 100000, 600, 400}, WindowBounds{-100000, -100000, 640, 480},
                                 WindowBounds{-32000, -32000, 160, 28}}) {
    const WindowBounds mended = MendOffScreen(away);
    EXPECT_EQ(mended.width, away.width);
    EXPECT_EQ(mended.height, away.height);
    const ScreenRect work = NearestWorkArea(away);
    EXPECT_TRUE(Overlaps(mended, work)) << mended.left << "," << mended.top;
    EXPECT_GE(mended.left, work.left);
    EXPECT_GE(mended.top, work.top);
  }
}

TEST(MonitorMendTest, FarBelowRightLandsInTheCorner) {
  const ScreenRect work = NearestWorkArea(WindowBounds{100000, 100000, 300, 200});
  const WindowBounds mended = MendOffScreen(WindowBounds{100000, 100000, 300, 200});
  EXPECT_EQ(mended, (WindowBounds{work.right - 300, work.bottom - 200, 300, 200}));
}

}  // namespace
