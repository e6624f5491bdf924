#include "convert/monomap.h"

#include <algorithm>

#include "convert/settings.h"
#include "convert/writer.h"

namespace {

constexpr std::int32_t BlockSide = 8;

std::int32_t Blocks(std::int32_t pixels) { return pixels / BlockSide + (pixels % BlockSide > 0 ? 1 : 0); }

// Bit i of bytes[j] is set when pixel (left + j, top + i) is black. The
// column is written left | j, which equals left + j as left is a multiple of
// 8, so that the compiler sees the pixels of a block row share one image
// byte and reads that byte once instead of eight times.
void PackBlock(const TCanvas& canvas, std::int32_t left, std::int32_t columns, std::int32_t top,
               std::int32_t rows, unsigned* bytes) {
  std::fill(bytes, bytes + columns, 0);
  for (std::int32_t y = top + rows - 1; y >= top; --y) {
    for (std::int32_t j = 0; j < columns; ++j) {
      bytes[j] = bytes[j] * 2 + (canvas.Pixels(left | j, y) == clBlack);
    }
  }
}

}  // namespace

void WriteMonoMap(const TBitmap& bitmap) {
  const std::int32_t width = bitmap.Width;
  const std::int32_t height = bitmap.Height;
  PutByte(static_cast<std::uint8_t>(width % 256));
  PutByte(static_cast<std::uint8_t>(width / 256));
  PutByte(static_cast<std::uint8_t>(height % 256));
  PutByte(static_cast<std::uint8_t>(height / 256));

  for (std::int32_t band = 0; band < Blocks(height); ++band) {
    const std::int32_t top = band * BlockSide;
    const std::int32_t rows = std::min(BlockSide, height - top);
    // With /REV the bits of the rows inside the image are the other way round.
    const auto flip = static_cast<std::uint8_t>(Settings.ReverseMode ? (1u << rows) - 1 : 0);
    for (std::int32_t block = 0; block < Blocks(width); ++block) {
      const std::int32_t left = block * BlockSide;
      const std::int32_t columns = std::min(BlockSide, width - left);
      unsigned bytes[BlockSide];
      // A full block, nearly every one, gets a copy of the loops with fixed bounds.
      if (rows == BlockSide && columns == BlockSide) {
        PackBlock(bitmap.Canvas, left, BlockSide, top, BlockSide, bytes);
      } else {
        PackBlock(bitmap.Canvas, left, columns, top, rows, bytes);
      }
      for (std::int32_t j = 0; j < columns; ++j) PutByte(static_cast<std::uint8_t>(bytes[j] ^ flip));
    }
  }
}
