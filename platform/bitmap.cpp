#include "platform/bitmap.h"

#include <algorithm>
#include <cstring>

#include "platform/failures.h"
#include "platform/os.h"
#include "platform/texts.h"

namespace {

// Where the loader's bytes come from.
class TByteSource {
 public:
  virtual ~TByteSource() = default;
  virtual std::uint64_t Remaining() = 0;
  // Both raise EReadError when the source ends first.
  virtual void Read(void* to, std::size_t count) = 0;
  virtual void Skip(std::uint64_t count) = 0;
};

class TFileSource final : public TByteSource {
 public:
  explicit TFileSource(const std::string& name) : handle_(OsOpenInput(name)) {}
  ~TFileSource() override { OsCloseInput(handle_); }
  TFileSource(const TFileSource&) = delete;
  TFileSource& operator=(const TFileSource&) = delete;
  std::uint64_t Remaining() override { return OsRemaining(handle_); }
  void Read(void* to, std::size_t count) override { OsRead(handle_, to, count); }
  void Skip(std::uint64_t count) override { OsSkip(handle_, count); }

 private:
  OsHandle handle_;
};

[[noreturn]] void RaiseInvalidGraphic(const char* file = __builtin_FILE(),
                                      int line = __builtin_LINE()) {
  throw EInvalidGraphic(std::string(Text(TextId::InvalidBitmap)), file, line);
}

class TMemorySource final : public TByteSource {
 public:
  explicit TMemorySource(std::string_view bytes) : bytes_(bytes) {}
  std::uint64_t Remaining() override { return bytes_.size(); }
  void Read(void* to, std::size_t count) override {
    if (count > bytes_.size()) RaiseReadError();
    // An image without rows has no buffer to copy to.
    if (count == 0) return;
    std::memcpy(to, bytes_.data(), count);
    bytes_.remove_prefix(count);
  }
  void Skip(std::uint64_t count) override {
    if (count > bytes_.size()) RaiseReadError();
    bytes_.remove_prefix(static_cast<std::size_t>(count));
  }

 private:
  std::string_view bytes_;
};

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
std::uint32_t U32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0] | p[1] << 8 | p[2] << 16) | static_cast<std::uint32_t>(p[3]) << 24;
}

constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t InfoHeaderSize = 40;

void Load(TBitmap& bitmap, TByteSource& in) {
  bitmap = TBitmap{};
  // An empty file is an empty image.
  if (in.Remaining() == 0) return;

  std::uint8_t fileHeader[14];
  in.Read(fileHeader, sizeof fileHeader);
  if (fileHeader[0] != 'B' || fileHeader[1] != 'M') RaiseInvalidGraphic();

  std::uint8_t info[InfoHeaderSize] = {};
  in.Read(info, 4);
  const std::uint32_t infoSize = U32(info);
  const bool core = infoSize == CoreHeaderSize;
  if (!core && infoSize < InfoHeaderSize) RaiseInvalidGraphic();
  in.Read(info + 4, (core ? CoreHeaderSize : InfoHeaderSize) - 4);
  if (!core) in.Skip(infoSize - InfoHeaderSize);

  std::int64_t width, height;
  std::uint16_t planes, bitCount;
  std::uint32_t compression = 0, imageSize = 0, colours = 0;
  if (core) {
    width = U16(info + 4);
    height = U16(info + 6);
    planes = U16(info + 8);
    bitCount = U16(info + 10);
  } else {
    width = static_cast<std::int32_t>(U32(info + 4));
    height = static_cast<std::int32_t>(U32(info + 8));
    planes = U16(info + 12);
    bitCount = U16(info + 14);
    compression = U32(info + 16);
    imageSize = U32(info + 20);
    colours = U32(info + 32);
  }
  if (planes != 1 || width < 0 || height == INT32_MIN) RaiseInvalidGraphic();
  if (bitCount == 1 && compression != 0) RaiseInvalidGraphic();

  // The colour table: only the two entries a one-bit pixel can select are
  // kept, the rest is passed over.
  if (colours == 0) colours = bitCount == 1 ? 2 : bitCount == 4 ? 16 : bitCount == 8 ? 256 : 0;
  const std::uint32_t entrySize = core ? 3 : 4;
  const std::uint32_t kept = std::min<std::uint32_t>(colours, 2);
  for (std::uint32_t i = 0; i < kept; ++i) {
    std::uint8_t entry[4];
    in.Read(entry, entrySize);
    bitmap.Canvas.Palette[i] = static_cast<TColor>(entry[2] | entry[1] << 8 | entry[0] << 16);
  }
  in.Skip(std::uint64_t{colours - kept} * entrySize);

  bitmap.Width = static_cast<std::int32_t>(width);
  bitmap.Height = static_cast<std::int32_t>(height < 0 ? -height : height);
  if (bitCount != 1) return;

  bitmap.PixelFormat = TPixelFormat::pf1bit;
  TCanvas& canvas = bitmap.Canvas;
  const auto rowBytes = static_cast<std::int64_t>((static_cast<std::uint64_t>(width) + 31) / 32 * 4);
  const bool bottomUp = height > 0;
  canvas.TopRow = bottomUp ? (bitmap.Height - std::int64_t{1}) * rowBytes : 0;
  canvas.RowStep = bottomUp ? -rowBytes : rowBytes;
  std::uint64_t wanted = static_cast<std::uint64_t>(rowBytes) * static_cast<std::uint64_t>(bitmap.Height);
  if (imageSize != 0) wanted = std::min<std::uint64_t>(wanted, imageSize);
  // Only what the file holds: a header's claims never size memory.
  canvas.Rows.resize(static_cast<std::size_t>(std::min(wanted, in.Remaining())));
  in.Read(canvas.Rows.data(), canvas.Rows.size());
}

}  // namespace

void TBitmap::LoadFromFile(const std::string& name) {
  TFileSource source(name);
  Load(*this, source);
}

void TBitmap::LoadFromBytes(std::string_view bytes) {
  TMemorySource source(bytes);
  Load(*this, source);
}

namespace {

// Transposes an 8 x 8 bit matrix: bit 8r + c moves to bit 8c + r. Three
// rounds of swapping bit groups, 1 x 1, then 2 x 2, then 4 x 4 (Hacker's
// Delight, transpose8).
std::uint64_t Transpose8x8(std::uint64_t m) {
  std::uint64_t t = (m ^ (m >> 7)) & 0x00AA00AA00AA00AAu;
  m ^= t ^ (t << 7);
  t = (m ^ (m >> 14)) & 0x0000CCCC0000CCCCu;
  m ^= t ^ (t << 14);
  t = (m ^ (m >> 28)) & 0x00000000F0F0F0F0u;
  m ^= t ^ (t << 28);
  return m;
}

}  // namespace

std::array<std::uint8_t, 8> TCanvas::BlackBlock(std::int32_t left, std::int32_t columns, std::int32_t top,
                                                std::int32_t rows) const {
  // Byte i holds the colour indices of row top + i as the file stores them,
  // the leftmost pixel in the top bit.
  std::uint64_t indices = 0;
  for (std::int32_t i = 0; i < rows; ++i) {
    const auto at = static_cast<std::uint64_t>(TopRow + (top + i) * RowStep + left / 8);
    // Rows that a short file lacks read as colour index 0.
    if (at < Rows.size()) indices |= std::uint64_t{Rows[at]} << (8 * i);
  }
  // Now byte 7 - j holds column left + j, row top + i in bit i.
  indices = Transpose8x8(indices);

  const std::uint64_t blackOnes = Palette[1] == clBlack ? ~std::uint64_t{0} : 0;
  const std::uint64_t blackZeros = Palette[0] == clBlack ? ~std::uint64_t{0} : 0;
  const std::uint64_t insideRows = (0xFFu >> (8 - rows)) * 0x0101010101010101u;
  const std::uint64_t insideColumns = ~std::uint64_t{0} << (8 * (8 - columns));
  const std::uint64_t black = ((indices & blackOnes) | (~indices & blackZeros)) & insideRows & insideColumns;

  std::array<std::uint8_t, 8> bytes;
  for (std::size_t j = 0; j < bytes.size(); ++j) bytes[j] = static_cast<std::uint8_t>(black >> (56 - 8 * j));
  return bytes;
}
