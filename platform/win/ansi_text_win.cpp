#include <windows.h>

#include "platform/ansi_text.h"

namespace platform {

std::string UpperAnsi(std::string text) {
  if (!text.empty()) CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

}  // namespace platform
