// The modal folder-selection dialog, behind a replaceable function.
// Windows only.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace platform {

struct FolderDialogRequest {
  HWND owner = nullptr;
  std::wstring caption;
  std::string start_folder;  // absolute, ANSI bytes; empty: the current folder
};

// Answers the chosen folder (absolute, ANSI bytes; "X:\" for a drive's root)
// or nothing when the user cancelled.
using FolderDialogFunction = std::function<std::optional<std::string>(const FolderDialogRequest&)>;

// Runs the dialog captioned "ディレクトリの選択", started at the folder that
// `directory` names (made absolute against the current folder). On OK stores
// the chosen folder in `directory` and answers true; on cancel leaves it.
// The user can neither type a folder name nor create a folder, and there is
// no help button. Raises EInOutError when `directory` names a drive that
// cannot be entered.
bool SelectDirectory(std::string& directory);
// An empty function puts the system's own dialog back.
void SetFolderDialogForTesting(FolderDialogFunction function);

}  // namespace platform
