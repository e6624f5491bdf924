#include "bench/test_image.h"

#include <cstdint>

#include "tests/support/bmp_builder.h"

namespace {

bool Noise(int x, int y) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u;
  h ^= h >> 13;
  h *= 0x5BD1E995u;
  h ^= h >> 15;
  return (h & 1) != 0;
}

}  // namespace

std::string TestImageBmp() { return BlackWhiteBmp(320, 240, Noise); }
