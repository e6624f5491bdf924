#pragma once
#include <stdexcept>

// Input the viewer cannot show, or a command line it does not accept; the
// message says why.
struct ViewError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A file or standard output the viewer could not write.
struct OutputError : std::runtime_error {
  using std::runtime_error::runtime_error;
};
