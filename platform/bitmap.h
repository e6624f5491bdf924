#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A red-green-blue colour, 0x00BBGGRR.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000;
// The answer for a pixel whose colour cannot be read.
constexpr TColor clUnreadable = 0xFFFFFFFF;

enum class TPixelFormat { pf1bit, pfOther };

// Answers pixel colours straight from the file's rows and colour table.
struct TCanvas {
  std::vector<std::uint8_t> Rows;  // as stored, possibly fewer than the image needs
  // Where the top row starts in Rows, and how far on the next row down
  // starts: a step back for a bottom-up file.
  std::int64_t TopRow = 0;
  std::int64_t RowStep = 0;
  TColor Palette[2] = {clUnreadable, clUnreadable};

  // For 0 <= x < width and 0 <= y < height, row 0 at the top.
  TColor Pixels(std::int32_t x, std::int32_t y) const {
    const auto at = static_cast<std::uint64_t>(TopRow + y * RowStep + (x >> 3));
    // Pixels that a short file lacks read as colour index 0.
    const unsigned index = at < Rows.size() ? (Rows[at] >> (7 - (x & 7))) & 1u : 0u;
    return Palette[index];
  }
};

struct TBitmap {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  TPixelFormat PixelFormat = TPixelFormat::pfOther;
  TCanvas Canvas;

  // Raises EFOpenError, EInvalidGraphic or EReadError. Only one-bit images
  // have their pixels read.
  void LoadFromFile(const std::string& name);
  // The same from a file's bytes held in memory.
  void LoadFromBytes(std::string_view bytes);
};
