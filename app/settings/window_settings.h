// What the main window remembers between runs: its frame, the folder text
// and the folder history. Windows only.
//
// Use at window creation:
//   std::string data_dir = settings::PrepareDataDir();        // once per process
//   settings::SettingsStore store(data_dir, exe_path);
//   settings::SavedWindow saved = store.Read();
//   settings::WindowBounds bounds = settings::MendOffScreen(saved.bounds);
//   ...apply bounds and saved.dir; then
//   std::vector<std::string> lines;
//   if (store.LoadHistory(lines)) { ...empty the list, add each line... }
// and at close (a throw from Write abandons the close, nothing more saved):
//   settings::SettingsStore store(data_dir, exe_path);
//   store.Write({bounds, dir});
//   try { store.SaveHistory(lines); } catch (const std::exception&) {}
#pragma once

#include <string>
#include <vector>

#include "app/settings/window_bounds.h"

namespace settings {

struct SavedWindow {
  WindowBounds bounds;
  std::string dir;
};

// The settings file and the folder history file, named after the executable
// (X.exe keeps X.ini and X.dl) and lying directly in the data folder. The
// names are worked out afresh on every call.
class SettingsStore {
 public:
  SettingsStore(std::string data_dir, std::string exe_path);

  std::string IniPath() const;
  std::string HistoryPath() const;

  // Section MySystem: top, left, Height, Width (defaults 0, 0, 400, 600,
  // also for a value that is not an integer) and Dir (default empty, at
  // most 2047 bytes). Only reads; the file is never created here.
  SavedWindow Read() const;

  // Writes top, left, Height, Width, then Dir, in that order. A refused
  // write raises platform::Exception "<ini path> に書き込めません" and the
  // keys after it are not written.
  void Write(const SavedWindow& window) const;

  // Replaces `lines` with the history file's lines; false, with `lines`
  // untouched, when the file cannot be opened or read.
  bool LoadHistory(std::vector<std::string>& lines) const;

  // Rewrites the history file, every line followed by CR LF. Raises
  // platform::EInOutError on failure; the caller is expected to ignore it.
  void SaveHistory(const std::vector<std::string>& lines) const;

 private:
  std::string data_dir_;
  std::string exe_path_;
};

// A frame wholly outside the work area of every monitor moves, keeping its
// size, into the work area of the nearest monitor; any other frame comes
// back unchanged.
WindowBounds MendOffScreen(const WindowBounds& bounds);

}  // namespace settings
