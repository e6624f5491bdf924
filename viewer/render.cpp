#include "viewer/render.h"

std::string HalfBlockText(const MonoImage& image) {
  static constexpr const char* Cells[] = {" ", "\u2580", "\u2584", "\u2588"};
  std::string text;
  for (std::size_t y = 0; y < image.Height; y += 2) {
    for (std::size_t x = 0; x < image.Width; ++x) {
      const bool upper = PixelIsSet(image, x, y);
      const bool lower = y + 1 < image.Height && PixelIsSet(image, x, y + 1);
      text += Cells[(upper ? 1 : 0) + (lower ? 2 : 0)];
    }
    text += '\n';
  }
  return text;
}

std::string PbmBytes(const MonoImage& image) {
  std::string bytes = "P4\n" + std::to_string(image.Width) + " " + std::to_string(image.Height) + "\n";
  const std::size_t rowBytes = (image.Width + 7) / 8;
  for (std::size_t y = 0; y < image.Height; ++y) {
    std::string row(rowBytes, '\0');
    for (std::size_t x = 0; x < image.Width; ++x) {
      if (PixelIsSet(image, x, y)) row[x / 8] = static_cast<char>(row[x / 8] | 0x80 >> (x % 8));
    }
    bytes += row;
  }
  return bytes;
}
