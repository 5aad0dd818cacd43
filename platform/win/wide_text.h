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

inline std::string FromWide(const std::wstring& wide, UINT code_page) {
  if (wide.empty()) return std::string();
  int length = WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length, nullptr, nullptr);
  return text;
}

}  // namespace platform
