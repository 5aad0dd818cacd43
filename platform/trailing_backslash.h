// Dropping one trailing backslash from a path in a double-byte code page,
// where the second byte of a character may have the value of "\".
#pragma once

#include <string>

#include "platform/ansi_text.h"

namespace platform {

// Removes the last character of `text` when that whole character is "\";
// at most one character goes. Characters are read from the start, so a
// trailing byte 0x5C that completes a double-byte character is kept.
std::string DropTrailingBackslash(std::string text, LeadBytePredicate is_lead_byte);

#ifdef _WIN32
// The same with the lead bytes of the system's ANSI code page.
std::string DropTrailingBackslashAnsi(std::string text);
#endif

}  // namespace platform
