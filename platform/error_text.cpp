#include "platform/error_text.h"

#include <cstddef>

namespace platform {

std::string ErrorReportText(const std::string& utf8_message) {
  if (utf8_message.empty()) return utf8_message;
  std::size_t last = utf8_message.size() - 1;
  // Step back over UTF-8 continuation bytes (10xxxxxx) to the lead byte.
  while (last > 0 && (static_cast<unsigned char>(utf8_message[last]) & 0xC0) == 0x80) --last;
  const std::string last_char = utf8_message.substr(last);
  // Byte-wise unsigned comparison, as std::string::compare does it.
  if (last_char.compare(".") > 0) return utf8_message + ".";
  return utf8_message;
}

}  // namespace platform
