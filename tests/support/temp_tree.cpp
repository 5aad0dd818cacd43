#include "tests/support/temp_tree.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/ansi_text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace test_support {

std::string Join(const std::string& folder, const std::string& name) {
  return folder + platform::kPathSeparator + name;
}

namespace {
[[noreturn]] void Fail(const std::string& what, const std::string& path) {
  throw std::runtime_error("test fixture: " + what + " failed for " + path);
}
}  // namespace

#ifdef _WIN32

void MakeFolder(const std::string& path) {
  if (!CreateDirectoryA(path.c_str(), nullptr)) Fail("CreateDirectoryA", path);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) Fail("CreateFileA", path);
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  if (!ok || written != bytes.size()) Fail("WriteFile", path);
}

std::optional<std::string> ReadBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void SetReadOnly(const std::string& path, bool read_only) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) Fail("GetFileAttributesA", path);
  attributes = read_only ? (attributes | FILE_ATTRIBUTE_READONLY) : (attributes & ~FILE_ATTRIBUTE_READONLY);
  if (!SetFileAttributesA(path.c_str(), attributes)) Fail("SetFileAttributesA", path);
}

void SetHiddenAndSystem(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (!SetFileAttributesA(path.c_str(), attributes | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) {
    Fail("SetFileAttributesA", path);
  }
}

void RemoveTree(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL | (attributes & FILE_ATTRIBUTE_DIRECTORY));
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    DeleteFileA(path.c_str());
    return;
  }
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &data);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = data.cFileName;
      if (name != "." && name != "..") RemoveTree(path + "\\" + name);
    } while (FindNextFileA(search, &data));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

TempFolder::TempFolder() {
  char base[MAX_PATH + 1];
  DWORD length = GetTempPathA(sizeof base, base);
  if (length == 0 || length > MAX_PATH) Fail("GetTempPathA", "");
  static unsigned counter = 0;
  for (;;) {
    path_ = std::string(base) + "dz" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter);
    if (CreateDirectoryA(path_.c_str(), nullptr)) return;
    if (GetLastError() != ERROR_ALREADY_EXISTS) Fail("CreateDirectoryA", path_);
  }
}

#else

void MakeFolder(const std::string& path) {
  if (mkdir(path.c_str(), 0777) != 0) Fail("mkdir", path);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out.flush()) Fail("write", path);
}

std::optional<std::string> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool Exists(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0;
}

void SetReadOnly(const std::string& path, bool read_only) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) Fail("stat", path);
  mode_t mode = read_only ? (info.st_mode & ~mode_t(0222)) : (info.st_mode | 0200);
  if (chmod(path.c_str(), mode) != 0) Fail("chmod", path);
}

// Natively there are no such attributes; a dot-name is as hidden as it gets.
void SetHiddenAndSystem(const std::string&) {}

void RemoveTree(const std::string& path) {
  struct stat info;
  if (lstat(path.c_str(), &info) != 0) return;
  if (S_ISDIR(info.st_mode)) {
    chmod(path.c_str(), 0777);
    if (DIR* dir = opendir(path.c_str())) {
      while (const dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") RemoveTree(path + "/" + name);
      }
      closedir(dir);
    }
    rmdir(path.c_str());
  } else {
    unlink(path.c_str());
  }
}

TempFolder::TempFolder() {
  const char* base = getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/dazovar-test-XXXXXX";
  if (!mkdtemp(pattern.data())) Fail("mkdtemp", pattern);
  path_ = pattern;
}

#endif

TempFolder::~TempFolder() { RemoveTree(path_); }

bool ReadOnlyIsEnforced() {
  TempFolder folder;
  std::string probe = folder / "probe.txt";
  WriteBytes(probe, "x");
  SetReadOnly(probe, true);
  bool refused = false;
#ifdef _WIN32
  HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  refused = file == INVALID_HANDLE_VALUE;
  if (!refused) CloseHandle(file);
#else
  std::FILE* file = std::fopen(probe.c_str(), "wb");
  refused = file == nullptr;
  if (file) std::fclose(file);
#endif
  SetReadOnly(probe, false);
  return refused;
}

}  // namespace test_support
