#include "platform/ansi_text.h"

namespace platform {

// Natively names are bytes without a code page of ours: only ASCII letters
// have a case to change.
std::string UpperAnsi(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

}  // namespace platform
