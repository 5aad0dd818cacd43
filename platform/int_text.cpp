#include "platform/int_text.h"

namespace platform {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::int32_t> ParseHex(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint32_t value = 0;
  int significant = 0;
  for (char c : digits) {
    int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    if (significant == 0 && digit == 0) continue;  // leading zeros do not count
    if (++significant > 8) return std::nullopt;
    value = (value << 4) | static_cast<std::uint32_t>(digit);
  }
  // The 32 bits are the value's two's-complement form.
  return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  // Accumulated as a magnitude that stops growing past the int32 range, so a
  // long run of digits cannot overflow.
  constexpr std::int64_t kLimit = 2147483648LL;
  std::int64_t magnitude = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > kLimit) return std::nullopt;
  }
  if (!negative && magnitude == kLimit) return std::nullopt;
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  if (text[0] == '$' || text[0] == 'x' || text[0] == 'X') return ParseHex(text.substr(1));
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) return ParseHex(text.substr(2));
  return ParseDecimal(text);
}

std::int32_t IntegerOr(std::string_view text, std::int32_t fallback) {
  return ParseInteger(text).value_or(fallback);
}

std::string IntegerText(std::int32_t value) { return std::to_string(value); }

}  // namespace platform
