// Starting DazovAR.exe, finding its window and its controls, and driving them
// with window messages from another process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The program under test: DAZOVAR_EXE (a Windows path) when set, else the
// build's own beside this driver.
std::string ProgramPath();
// Where the test leaves what a person may want to look at.
std::string OutputFolder();
// The data folder the program keeps its files in, ending with "\".
std::string DataFolder();

class ProgramWindow {
 public:
  HWND Handle() const { return window_; }
  void Attach(HWND window) { window_ = window; }

  std::wstring Caption() const;
  RECT Bounds() const;
  std::string DirText() const;
  void SetDirText(const std::string& text);
  // Presses the button with this caption; false when it did not return in
  // time (a message box waiting, or the program hung).
  bool Press(const std::wstring& caption);
  std::vector<std::string> ListItems() const;
  // Presses the button without waiting for its handler, for one that opens
  // a modal dialog.
  bool PressAsync(const std::wstring& caption);

 private:
  HWND Child(const wchar_t* window_class, const wchar_t* caption) const;

  HWND window_ = nullptr;
};

class Program {
 public:
  // Runs a copy of `exe` named `name`.exe in a temporary folder, so its
  // settings and history files are its own.
  Program(const std::string& exe, const std::string& name);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Starts the copy and waits for its main window. The first start begins
  // without settings or history; a start after Close keeps what it saved.
  bool Start();
  // Asks the window to close (WM_CLOSE) and waits for the process to end.
  bool Close();
  DWORD ExitCode() const { return exit_code_; }
  bool ShowsMessageBox() const;
  // The program's visible dialog window (class #32770), waiting for it up
  // to `timeout_ms`; null when none came.
  HWND WaitForDialog(DWORD timeout_ms) const;
  const std::string& Failure() const { return failure_; }
  ProgramWindow& Window() { return window_; }
  // The copy's own settings and history files in the data folder.
  std::string SettingsFile() const;
  std::string HistoryFile() const;

 private:
  bool Launch();

  std::string exe_;
  std::string name_;
  std::string folder_;
  std::string copy_;
  PROCESS_INFORMATION process_{};
  DWORD exit_code_ = STILL_ACTIVE;
  std::string failure_;
  ProgramWindow window_;
};

// A PNG of the window's part of the screen, when ImageMagick is there.
void SaveScreenshot(HWND window, const std::string& png_path);

}  // namespace e2e
