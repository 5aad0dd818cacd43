// Conversions between the window layer's byte strings and UTF-16.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

// `code_page` is always named by the caller: CP_UTF8 for our own messages,
// CP_ACP only for text that really is in the system's ANSI code page.
inline std::wstring ToWide(const std::string& text, UINT code_page) {
  if (text.empty()) return std::wstring();
  int length = MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

}  // namespace platform
