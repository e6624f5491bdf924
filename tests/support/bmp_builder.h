#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Writes BMP files for tests, byte by byte, without the program's loader.
struct Rgb {
  std::uint8_t Red, Green, Blue;
};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Black{0, 0, 0};

enum class BmpHeader { Core, Info, V5 };

struct BmpLayout {
  std::int32_t Width = 8;
  std::int32_t Height = 8;
  std::uint16_t BitCount = 1;
  std::vector<Rgb> Palette{White, Black};
  // Colour index of each pixel, row 0 at the top.
  std::function<int(int x, int y)> Index = [](int, int) { return 0; };
  BmpHeader Header = BmpHeader::Info;
  bool TopDown = false;
  std::uint16_t Planes = 1;
  std::uint32_t Compression = 0;
  // The colour count written to the header; -1 writes the palette's size.
  std::int64_t ColourCount = -1;
};

std::string MakeBmp(const BmpLayout& layout);

// A one-bit image in black and white, black where the function says so.
std::string BlackWhiteBmp(int width, int height, const std::function<bool(int x, int y)>& black);
