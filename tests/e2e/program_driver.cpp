#include "tests/e2e/program_driver.h"

#include <shlobj.h>

#include <cstdlib>
#include <cstring>

namespace e2e {

namespace {

constexpr DWORD kStartTimeoutMs = 15000;
constexpr DWORD kMessageTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 15000;

std::string ModuleFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\'));
}

struct FindState {
  DWORD process_id;
  const wchar_t* window_class;
  HWND found;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM data) {
  auto* state = reinterpret_cast<FindState*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != state->process_id) return TRUE;
  wchar_t window_class[64] = {};
  GetClassNameW(window, window_class, 64);
  if (std::wcscmp(window_class, state->window_class) != 0) return TRUE;
  state->found = window;
  return FALSE;
}

HWND FindWindowOf(DWORD process_id, const wchar_t* window_class) {
  FindState state{process_id, window_class, nullptr};
  EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&state));
  return state.found;
}

// The program's texts are paths in the system's ANSI code page.
std::string Ansi(const wchar_t* text) {
  const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return std::string();
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, bytes.data(), length, nullptr, nullptr);
  bytes.resize(static_cast<std::size_t>(length - 1));
  return bytes;
}

std::wstring Wide(const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 1) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  wide.resize(static_cast<std::size_t>(length - 1));
  return wide;
}

}  // namespace

std::string ProgramPath() {
  const char* from_environment = std::getenv("DAZOVAR_EXE");
  if (from_environment && *from_environment) return from_environment;
  return ModuleFolder() + "\\..\\..\\app\\DazovAR.exe";
}

std::string OutputFolder() {
  const std::string folder = ModuleFolder() + "\\output";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

std::string DataFolder() {
  // As the program finds it: beside the user's recent-documents folder.
  char recent[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathA(nullptr, recent, CSIDL_RECENT, FALSE)) return std::string();
  std::string parent(recent);
  parent = parent.substr(0, parent.find_last_of('\\'));
  return parent + "\\Zuzira\\";
}

// ---- the window

std::wstring ProgramWindow::Caption() const {
  wchar_t text[256] = {};
  SendMessageTimeoutW(window_, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                      nullptr);
  return text;
}

RECT ProgramWindow::Bounds() const {
  RECT bounds{};
  GetWindowRect(window_, &bounds);
  return bounds;
}

HWND ProgramWindow::Child(const wchar_t* window_class, const wchar_t* caption) const {
  return FindWindowExW(window_, nullptr, window_class, caption);
}

// Text is read as UTF-16 and turned into the ANSI code page here: asked with
// the A messages across processes, Wine hands back UTF-16 bytes.
std::string ProgramWindow::DirText() const {
  const HWND edit = Child(L"Edit", nullptr);
  DWORD_PTR length = 0;
  SendMessageTimeoutW(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &length);
  std::wstring text(length + 1, L'\0');
  SendMessageTimeoutW(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                      kMessageTimeoutMs, nullptr);
  return Ansi(text.c_str());
}

void ProgramWindow::SetDirText(const std::string& text) {
  const std::wstring wide = Wide(text);
  SendMessageTimeoutW(Child(L"Edit", nullptr), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()),
                      SMTO_ABORTIFHUNG, kMessageTimeoutMs, nullptr);
}

bool ProgramWindow::Press(const std::wstring& caption) {
  const HWND button = Child(L"Button", caption.c_str());
  if (!button) return false;
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &result) != 0;
}

bool ProgramWindow::PressAsync(const std::wstring& caption) {
  const HWND button = Child(L"Button", caption.c_str());
  return button && PostMessageW(button, BM_CLICK, 0, 0);
}

std::vector<std::string> ProgramWindow::ListItems() const {
  const HWND list = Child(L"ListBox", nullptr);
  std::vector<std::string> items;
  DWORD_PTR count = 0;
  if (!SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &count)) return items;
  for (DWORD_PTR i = 0; i < count; ++i) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(list, LB_GETTEXTLEN, i, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &length);
    std::wstring text(length + 1, L'\0');
    SendMessageTimeoutW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        kMessageTimeoutMs, nullptr);
    items.push_back(Ansi(text.c_str()));
  }
  return items;
}

// ---- the process

Program::Program(const std::string& exe, const std::string& name) : exe_(exe), name_(name) {
  char base[MAX_PATH + 1] = {};
  GetTempPathA(sizeof base, base);
  folder_ = std::string(base) + "dze2e" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder_.c_str(), nullptr);
  copy_ = folder_ + "\\" + name_ + ".exe";
}

Program::~Program() {
  if (process_.hProcess) {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 1);
      WaitForSingleObject(process_.hProcess, kExitTimeoutMs);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
  DeleteFileA(copy_.c_str());
  RemoveDirectoryA(folder_.c_str());
  DeleteFileA(SettingsFile().c_str());
  DeleteFileA(HistoryFile().c_str());
}

std::string Program::SettingsFile() const { return DataFolder() + name_ + ".ini"; }
std::string Program::HistoryFile() const { return DataFolder() + name_ + ".dl"; }

namespace {
// Without a window manager on the X screen nobody draws frames; Wine draws
// them itself for a program not left to one. Only the copy's name is set.
void LetWineDrawTheFrame(const std::string& name) {
  const std::wstring key = L"Software\\Wine\\AppDefaults\\" + Wide(name) + L".exe\\X11 Driver";
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  const wchar_t value[] = L"N";
  RegSetValueExW(handle, L"Decorated", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value);
  RegCloseKey(handle);
}
}  // namespace

bool Program::Start() {
  if (process_.hProcess) {
    // A start after Close: the same copy finds what the last run saved.
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = PROCESS_INFORMATION{};
    exit_code_ = STILL_ACTIVE;
    return Launch();
  }
  LetWineDrawTheFrame(name_);
  DeleteFileA(SettingsFile().c_str());
  DeleteFileA(HistoryFile().c_str());
  if (!CopyFileA(exe_.c_str(), copy_.c_str(), FALSE)) {
    failure_ = "cannot copy " + exe_ + " (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  return Launch();
}

bool Program::Launch() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string command = "\"" + copy_ + "\"";
  if (!CreateProcessA(copy_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(), &startup,
                      &process_)) {
    failure_ = "cannot start " + copy_ + " (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  WaitForInputIdle(process_.hProcess, kStartTimeoutMs);
  for (DWORD waited = 0; waited < kStartTimeoutMs; waited += 50) {
    const HWND window = FindWindowOf(process_.dwProcessId, L"TForm1");
    if (window && IsWindowVisible(window)) {
      window_.Attach(window);
      return true;
    }
    if (WaitForSingleObject(process_.hProcess, 50) == WAIT_OBJECT_0) {
      failure_ = "the program ended before its window showed";
      return false;
    }
  }
  failure_ = "no main window within the time";
  return false;
}

bool Program::Close() {
  PostMessageW(window_.Handle(), WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.hProcess, kExitTimeoutMs) != WAIT_OBJECT_0) {
    failure_ = ShowsMessageBox() ? "a message box kept the program open" : "the program did not end";
    return false;
  }
  GetExitCodeProcess(process_.hProcess, &exit_code_);
  return true;
}

bool Program::ShowsMessageBox() const {
  const HWND box = FindWindowOf(process_.dwProcessId, L"#32770");
  return box && IsWindowVisible(box);
}

HWND Program::WaitForDialog(DWORD timeout_ms) const {
  for (DWORD waited = 0; waited <= timeout_ms; waited += 50) {
    const HWND box = FindWindowOf(process_.dwProcessId, L"#32770");
    if (box && IsWindowVisible(box)) return box;
    Sleep(50);
  }
  return nullptr;
}

// ---- screenshots

void SaveScreenshot(HWND window, const std::string& png_path) {
  // The X screen is shot from outside Windows: Wine starts a Linux program
  // named by a path on its Z: drive, which maps the Linux root.
  const char* import_path = "Z:\\usr\\bin\\import";
  if (GetFileAttributesA(import_path) == INVALID_FILE_ATTRIBUTES) return;
  if (png_path.size() < 3 || (png_path[0] != 'Z' && png_path[0] != 'z') || png_path[1] != ':') return;
  std::string unix_path = png_path.substr(2);
  for (char& c : unix_path) {
    if (c == '\\') c = '/';
  }
  RECT bounds{};
  GetWindowRect(window, &bounds);
  // A margin round the window, so a frame drawn outside it shows too.
  const int margin = 8;
  const int left = bounds.left > margin ? bounds.left - margin : 0;
  const int top = bounds.top > margin ? bounds.top - margin : 0;
  const std::string crop = std::to_string(bounds.right - left + margin) + "x" +
                           std::to_string(bounds.bottom - top + margin) + "+" + std::to_string(left) + "+" +
                           std::to_string(top);
  std::string command = std::string(import_path) + " -window root -crop " + crop + " " + unix_path;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION shot{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &shot)) return;
  WaitForSingleObject(shot.hProcess, 20000);
  CloseHandle(shot.hProcess);
  CloseHandle(shot.hThread);
}

}  // namespace e2e
