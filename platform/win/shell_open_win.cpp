#include <windows.h>
#include <shellapi.h>

#include <utility>

#include "platform/shell_open.h"

namespace platform {

namespace {
ShellOpenFunction& Replacement() {
  static ShellOpenFunction function;
  return function;
}
}  // namespace

void ShellOpen(const ShellOpenRequest& request) {
  if (Replacement()) {
    Replacement()(request);
    return;
  }
  // The shell cannot open a path this long anyway, and some shells fall over
  // on one instead of failing; the request then fails as quietly as any.
  if (request.file.size() >= MAX_PATH) return;
  ShellExecuteA(request.owner, request.verb.c_str(), request.file.c_str(), nullptr, nullptr, request.show_command);
}

void SetShellOpenForTesting(ShellOpenFunction function) { Replacement() = std::move(function); }

}  // namespace platform
