#include "tests/support/bmp_builder.h"

namespace {

void Put(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

}  // namespace

std::string MakeBmp(const BmpSpec& spec) {
  const int width = spec.Width < 0 ? 0 : spec.Width;
  const int height = spec.Height < 0 ? -spec.Height : spec.Height;
  const std::size_t stride = (static_cast<std::size_t>(width) * spec.BitCount + 31) / 32 * 4;
  std::string pixels;
  for (int row = 0; row < height; ++row) {
    const int y = spec.TopDown ? row : height - 1 - row;
    std::string line(stride, '\0');
    for (int x = 0; spec.BitCount == 1 && x < width; ++x) {
      if (spec.Index(x, y) & 1) line[x >> 3] = static_cast<char>(line[x >> 3] | 0x80 >> (x & 7));
    }
    pixels += line;
  }
  const bool core = spec.Header == BmpHeader::Core;
  const std::uint32_t infoSize = core ? 12 : spec.Header == BmpHeader::V5 ? 124 : 40;
  std::string palette;
  for (const Rgb& colour : spec.Palette) {
    palette += static_cast<char>(colour.Blue);
    palette += static_cast<char>(colour.Green);
    palette += static_cast<char>(colour.Red);
    if (!core) palette += '\0';
  }
  const std::uint32_t offset = 14 + infoSize + static_cast<std::uint32_t>(palette.size());
  std::string out = "BM";
  Put(out, offset + pixels.size(), 4);
  Put(out, 0, 4);
  Put(out, offset, 4);
  Put(out, infoSize, 4);
  if (core) {
    Put(out, static_cast<std::uint64_t>(spec.Width), 2);
    Put(out, static_cast<std::uint64_t>(spec.Height), 2);
    Put(out, spec.Planes, 2);
    Put(out, spec.BitCount, 2);
  } else {
    Put(out, static_cast<std::uint32_t>(spec.Width), 4);
    Put(out, static_cast<std::uint32_t>(spec.TopDown ? -height : spec.Height), 4);
    Put(out, spec.Planes, 2);
    Put(out, spec.BitCount, 2);
    Put(out, spec.Compression, 4);
    Put(out, pixels.size(), 4);
    Put(out, 2835, 4);
    Put(out, 2835, 4);
    Put(out, static_cast<std::uint64_t>(spec.ColourCount < 0 ? spec.Palette.size() : spec.ColourCount), 4);
    Put(out, 0, 4);
    if (spec.Header == BmpHeader::V5) out.append(124 - 40, '\0');
  }
  return out + palette + pixels;
}

std::string BlackWhiteBmp(int width, int height, const std::function<bool(int x, int y)>& black) {
  BmpSpec spec;
  spec.Width = width;
  spec.Height = height;
  spec.Index = [black](int x, int y) { return black(x, y) ? 1 : 0; };
  return MakeBmp(spec);
}
