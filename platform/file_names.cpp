#include "platform/file_names.h"

#include "platform/os.h"

namespace {

bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
bool IsTrailByte(unsigned char byte) {
  return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

}  // namespace

std::string ChangeFileExt(std::string_view name, std::string_view extension) {
  std::size_t dot = std::string_view::npos;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto byte = static_cast<unsigned char>(name[i]);
    if (IsLeadByte(byte) && i + 1 < name.size() &&
        IsTrailByte(static_cast<unsigned char>(name[i + 1]))) {
      ++i;
    } else if (byte == '.') {
      dot = i;
    } else if (byte == '\\' || byte == ':' || byte == '/') {
      dot = std::string_view::npos;
    }
  }
  std::string result(name.substr(0, dot));
  result += extension;
  return result;
}

bool FileExists(const std::string& name) { return OsFileExists(name); }

bool SameFile(const std::string& a, const std::string& b) { return a == b || OsSameFile(a, b); }
