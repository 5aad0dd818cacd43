#include "platform/posix/windows_error_code.h"

#include <cerrno>

namespace platform {

unsigned long WindowsErrorCode(int posix_error) {
  switch (posix_error) {
    case ENOENT: return 3;  // the folder of the file is missing
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return 5;
    case EMFILE:
    case ENFILE: return 4;
    case ENOSPC: return 112;
    case ENAMETOOLONG: return 206;
    default: return 1000 + static_cast<unsigned long>(posix_error);
  }
}

}  // namespace platform
