// Text-file output: write text, end lines with CR LF, close; every failure
// raises EInOutError with the operating system's error code.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/raw_file.h"

namespace platform {

class TextFile {
 public:
  explicit TextFile(std::unique_ptr<RawFile> file);
  TextFile(TextFile&&) = default;
  TextFile& operator=(TextFile&&) = delete;
  ~TextFile();

  void Write(std::string_view text);
  void WriteLine(std::string_view text);
  void Close();

 private:
  void Flush();

  std::unique_ptr<RawFile> file_;
  std::string buffer_;
};

}  // namespace platform
