#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <utility>

#include "platform/folder_dialog.h"
#include "platform/in_out_error.h"

namespace platform {

namespace {

FolderDialogFunction& Replacement() {
  static FolderDialogFunction function;
  return function;
}

std::string CurrentFolder() {
  std::string path(MAX_PATH, '\0');
  DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(path.size()), path.data());
  if (length >= path.size()) {
    path.resize(length);
    length = GetCurrentDirectoryA(static_cast<DWORD>(path.size()), path.data());
  }
  path.resize(length < path.size() ? length : 0);
  return path;
}

// Paths here are in the ANSI code page, as everywhere in the program.
std::string FullPath(const std::string& path) {
  std::string full(MAX_PATH, '\0');
  DWORD length = GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (length >= full.size()) {
    full.resize(length);
    length = GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  }
  if (length == 0 || length >= full.size()) return std::string();
  full.resize(length);
  return full;
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Where the dialog starts: the folder `directory` names, made absolute; when
// that cannot be entered, the current folder of its drive; without a drive
// letter, the process's current folder.
std::string StartFolder(const std::string& directory) {
  if (directory.empty()) return CurrentFolder();
  const std::string full = FullPath(directory);
  if (full.size() < 2 || !IsDriveLetter(full[0]) || full[1] != ':') return CurrentFolder();
  const std::string drive = full.substr(0, 2);
  if (GetFileAttributesA((drive + "\\").c_str()) == INVALID_FILE_ATTRIBUTES) {
    throw EInOutError(GetLastError());
  }
  if (IsFolder(full)) return full;
  return FullPath(drive);
}

struct DialogState {
  const FolderDialogRequest* request;
};

int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM, LPARAM data) {
  if (message != BFFM_INITIALIZED) return 0;
  const auto* state = reinterpret_cast<const DialogState*>(data);
  SetWindowTextW(dialog, state->request->caption.c_str());
  RECT bounds{};
  GetWindowRect(dialog, &bounds);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  SetWindowPos(dialog, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  if (!state->request->start_folder.empty()) {
    SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(state->request->start_folder.c_str()));
  }
  return 0;
}

class ComScope {
 public:
  ComScope() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (initialized_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool initialized_;
};

std::optional<std::string> RunBrowseDialog(const FolderDialogRequest& request) {
  ComScope com;
  DialogState state{&request};
  BROWSEINFOW info{};
  info.hwndOwner = request.owner;
  info.lpszTitle = request.caption.c_str();
  // The classic tree: no edit box to type a name into, no new-folder button.
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(&state);
  PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info);
  if (!item) return std::nullopt;
  // The A call gives the path in the ANSI code page, as the program keeps it.
  char path[MAX_PATH] = {};
  const BOOL ok = SHGetPathFromIDListA(item, path);
  CoTaskMemFree(item);
  if (!ok) return std::nullopt;
  return std::string(path);
}

}  // namespace

bool SelectDirectory(std::string& directory) {
  FolderDialogRequest request;
  request.owner = GetActiveWindow();
  request.caption = L"ディレクトリの選択";
  request.start_folder = StartFolder(directory);
  std::optional<std::string> chosen = Replacement() ? Replacement()(request) : RunBrowseDialog(request);
  if (!chosen) return false;
  directory = std::move(*chosen);
  return true;
}

void SetFolderDialogForTesting(FolderDialogFunction function) { Replacement() = std::move(function); }

}  // namespace platform
