#pragma once
#include <array>
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

  // Which pixels of a block of the image are exactly black. The block is
  // the 8 columns from left (a multiple of 8) and the 8 rows from top, row 0
  // at the top; only its first columns (1 to 8) of its first rows (1 to 8)
  // lie inside the image.
  // Bit i of byte j is pixel (left + j, top + i); pixels outside the image
  // give 0 bits.
  std::array<std::uint8_t, 8> BlackBlock(std::int32_t left, std::int32_t columns, std::int32_t top,
                                         std::int32_t rows) const;
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
