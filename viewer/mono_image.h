#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// An image in the MMP layout: bands of eight rows from the top, one byte
// per column from the left; bit i of a band-k byte is row 8k + i.
struct MonoImage {
  std::size_t Width = 0;
  std::size_t Height = 0;
  std::vector<std::uint8_t> Bands;
};

bool PixelIsSet(const MonoImage& image, std::size_t x, std::size_t y);

// The image of a converted file's values. Without a width the first four
// values are the MMP header (width and height, low byte first) and the
// bands must fill exactly that size. With a width the file holds band bytes
// only, and the height is eight rows for every band.
MonoImage ImageFromValues(std::vector<std::uint8_t> values, std::optional<std::size_t> width);
