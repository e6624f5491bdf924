// talvorin-view: shows what a file converted by talvorin holds, before the
// bytes go into a firmware image.
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "viewer/byte_values.h"
#include "viewer/files.h"
#include "viewer/mono_image.h"
#include "viewer/render.h"
#include "viewer/view_arguments.h"
#include "viewer/view_error.h"

namespace {

constexpr int OutputFailed = 1;
constexpr int BadInput = 2;

int Fail(const std::string& message, int status) {
  std::cerr << "talvorin-view: " << message << '\n';
  return status;
}

MonoImage ReadImage(const ViewOptions& options) {
  const std::string text = ReadWholeFile(options.InputFile);
  try {
    return ImageFromValues(ReadByteValues(text), options.Width);
  } catch (const ViewError& error) {
    throw ViewError(options.InputFile + ": " + error.what());
  }
}

}  // namespace

int main(int argc, char** argv) {
  ViewOptions options;
  try {
    options = ReadViewArguments(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
  } catch (const ViewError& error) {
    std::cerr << "talvorin-view: " << error.what() << "\n" << ViewUsage;
    return BadInput;
  }
  try {
    if (options.Help) {
      WriteStandardOutput(ViewUsage);
    } else if (options.PbmFile) {
      WriteWholeFile(*options.PbmFile, PbmBytes(ReadImage(options)));
    } else {
      WriteStandardOutput(HalfBlockText(ReadImage(options)));
    }
    return 0;
  } catch (const ViewError& error) {
    return Fail(error.what(), BadInput);
  } catch (const OutputError& error) {
    return Fail(error.what(), OutputFailed);
  } catch (const std::bad_alloc&) {
    return Fail(options.InputFile + ": too large to show", BadInput);
  }
}
