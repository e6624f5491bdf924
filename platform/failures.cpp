#include "platform/failures.h"

#include <string_view>

#include "platform/texts.h"

namespace {

std::uint32_t SourceFileHash(std::string_view path) {
  const auto slash = path.find_last_of("/\\");
  if (slash != std::string_view::npos) path.remove_prefix(slash + 1);
  std::uint32_t hash = 2166136261u;  // FNV-1a
  for (const char c : path) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return (hash >> 16) ^ (hash & 0xFFFF);
}

}  // namespace

Exception::Exception(std::string message, const char* file, int line)
    : message_(std::move(message)),
      location_(SourceFileHash(file) << 16 | (static_cast<std::uint32_t>(line) & 0xFFFF)) {}

void RaiseReadError(const char* file, int line) {
  throw EReadError(std::string(Text(TextId::StreamReadError)), file, line);
}

std::string FileErrorMessage(int windowsError) {
  switch (windowsError) {
    case 2: return std::string(Text(TextId::FileNotFound));
    case 3: return std::string(Text(TextId::InvalidFileName));
    case 4: return std::string(Text(TextId::TooManyOpenFiles));
    case 5: return std::string(Text(TextId::AccessDenied));
    default: return FormatText(TextId::IoError, {std::to_string(windowsError)});
  }
}
