#include <windows.h>

#include "platform/raw_file.h"

namespace platform {
namespace {

class WinRawFile final : public RawFile {
 public:
  explicit WinRawFile(HANDLE handle) : handle_(handle) {}
  ~WinRawFile() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  WinRawFile(const WinRawFile&) = delete;
  WinRawFile& operator=(const WinRawFile&) = delete;

  unsigned long Write(const char* data, std::size_t size) override {
    while (size > 0) {
      DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
      DWORD written = 0;
      if (!WriteFile(handle_, data, chunk, &written, nullptr)) return GetLastError();
      // A short write without an error is how some devices say "full".
      if (written == 0) return ERROR_DISK_FULL;
      data += written;
      size -= written;
    }
    return 0;
  }

  unsigned long Close() override {
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return CloseHandle(handle) ? 0 : GetLastError();
  }

 private:
  HANDLE handle_;
};

}  // namespace

std::unique_ptr<RawFile> CreateRawFile(const std::string& path, unsigned long& error) {
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    error = GetLastError();
    return nullptr;
  }
  error = 0;
  return std::make_unique<WinRawFile>(handle);
}

}  // namespace platform
