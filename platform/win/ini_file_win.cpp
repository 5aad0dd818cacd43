#include <windows.h>

#include <vector>

#include "platform/in_out_error.h"
#include "platform/ini_file.h"
#include "platform/int_text.h"
#include "platform/win/wide_text.h"

namespace platform {

namespace {

// What one read brings back at most, terminating zero included.
constexpr DWORD kReadBufferSize = 2048;

}  // namespace

std::string CannotWriteMessage(const std::string& ansi_path) {
  // The path is bytes of the system's ANSI code page; our messages are UTF-8.
  return FromWide(ToWide(ansi_path, CP_ACP) + L" に書き込めません", CP_UTF8);
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
