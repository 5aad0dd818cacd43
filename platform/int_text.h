// Integers as text, the way the settings file holds them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Reads a 32-bit integer. Accepted: leading spaces (tabs are not spaces
// here), then either an optional sign and decimal digits in the int32 range
// (a leading 0 is still decimal), or one of the prefixes $, x, X, 0x, 0X with
// no sign and at most eight significant hex digits, whose 32 bits are taken
// as signed ($FFFFFFFF is -1). Nothing may follow the digits.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// ParseInteger, or `fallback` when the text is not an integer.
std::int32_t IntegerOr(std::string_view text, std::int32_t fallback);

// Plain decimal: a minus sign when negative, no plus sign, no leading zeros.
std::string IntegerText(std::int32_t value);

}  // namespace platform
