#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <utility>
#include <vector>

#include "app/settings/data_dir.h"
#include "app/settings/settings_paths.h"
#include "app/settings/window_settings.h"
#include "platform/ini_file.h"
#include "platform/line_file.h"

namespace settings {

namespace {

constexpr char kSection[] = "MySystem";
constexpr char kTop[] = "top";
constexpr char kLeft[] = "left";
constexpr char kHeight[] = "Height";
constexpr char kWidth[] = "Width";
constexpr char kDir[] = "Dir";

ScreenRect FromRect(const RECT& rect) { return ScreenRect{rect.left, rect.top, rect.right, rect.bottom}; }

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(monitor, &info)) reinterpret_cast<std::vector<ScreenRect>*>(data)->push_back(FromRect(info.rcWork));
  return TRUE;
}

LONG Clamped(std::int64_t value) { return static_cast<LONG>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX)); }

}  // namespace

SettingsStore::SettingsStore(std::string data_dir, std::string exe_path)
    : data_dir_(std::move(data_dir)), exe_path_(std::move(exe_path)) {}

std::string SettingsStore::IniPath() const {
  return data_dir_ + FileNameWithExtension(exe_path_, ".ini", platform::IsAnsiLeadByte);
}

std::string SettingsStore::HistoryPath() const {
  return data_dir_ + FileNameWithExtension(exe_path_, ".dl", platform::IsAnsiLeadByte);
}

SavedWindow SettingsStore::Read() const {
  platform::IniFile ini(IniPath());
  SavedWindow window;
  window.bounds.top = ini.ReadInteger(kSection, kTop, 0);
  window.bounds.left = ini.ReadInteger(kSection, kLeft, 0);
  window.bounds.height = ini.ReadInteger(kSection, kHeight, 400);
  window.bounds.width = ini.ReadInteger(kSection, kWidth, 600);
  window.dir = ini.ReadString(kSection, kDir, std::string());
  return window;
}

void SettingsStore::Write(const SavedWindow& window) const {
  platform::IniFile ini(IniPath());
  ini.WriteInteger(kSection, kTop, window.bounds.top);
  ini.WriteInteger(kSection, kLeft, window.bounds.left);
  ini.WriteInteger(kSection, kHeight, window.bounds.height);
  ini.WriteInteger(kSection, kWidth, window.bounds.width);
  ini.WriteString(kSection, kDir, window.dir);
}

bool SettingsStore::LoadHistory(std::vector<std::string>& lines) const {
  return platform::LoadLines(HistoryPath(), lines);
}

void SettingsStore::SaveHistory(const std::vector<std::string>& lines) const {
  platform::SaveLines(HistoryPath(), lines);
}

WindowBounds MendOffScreen(const WindowBounds& bounds) {
  std::vector<ScreenRect> work_areas;
  EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&work_areas));
  if (work_areas.empty()) return bounds;  // nothing to measure against
  for (const ScreenRect& area : work_areas) {
    if (Overlaps(bounds, area)) return bounds;
  }
  RECT frame = {bounds.left, bounds.top,
                Clamped(static_cast<std::int64_t>(bounds.left) + std::max(bounds.width, 1)),
                Clamped(static_cast<std::int64_t>(bounds.top) + std::max(bounds.height, 1))};
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoA(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &info)) return bounds;
  return MovedInto(bounds, FromRect(info.rcWork));
}

}  // namespace settings
