#include <windows.h>

#include "platform/trailing_backslash.h"

namespace platform {

namespace {
bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }
}  // namespace

std::string DropTrailingBackslashAnsi(std::string text) {
  return DropTrailingBackslash(std::move(text), IsAnsiLeadByte);
}

}  // namespace platform
