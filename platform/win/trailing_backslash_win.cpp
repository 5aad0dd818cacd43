#include <windows.h>

#include "platform/trailing_backslash.h"

namespace platform {

std::string DropTrailingBackslashAnsi(std::string text) {
  return DropTrailingBackslash(std::move(text), IsAnsiLeadByte);
}

}  // namespace platform
