// Any bytes as a Windows command line: split into arguments, read into the
// settings, and every argument read as an integer, each checked against a
// plain model of the rules.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/arguments.h"
#include "convert/settings.h"
#include "fuzz/check.h"
#include "platform/command_line.h"
#include "platform/failures.h"
#include "platform/text_routines.h"

namespace {

bool IsSeparator(char c) { return c >= 0x01 && c <= 0x20; }

void CheckSplit(std::string_view line, const std::vector<std::string>& arguments) {
  std::size_t total = 0;
  std::string quoted;
  for (const std::string& argument : arguments) {
    FUZZ_CHECK(!argument.empty());
    FUZZ_CHECK(argument.find_first_of(std::string_view("\"\0", 2)) == std::string::npos);
    total += argument.size();
    quoted += " \"" + argument + "\"";
  }
  FUZZ_CHECK(total <= line.size());
  // Quoting every argument keeps them as they are.
  FUZZ_CHECK(SplitCommandLine(quoted) == arguments);
  if (line.find('"') == std::string_view::npos) {
    // Without quotes the split is by separators alone.
    std::vector<std::string> words;
    std::string word;
    for (const char c : line.substr(0, line.find('\0'))) {
      if (!IsSeparator(c)) {
        word += c;
      } else if (!word.empty()) {
        words.push_back(std::move(word));
        word.clear();
      }
    }
    if (!word.empty()) words.push_back(word);
    FUZZ_CHECK(words == arguments);
  }
}

// The integer rules read with the standard library's own number parser.
std::optional<std::int32_t> ModelInteger(std::string_view text) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return std::nullopt;
  text.remove_prefix(start);
  const bool hex = text[0] == '$';
  const bool negative = text[0] == '-';
  if (hex || negative || text[0] == '+') text.remove_prefix(1);
  std::uint64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, hex ? 16 : 10);
  if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
  if (hex) {
    if (value > 0xFFFFFFFF) return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  }
  if (value > (negative ? 0x80000000u : 0x7FFFFFFFu)) return std::nullopt;
  return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value));
}

std::optional<std::int32_t> Parsed(std::string_view text) {
  try {
    return StrToInt(text);
  } catch (const EConvertError&) {
    return std::nullopt;
  }
}

void CheckInteger(std::string_view text) {
  const std::optional<std::int32_t> value = Parsed(text);
  FUZZ_CHECK(value == ModelInteger(text));
  if (!value) return;
  // Printing and reading again gives the same number, in either base.
  char hex[9];
  const auto [end, error] = std::to_chars(hex, hex + sizeof hex, static_cast<std::uint32_t>(*value), 16);
  FUZZ_CHECK(error == std::errc{});
  FUZZ_CHECK(Parsed(std::to_string(*value)) == value);
  FUZZ_CHECK(Parsed("  $" + std::string(hex, end)) == value);
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// What the command line should leave in the settings; false for the syntax text.
bool ModelArguments(const std::vector<std::string>& arguments, TConvertSettings& settings) {
  if (arguments.empty()) return false;
  settings.InputFileName = arguments[0];
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument[0] != '/') return false;
    const std::string lower = Lower(argument);
    if (lower == "/dec") {
      settings.DecimalMode = true;
    } else if (lower == "/rev") {
      settings.ReverseMode = true;
    } else if (lower == "/nmmp") {
      settings.MonoMapMode = false;
    } else {
      const std::optional<std::int32_t> value = ModelInteger(std::string_view(argument).substr(1));
      if (!value || (*value != 0 && (*value < 4 || *value > 64))) return false;
      settings.BytesPerLine = *value;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  CheckInteger(line);

  std::vector<std::string> arguments = SplitCommandLine(line);
  CheckSplit(line, arguments);
  for (const std::string& argument : arguments) CheckInteger(std::string_view(argument).substr(1));

  // The first word names the program.
  if (!arguments.empty()) arguments.erase(arguments.begin());
  Settings.InputFileName.clear();
  SetDefaultSettings();
  TConvertSettings expected = Settings;
  const bool accepted = ReadArguments(arguments);
  FUZZ_CHECK(accepted == ModelArguments(arguments, expected));
  FUZZ_CHECK(Settings.InputFileName == expected.InputFileName);
  FUZZ_CHECK(Settings.BytesPerLine == expected.BytesPerLine);
  FUZZ_CHECK(Settings.ReverseMode == expected.ReverseMode);
  FUZZ_CHECK(Settings.DecimalMode == expected.DecimalMode);
  FUZZ_CHECK(Settings.MonoMapMode == expected.MonoMapMode);
  FUZZ_CHECK(Settings.BytesPerLine == 0 || (Settings.BytesPerLine >= 4 && Settings.BytesPerLine <= 64));
  return 0;
}
