// Text in the system's ANSI code page.
#pragma once

#include <string>

namespace platform {

// Upper-cases with the system's rules for its ANSI code page.
std::string UpperAnsi(std::string text);

// The folder separator of the system's paths.
#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

}  // namespace platform
