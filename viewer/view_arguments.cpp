#include "viewer/view_arguments.h"

#include "viewer/view_error.h"

const char* const ViewUsage =
    "usage: talvorin-view FILE.c [--pbm OUT.pbm] [--width N]\n"
    "Shows a file converted by talvorin in the terminal, set bits as blocks,\n"
    "or writes it as a PBM image, set bits black.\n"
    "  --pbm OUT.pbm  write the PBM file instead of showing the image\n"
    "  --width N      the file has no MMP header: N columns, 8 rows per band\n";

namespace {

// The widest image an MMP header can describe.
constexpr std::size_t MaxWidth = 65535;

std::size_t WidthValue(const std::string& text) {
  std::size_t width = 0;
  for (const char c : text) {
    if (c < '0' || c > '9' || width > MaxWidth) {
      width = 0;
      break;
    }
    width = width * 10 + static_cast<std::size_t>(c - '0');
  }
  if (width < 1 || width > MaxWidth) throw ViewError("--width takes a number of columns from 1 to 65535");
  return width;
}

}  // namespace

ViewOptions ReadViewArguments(const std::vector<std::string>& arguments) {
  ViewOptions options;
  bool haveInput = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      options.Help = true;
      return options;
    }
    if (argument == "--pbm" || argument == "--width") {
      if (i + 1 == arguments.size()) throw ViewError(argument + " needs a value");
      const std::string& value = arguments[++i];
      if (argument == "--pbm") {
        options.PbmFile = value;
      } else {
        options.Width = WidthValue(value);
      }
    } else if (argument.size() > 1 && argument[0] == '-') {
      throw ViewError("unknown option " + argument);
    } else if (haveInput) {
      throw ViewError("one file at a time: " + options.InputFile + " and " + argument);
    } else {
      options.InputFile = argument;
      haveInput = true;
    }
  }
  if (!haveInput) throw ViewError("no file given");
  return options;
}
