#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

struct ViewOptions {
  std::string InputFile;
  // Write this PBM file instead of showing the image.
  std::optional<std::string> PbmFile;
  // Columns of a file without the MMP header.
  std::optional<std::size_t> Width;
  bool Help = false;
};

extern const char* const ViewUsage;

// The options of a command line, its program name left out. Raises
// ViewError for one it does not accept.
ViewOptions ReadViewArguments(const std::vector<std::string>& arguments);
