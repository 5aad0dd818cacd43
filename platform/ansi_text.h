// Text in the system's ANSI code page.
#pragma once

#include <string>

namespace platform {

// Upper-cases with the system's rules for its ANSI code page.
std::string UpperAnsi(std::string text);

// True for a byte that starts a double-byte character. Path rules take one,
// so the second byte of such a character is never taken for "\", ":" or ".".
using LeadBytePredicate = bool (*)(unsigned char byte);

// The lead bytes of code page 932 (Shift-JIS): 0x81-0x9F and 0xE0-0xFC.
bool IsCp932LeadByte(unsigned char byte);

#ifdef _WIN32
// The lead bytes of the system's ANSI code page (IsDBCSLeadByte).
bool IsAnsiLeadByte(unsigned char byte);

// Full path of the running executable (GetModuleFileNameA), of any length.
// Raises EInOutError when the system cannot name it.
std::string ExecutablePath();
#endif

// The folder separator of the system's paths.
#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

}  // namespace platform
