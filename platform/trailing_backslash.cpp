#include "platform/trailing_backslash.h"

#include <cstddef>

namespace platform {

std::string DropTrailingBackslash(std::string text, LeadBytePredicate is_lead_byte) {
  if (text.empty()) return text;
  std::size_t last = 0;
  for (std::size_t i = 0; i < text.size();) {
    last = i;
    // A lead byte at the very end has no second byte: it stands alone.
    i += (is_lead_byte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
  }
  if (last == text.size() - 1 && text[last] == '\\') text.pop_back();
  return text;
}

}  // namespace platform
