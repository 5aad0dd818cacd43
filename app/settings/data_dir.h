// The tool's data folder: "Zuzira" beside the user's recent-documents folder,
// made when missing. Windows only.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace settings {

// Where the folders come from; tests put their own in.
struct FolderSource {
  // The user's recent-documents folder; nullopt when it cannot be named.
  std::function<std::optional<std::string>()> recent;
  // Used when `recent` fails: the folder the data folder goes directly into.
  std::function<std::optional<std::string>()> fallback_parent;
};

// The shell's recent-documents folder (SHGetSpecialFolderLocation with
// CSIDL_RECENT, then SHGetPathFromIDListA); as fallback the user's
// application-data folder (CSIDL_APPDATA), and failing that the folder of
// the executable.
FolderSource ShellFolders();

// Works out the data folder (ending with a backslash) and creates its last
// level when no folder of that name exists. Never fails: a folder that
// cannot be made is left for the first write into it to report.
std::string PrepareDataDir(const FolderSource& source = ShellFolders());

}  // namespace settings
