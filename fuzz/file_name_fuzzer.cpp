// The output name of any byte string: it ends in ".c", keeps the name up to
// the extension it drops, and is its own output name. libFuzzer hands over
// an exactly sized buffer, so AddressSanitizer sees any read past the name.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/check.h"
#include "platform/file_names.h"

namespace {

bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Without Shift_JIS lead bytes every byte is a character of its own.
bool SingleByteName(std::string_view name) {
  for (const char c : name) {
    if (IsLeadByte(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

std::string SingleByteOutputName(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  const std::size_t separator = name.find_last_of("\\:/");
  const bool hasExtension =
      dot != std::string_view::npos && (separator == std::string_view::npos || separator < dot);
  return std::string(hasExtension ? name.substr(0, dot) : name) + ".c";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view name(reinterpret_cast<const char*>(data), size);
  const std::string output = ChangeFileExt(name, ".c");

  FUZZ_CHECK(output.ends_with(".c"));
  const std::string_view stem = std::string_view(output).substr(0, output.size() - 2);
  FUZZ_CHECK(name.starts_with(stem));
  const std::string_view dropped = name.substr(stem.size());
  FUZZ_CHECK(dropped.empty() || dropped[0] == '.');
  FUZZ_CHECK(ChangeFileExt(output, ".c") == output);
  if (SingleByteName(name)) FUZZ_CHECK(output == SingleByteOutputName(name));
  return 0;
}
