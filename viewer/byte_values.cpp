#include "viewer/byte_values.h"

#include <optional>
#include <string>

#include "viewer/view_error.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A leading 0 makes a C literal octal, so "010" is 8, as the compiler will
// see it.
std::optional<std::uint8_t> ByteValue(std::string_view token) {
  int base = 10;
  if (token.size() > 2 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X')) {
    base = 16;
    token.remove_prefix(2);
  } else if (token.size() > 1 && token[0] == '0') {
    base = 8;
    token.remove_prefix(1);
  }
  if (token.empty()) return std::nullopt;
  int value = 0;
  for (const char c : token) {
    const int digit = DigitValue(c);
    if (digit < 0 || digit >= base) return std::nullopt;
    value = value * base + digit;
    if (value > 255) return std::nullopt;
  }
  return static_cast<std::uint8_t>(value);
}

// A token as a message shows it: short, and without control bytes that
// could upset the terminal.
std::string Printable(std::string_view token) {
  constexpr std::size_t Shown = 16;
  std::string text;
  for (const char c : token.substr(0, Shown)) text += c >= 0x20 && c < 0x7F ? c : '?';
  if (token.size() > Shown) text += "...";
  return text;
}

[[noreturn]] void RaiseAtLine(int line, const std::string& problem) {
  throw ViewError("line " + std::to_string(line) + ": " + problem);
}

// Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on "'" + string.
std::string Quoted(std::string_view text) {
  std::string quoted(1, '\'');
  quoted += Printable(text);
  quoted += '\'';
  return quoted;
}

}  // namespace

std::vector<std::uint8_t> ReadByteValues(std::string_view text) {
  std::vector<std::uint8_t> values;
  int line = 1;
  std::size_t at = 0;
  const auto skipBlanks = [&] {
    for (; at < text.size() && IsBlank(text[at]); ++at) {
      if (text[at] == '\n') ++line;
    }
  };
  skipBlanks();
  while (at < text.size()) {
    std::size_t end = at;
    while (end < text.size() && text[end] != ',' && !IsBlank(text[end])) ++end;
    const std::string_view token = text.substr(at, end - at);
    if (token.empty()) RaiseAtLine(line, "a value is missing before ','");
    const std::optional<std::uint8_t> value = ByteValue(token);
    if (!value) RaiseAtLine(line, Quoted(token) + " is not a byte value (0 to 255)");
    values.push_back(*value);
    at = end;
    skipBlanks();
    if (at == text.size()) break;
    if (text[at] != ',') RaiseAtLine(line, "',' expected before " + Quoted(text.substr(at)));
    ++at;
    skipBlanks();
  }
  return values;
}
