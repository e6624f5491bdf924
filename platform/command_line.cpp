#include "platform/command_line.h"

namespace {

bool IsSeparator(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x01 && byte <= 0x20;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
  // A NUL ends the line, as it ends the system's string.
  line = line.substr(0, line.find('\0'));
  std::vector<std::string> arguments;
  std::size_t at = 0;
  for (;;) {
    for (;;) {
      while (at < line.size() && IsSeparator(line[at])) ++at;
      if (line.substr(at, 2) != "\"\"") break;
      at += 2;
    }
    std::string argument;
    while (at < line.size() && !IsSeparator(line[at])) {
      if (line[at] == '"') {
        const auto close = line.find('"', at + 1);
        const auto end = close == std::string_view::npos ? line.size() : close;
        argument.append(line.substr(at + 1, end - at - 1));
        at = close == std::string_view::npos ? end : close + 1;
      } else {
        argument += line[at++];
      }
    }
    if (argument.empty()) return arguments;
    arguments.push_back(std::move(argument));
  }
}
