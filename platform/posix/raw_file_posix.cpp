#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/windows_error_code.h"
#include "platform/raw_file.h"

namespace platform {
namespace {

class PosixRawFile final : public RawFile {
 public:
  explicit PosixRawFile(int fd) : fd_(fd) {}
  ~PosixRawFile() override {
    if (fd_ >= 0) ::close(fd_);
  }
  PosixRawFile(const PosixRawFile&) = delete;
  PosixRawFile& operator=(const PosixRawFile&) = delete;

  unsigned long Write(const char* data, std::size_t size) override {
    while (size > 0) {
      ssize_t written = ::write(fd_, data, size);
      if (written < 0) {
        if (errno == EINTR) continue;
        return WindowsErrorCode(errno);
      }
      if (written == 0) return WindowsErrorCode(ENOSPC);
      data += written;
      size -= static_cast<std::size_t>(written);
    }
    return 0;
  }

  unsigned long Close() override {
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0 ? 0 : WindowsErrorCode(errno);
  }

 private:
  int fd_;
};

}  // namespace

std::unique_ptr<RawFile> CreateRawFile(const std::string& path, unsigned long& error) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    error = WindowsErrorCode(errno);
    return nullptr;
  }
  error = 0;
  return std::make_unique<PosixRawFile>(fd);
}

}  // namespace platform
