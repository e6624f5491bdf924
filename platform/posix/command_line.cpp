#include "platform/command_line.h"

#include <unistd.h>

// The shell has already split the line and removed the quotes.
std::vector<std::string> ProgramArguments(int argc, char** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) {
    if (argv[i][0] != '\0') arguments.emplace_back(argv[i]);
  }
  return arguments;
}

std::string ProgramFileName() {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
  std::string_view name = length > 0 ? std::string_view(path, static_cast<std::size_t>(length))
                                     : std::string_view("talvorin");
  const auto slash = name.rfind('/');
  if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
  return std::string(name);
}
