#include "convert/monomap.h"

#include "convert/settings.h"
#include "convert/writer.h"

void WriteMonoMap(const TBitmap& bitmap) {
  const std::int32_t width = bitmap.Width;
  const std::int32_t height = bitmap.Height;
  PutByte(static_cast<std::uint8_t>(width % 256));
  PutByte(static_cast<std::uint8_t>(width / 256));
  PutByte(static_cast<std::uint8_t>(height % 256));
  PutByte(static_cast<std::uint8_t>(height / 256));

  const std::int32_t bands = height / 8 + (height % 8 > 0 ? 1 : 0);
  for (std::int32_t band = 0; band < bands; ++band) {
    for (std::int32_t x = 0; x < width; ++x) {
      std::uint8_t byte = 0;
      for (std::int32_t i = 0; i < 8; ++i) {
        const std::int32_t y = band * 8 + i;
        if (y >= height) break;
        const bool black = bitmap.Canvas.Pixels(x, y) == clBlack;
        if (black != Settings.ReverseMode) byte |= static_cast<std::uint8_t>(1u << i);
      }
      PutByte(byte);
    }
  }
}
