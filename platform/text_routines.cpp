#include "platform/text_routines.h"

#include <string>

#include "platform/failures.h"
#include "platform/texts.h"

namespace {

int DigitValue(char c, int base) {
  int value = 99;
  if (c >= '0' && c <= '9') value = c - '0';
  else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

char FoldCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

}  // namespace

std::int32_t StrToInt(std::string_view text) {
  const auto fail = [&] { throw EConvertError(FormatText(TextId::NotAnInteger, {text})); };
  std::size_t at = text.find_first_not_of(' ');
  if (at == std::string_view::npos) fail();
  bool negative = false;
  int base = 10;
  std::uint64_t limit = 0x7FFFFFFF;
  if (text[at] == '$') {
    base = 16;
    limit = 0xFFFFFFFF;
    ++at;
  } else if (text[at] == '+' || text[at] == '-') {
    negative = text[at] == '-';
    if (negative) limit = 0x80000000;
    ++at;
  }
  if (at == text.size()) fail();
  std::uint64_t value = 0;
  for (; at < text.size(); ++at) {
    const int digit = DigitValue(text[at], base);
    if (digit < 0) fail();
    value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
    if (value > limit) fail();
  }
  const auto bits = static_cast<std::uint32_t>(negative ? 0 - value : value);
  return static_cast<std::int32_t>(bits);
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}
