#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/run_program.h"

// The build installed into a fresh prefix with cmake --install, and CMake
// projects configured and built against it.
class InstalledPackage {
 public:
  InstalledPackage();
  const std::string& Prefix() const { return prefix_.Path(); }
  // Configures the project in source into build; the arguments are -D settings.
  RunResult Configure(const std::string& source, const std::string& build,
                      const std::vector<std::string>& settings) const;
  RunResult Build(const std::string& build) const;

 private:
  TempFolder prefix_;
};

// Runs cmake with the arguments.
RunResult RunCmake(std::vector<std::string> arguments, const std::string& folder);

// Standard output and standard error together, as a build log shows them.
std::string Transcript(const RunResult& run);

// The MMP stream of an image, worked out here from its pixels.
std::vector<std::uint8_t> ExpectedMonoMap(int width, int height, const std::function<bool(int x, int y)>& set);

// The bytes of a text as a vector, to compare with a stream.
std::vector<std::uint8_t> BytesOf(const std::string& text);
