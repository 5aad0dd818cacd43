#include <windows.h>
#include <shlobj.h>

#include <memory>

#include "app/settings/data_dir.h"
#include "app/settings/settings_paths.h"
#include "platform/ansi_text.h"
#include "platform/in_out_error.h"

namespace settings {

namespace {

struct PidlFree {
  void operator()(ITEMIDLIST* pidl) const { CoTaskMemFree(pidl); }
};
using OwnedPidl = std::unique_ptr<ITEMIDLIST, PidlFree>;

std::optional<std::string> ShellRecentFolder() {
  ITEMIDLIST* raw = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(GetDesktopWindow(), CSIDL_RECENT, &raw)) || raw == nullptr) {
    return std::nullopt;
  }
  OwnedPidl pidl(raw);
  char path[MAX_PATH] = {};
  if (!SHGetPathFromIDListA(pidl.get(), path) || path[0] == '\0') return std::nullopt;
  return std::string(path);
}

std::optional<std::string> FallbackParent() {
  char path[MAX_PATH] = {};
  if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)) && path[0] != '\0') {
    return std::string(path);
  }
  try {
    return ParentFolder(platform::ExecutablePath(), platform::IsAnsiLeadByte);
  } catch (const platform::EInOutError&) {
    return std::nullopt;
  }
}

bool IsFolder(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

FolderSource ShellFolders() { return FolderSource{ShellRecentFolder, FallbackParent}; }

std::string PrepareDataDir(const FolderSource& source) {
  std::string data_dir;
  try {
    std::optional<std::string> recent = source.recent ? source.recent() : std::nullopt;
    if (recent) {
      data_dir = DataDirBeside(*recent, platform::IsAnsiLeadByte);
    } else {
      std::optional<std::string> parent = source.fallback_parent ? source.fallback_parent() : std::nullopt;
      data_dir = DataDirUnder(parent.value_or(std::string()));
    }
    if (!IsFolder(data_dir)) CreateDirectoryA(data_dir.c_str(), nullptr);
  } catch (...) {
    // Nothing here may stop the window from opening; a missing folder shows
    // up as a refused settings write at close.
  }
  // A failed creation must not linger as the thread's last error.
  SetLastError(ERROR_SUCCESS);
  return data_dir;
}

}  // namespace settings
