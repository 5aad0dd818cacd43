#include <windows.h>

#include <vector>

#include "platform/in_out_error.h"
#include "platform/ini_file.h"
#include "platform/int_text.h"

namespace platform {

namespace {

// What one read brings back at most, terminating zero included.
constexpr DWORD kReadBufferSize = 2048;

std::wstring AnsiToWide(const std::string& ansi) {
  if (ansi.empty()) return std::wstring();
  // The path is bytes of the system's ANSI code page, so CP_ACP is meant.
  int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), length);
  return wide;
}

std::string WideToUtf8(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length, nullptr, nullptr);
  return utf8;
}

}  // namespace

std::string CannotWriteMessage(const std::string& ansi_path) {
  return WideToUtf8(AnsiToWide(ansi_path) + L" に書き込めません");
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
  std::vector<char> buffer(kReadBufferSize, '\0');
  DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                                          kReadBufferSize, path_.c_str());
  if (length >= kReadBufferSize) length = kReadBufferSize - 1;
  return std::string(buffer.data(), length);
}

std::int32_t IniFile::ReadInteger(const std::string& section, const std::string& key, std::int32_t fallback) const {
  return IntegerOr(ReadString(section, key, std::string()), fallback);
}

void IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) const {
  if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str())) {
    throw Exception(CannotWriteMessage(path_));
  }
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, std::int32_t value) const {
  WriteString(section, key, IntegerText(value));
}

}  // namespace platform
