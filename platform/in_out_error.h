// The platform's input/output error: the operating system's error code of the
// failed call and a Japanese message chosen by that code.
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// Messages of our exceptions are UTF-8, so they read right whatever the
// system's ANSI code page; the window layer turns them into UTF-16 to show.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& utf8_message) : std::runtime_error(utf8_message) {}
  std::string Message() const { return what(); }
};

class EInOutError : public Exception {
 public:
  explicit EInOutError(unsigned long error_code);
  unsigned long ErrorCode() const { return error_code_; }

 private:
  unsigned long error_code_;
};

// The message for an operating-system error code, in UTF-8.
std::string InOutErrorMessage(unsigned long error_code);

}  // namespace platform
