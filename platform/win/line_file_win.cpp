#include <windows.h>

#include "platform/in_out_error.h"
#include "platform/line_file.h"

namespace platform {

namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (valid()) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  // Closing is where buffered data can still fail to reach the disk.
  bool Close() {
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return CloseHandle(handle) != FALSE;
  }

 private:
  HANDLE handle_;
};

}  // namespace

bool LoadLines(const std::string& path, std::vector<std::string>& lines) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return false;
  std::string text(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < text.size()) {
    DWORD got = 0;
    if (!ReadFile(file.get(), &text[done], static_cast<DWORD>(text.size() - done), &got, nullptr)) return false;
    if (got == 0) break;  // the file shrank under us: keep what is there
    done += got;
  }
  text.resize(done);
  lines = SplitLines(text);
  return true;
}

void SaveLines(const std::string& path, const std::vector<std::string>& lines) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) throw EInOutError(GetLastError());
  const std::string text = JoinLines(lines);
  std::size_t done = 0;
  while (done < text.size()) {
    DWORD written = 0;
    if (!WriteFile(file.get(), text.data() + done, static_cast<DWORD>(text.size() - done), &written, nullptr)) {
      throw EInOutError(GetLastError());
    }
    if (written == 0) throw EInOutError(ERROR_DISK_FULL);
    done += written;
  }
  if (!file.Close()) throw EInOutError(GetLastError());
}

}  // namespace platform
