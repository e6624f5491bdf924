#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "tests/support/bmp_builder.h"

// A bitmap loaded from BMP bytes built in memory.
TBitmap LoadedBitmap(const BmpLayout& layout);

// Whether pixel (x, y) of a loaded one-bit image is black, asked as a block
// of one pixel.
bool IsBlackPixel(const TBitmap& bitmap, int x, int y);

// Packs the bitmap with the current Settings and returns the output file's text.
std::string WrittenText(const TBitmap& bitmap);

// The values of written text, in order.
std::vector<std::uint8_t> ValuesOf(const std::string& text);
