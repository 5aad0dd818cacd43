#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/windows_error_code.h"
#include "platform/in_out_error.h"
#include "platform/line_file.h"

namespace platform {

namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

}  // namespace

bool LoadLines(const std::string& path, std::vector<std::string>& lines) {
  Fd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) return false;
  std::string text;
  char buffer[65536];
  for (;;) {
    ssize_t got = ::read(file.get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;  // a folder of that name ends up here (EISDIR)
    }
    if (got == 0) break;
    text.append(buffer, static_cast<std::size_t>(got));
  }
  lines = SplitLines(text);
  return true;
}

void SaveLines(const std::string& path, const std::vector<std::string>& lines) {
  Fd file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (file.get() < 0) throw EInOutError(WindowsErrorCode(errno));
  const std::string text = JoinLines(lines);
  std::size_t done = 0;
  while (done < text.size()) {
    ssize_t written = ::write(file.get(), text.data() + done, text.size() - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      throw EInOutError(WindowsErrorCode(errno));
    }
    if (written == 0) throw EInOutError(WindowsErrorCode(ENOSPC));
    done += static_cast<std::size_t>(written);
  }
  if (!file.Close()) throw EInOutError(WindowsErrorCode(errno));
}

}  // namespace platform
