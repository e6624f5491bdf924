#include <cstdio>
#include <fstream>

#include "bench/test_image.h"

// Writes the benchmarks' test image to the file named.
int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: make_test_image FILE.bmp\n", stderr);
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << TestImageBmp();
  return out.flush() ? 0 : 1;
}
