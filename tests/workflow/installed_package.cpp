#include "tests/workflow/installed_package.h"

#include <stdexcept>

#ifndef CMAKE_COMMAND
#error "CMAKE_COMMAND names cmake"
#endif

RunResult RunCmake(std::vector<std::string> arguments, const std::string& folder) {
  arguments.insert(arguments.begin(), CMAKE_COMMAND);
  return RunProgram(arguments, folder);
}

std::string Transcript(const RunResult& run) { return run.Output + run.Errors; }

InstalledPackage::InstalledPackage() {
  const RunResult install = RunCmake({"--install", TALVORIN_BINARY_DIR, "--prefix", Prefix()}, Prefix());
  if (install.ExitStatus != 0) throw std::runtime_error("cmake --install failed:\n" + Transcript(install));
}

RunResult InstalledPackage::Configure(const std::string& source, const std::string& build,
                                      const std::vector<std::string>& settings) const {
  // Warnings as errors: the included values must compile cleanly.
  std::vector<std::string> arguments{"-S", source, "-B", build, "-DCMAKE_PREFIX_PATH=" + Prefix(),
                                     "-DCMAKE_C_FLAGS=-Wall -Wextra -Wpedantic -Werror"};
  for (const std::string& setting : settings) arguments.push_back("-D" + setting);
  return RunCmake(arguments, source);
}

RunResult InstalledPackage::Build(const std::string& build) const { return RunCmake({"--build", build}, build); }

std::vector<std::uint8_t> ExpectedMonoMap(int width, int height, const std::function<bool(int x, int y)>& set) {
  std::vector<std::uint8_t> stream{static_cast<std::uint8_t>(width & 0xFF), static_cast<std::uint8_t>(width >> 8),
                                   static_cast<std::uint8_t>(height & 0xFF), static_cast<std::uint8_t>(height >> 8)};
  for (int top = 0; top < height; top += 8) {
    for (int x = 0; x < width; ++x) {
      int byte = 0;
      for (int y = top; y < top + 8 && y < height; ++y) byte |= set(x, y) ? 1 << (y - top) : 0;
      stream.push_back(static_cast<std::uint8_t>(byte));
    }
  }
  return stream;
}

std::vector<std::uint8_t> BytesOf(const std::string& text) { return {text.begin(), text.end()}; }
