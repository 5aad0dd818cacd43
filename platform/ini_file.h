// An INI file read and written one key at a time through the system's
// private-profile functions, so the system settles blanks, quotes, letter
// case of names and line ends. Windows only.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace platform {

class IniFile {
 public:
  // `path` is the file's full path; a relative one would be looked for in
  // the Windows folder by the profile functions.
  explicit IniFile(std::string path) : path_(std::move(path)) {}

  const std::string& FileName() const { return path_; }

  // At most 2047 bytes of a value come back; a longer value is cut. The
  // fallback comes back when the file, the section or the key is missing.
  std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) const;
  // The value when it parses as an integer (see ParseInteger), else fallback.
  std::int32_t ReadInteger(const std::string& section, const std::string& key, std::int32_t fallback) const;

  // Replace the key's value where it stands, or add the section or key (a
  // new key goes to the end of its section). A refused write raises
  // Exception "<path> に書き込めません".
  void WriteString(const std::string& section, const std::string& key, const std::string& value) const;
  void WriteInteger(const std::string& section, const std::string& key, std::int32_t value) const;

 private:
  std::string path_;
};

// The message of a refused write, in UTF-8; the path is bytes of the
// system's ANSI code page.
std::string CannotWriteMessage(const std::string& ansi_path);

}  // namespace platform
