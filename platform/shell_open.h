// Asking the Windows shell to open a document, behind a replaceable function.
// Windows only.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace platform {

struct ShellOpenRequest {
  HWND owner = nullptr;
  std::string verb;  // ANSI bytes
  std::string file;  // ANSI bytes
  int show_command = SW_SHOWNORMAL;
};

using ShellOpenFunction = std::function<void(const ShellOpenRequest&)>;

// ShellExecuteA(owner, verb, file, no parameters, no working folder, show
// command) unless replaced. Its result is not reported: the shell shows its
// own messages.
void ShellOpen(const ShellOpenRequest& request);
// An empty function puts the system's own back.
void SetShellOpenForTesting(ShellOpenFunction function);

}  // namespace platform
