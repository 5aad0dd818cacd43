// Real folders for tests: a temporary folder removed at the end, and small
// helpers that create and read files with the platform's own calls (the ANSI
// ones under Windows, so names are bytes of the system's code page).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace test_support {

std::string Join(const std::string& folder, const std::string& name);

void MakeFolder(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
std::optional<std::string> ReadBytes(const std::string& path);
bool Exists(const std::string& path);
void SetReadOnly(const std::string& path, bool read_only);
void SetHiddenAndSystem(const std::string& path);
void RemoveTree(const std::string& path);

// True when the operating system refuses this process an overwrite of a
// read-only file. As root it does not (natively, and under Wine), so access
// tests probe first and skip; the test script runs them again as an
// unprivileged user.
bool ReadOnlyIsEnforced();

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return Join(path_, name); }

 private:
  std::string path_;
};

}  // namespace test_support
