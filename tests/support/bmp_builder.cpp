#include "tests/support/bmp_builder.h"

namespace {

void Put(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

}  // namespace

std::string MakeBmp(const BmpLayout& layout) {
  const int width = layout.Width < 0 ? 0 : layout.Width;
  const int height = layout.Height < 0 ? -layout.Height : layout.Height;
  const std::size_t stride = (static_cast<std::size_t>(width) * layout.BitCount + 31) / 32 * 4;
  std::string pixels;
  for (int row = 0; row < height; ++row) {
    const int y = layout.TopDown ? row : height - 1 - row;
    std::string line(stride, '\0');
    for (int x = 0; layout.BitCount == 1 && x < width; ++x) {
      if (layout.Index(x, y) & 1) line[x >> 3] = static_cast<char>(line[x >> 3] | 0x80 >> (x & 7));
    }
    pixels += line;
  }
  const bool core = layout.Header == BmpHeader::Core;
  const std::uint32_t infoSize = core ? 12 : layout.Header == BmpHeader::V5 ? 124 : 40;
  std::string palette;
  for (const Rgb& colour : layout.Palette) {
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
    Put(out, static_cast<std::uint64_t>(layout.Width), 2);
    Put(out, static_cast<std::uint64_t>(layout.Height), 2);
    Put(out, layout.Planes, 2);
    Put(out, layout.BitCount, 2);
  } else {
    Put(out, static_cast<std::uint32_t>(layout.Width), 4);
    Put(out, static_cast<std::uint32_t>(layout.TopDown ? -height : layout.Height), 4);
    Put(out, layout.Planes, 2);
    Put(out, layout.BitCount, 2);
    Put(out, layout.Compression, 4);
    Put(out, pixels.size(), 4);
    Put(out, 2835, 4);
    Put(out, 2835, 4);
    Put(out, static_cast<std::uint64_t>(layout.ColourCount < 0 ? layout.Palette.size() : layout.ColourCount), 4);
    Put(out, 0, 4);
    if (layout.Header == BmpHeader::V5) out.append(124 - 40, '\0');
  }
  return out + palette + pixels;
}

std::string BlackWhiteBmp(int width, int height, const std::function<bool(int x, int y)>& black) {
  BmpLayout layout;
  layout.Width = width;
  layout.Height = height;
  layout.Index = [black](int x, int y) { return black(x, y) ? 1 : 0; };
  return MakeBmp(layout);
}
