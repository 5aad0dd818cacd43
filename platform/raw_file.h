// The smallest file the text-file output needs: bytes in, one close.
// Every call answers 0 on success or the operating system's error code, so the
// text file can raise EInOutError with it; tests put a faulty one in its place.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace platform {

class RawFile {
 public:
  virtual ~RawFile() = default;
  virtual unsigned long Write(const char* data, std::size_t size) = 0;
  // Called once; the destructor of an implementation releases the handle
  // without a report when Close was never reached.
  virtual unsigned long Close() = 0;
};

// Opens `path` for writing, creating it or emptying an existing file.
// On failure returns null and sets `error` to the operating system's code.
std::unique_ptr<RawFile> CreateRawFile(const std::string& path, unsigned long& error);

}  // namespace platform
