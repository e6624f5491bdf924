#include "convert/monomap.h"

#include <algorithm>

#include "convert/settings.h"
#include "convert/writer.h"

namespace {

constexpr std::int32_t BlockSide = 8;

std::int32_t Blocks(std::int32_t pixels) { return pixels / BlockSide + (pixels % BlockSide > 0 ? 1 : 0); }

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
      const auto blacks = bitmap.Canvas.BlackBlock(left, columns, top, rows);
      for (std::int32_t j = 0; j < columns; ++j) PutByte(static_cast<std::uint8_t>(blacks[j] ^ flip));
    }
  }
}
