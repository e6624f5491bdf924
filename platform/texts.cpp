#include "platform/texts.h"

namespace {
bool Utf8Wanted = false;
}

void UseUtf8Texts(bool utf8) { Utf8Wanted = utf8; }

std::string_view Text(TextId id) {
  const auto index = static_cast<std::size_t>(id);
  return Utf8Wanted ? Utf8Texts[index] : Cp932Texts[index];
}

// '%' never occurs as a CP932 trail byte, so a byte scan is safe.
std::string FormatText(TextId id, std::initializer_list<std::string_view> args) {
  const std::string_view pattern = Text(id);
  std::string result;
  auto next = args.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && next != args.end()) {
      result += *next++;
      ++i;
    } else {
      result += pattern[i];
    }
  }
  return result;
}
