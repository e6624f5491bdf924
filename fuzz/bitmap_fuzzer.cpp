// Any bytes as a BMP file, converted as a run would: the loader must agree
// with a plain model of the loading rules, and for an accepted image the
// output file must hold exactly the expected byte stream in well-formed
// C-source lines. The first two bytes choose the settings.
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "convert/monomap.h"
#include "convert/settings.h"
#include "convert/writer.h"
#include "fuzz/check.h"
#include "platform/bitmap.h"
#include "platform/failures.h"

namespace {

enum class Outcome { Loads, ReadError, InvalidGraphic };

// What the loading rules say about a file, read by offsets into its bytes.
struct ModelImage {
  Outcome Result = Outcome::Loads;
  std::int64_t Width = 0, Height = 0;
  bool OneBit = false;
  std::uint64_t Colours = 0;
  TColor Palette[2] = {clUnreadable, clUnreadable};
  std::string_view Rows;
  std::uint64_t RowBytes = 0;
  bool BottomUp = true;

  TColor Colour(std::int64_t x, std::int64_t y) const {
    const std::uint64_t row = static_cast<std::uint64_t>(BottomUp ? Height - 1 - y : y);
    const std::uint64_t at = row * RowBytes + static_cast<std::uint64_t>(x / 8);
    const int index = at < Rows.size() ? (static_cast<unsigned char>(Rows[at]) >> (7 - x % 8)) & 1 : 0;
    return static_cast<std::uint64_t>(index) < Colours ? Palette[index] : clUnreadable;
  }
};

std::uint32_t Little(std::string_view bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

ModelImage Model(std::string_view file) {
  ModelImage image;
  if (file.empty()) return image;
  const auto fails = [&](Outcome outcome) {
    image.Result = outcome;
    return image;
  };
  if (file.size() < 14) return fails(Outcome::ReadError);
  if (file.substr(0, 2) != "BM") return fails(Outcome::InvalidGraphic);
  if (file.size() < 18) return fails(Outcome::ReadError);
  const std::uint64_t infoSize = Little(file, 14, 4);
  const bool core = infoSize == 12;
  if (!core && infoSize < 40) return fails(Outcome::InvalidGraphic);
  if (file.size() < 14 + (core ? 12 : 40)) return fails(Outcome::ReadError);
  if (file.size() < 14 + infoSize) return fails(Outcome::ReadError);
  std::uint32_t planes, bitCount, compression = 0, imageSize = 0;
  if (core) {
    image.Width = Little(file, 18, 2);
    image.Height = Little(file, 20, 2);
    planes = Little(file, 22, 2);
    bitCount = Little(file, 24, 2);
  } else {
    image.Width = static_cast<std::int32_t>(Little(file, 18, 4));
    image.Height = static_cast<std::int32_t>(Little(file, 22, 4));
    planes = Little(file, 26, 2);
    bitCount = Little(file, 28, 2);
    compression = Little(file, 30, 4);
    imageSize = Little(file, 34, 4);
    image.Colours = Little(file, 46, 4);
  }
  if (planes != 1 || image.Width < 0 || image.Height == INT32_MIN) return fails(Outcome::InvalidGraphic);
  if (bitCount == 1 && compression != 0) return fails(Outcome::InvalidGraphic);

  if (image.Colours == 0) image.Colours = bitCount == 1 ? 2 : bitCount == 4 ? 16 : bitCount == 8 ? 256 : 0;
  const std::uint64_t entrySize = core ? 3 : 4;
  const std::uint64_t table = 14 + infoSize;
  if (file.size() < table + image.Colours * entrySize) return fails(Outcome::ReadError);
  for (std::uint64_t i = 0; i < 2 && i < image.Colours; ++i) {
    const std::uint32_t bgr = Little(file, table + i * entrySize, 3);
    image.Palette[i] = (bgr & 0xFF) << 16 | (bgr & 0xFF00) | bgr >> 16;
  }

  image.BottomUp = image.Height > 0;
  if (image.Height < 0) image.Height = -image.Height;
  image.OneBit = bitCount == 1;
  image.RowBytes = (static_cast<std::uint64_t>(image.Width) + 31) / 32 * 4;
  std::uint64_t length = image.RowBytes * static_cast<std::uint64_t>(image.Height);
  if (imageSize != 0 && imageSize < length) length = imageSize;
  image.Rows = file.substr(table + image.Colours * entrySize, length);
  return image;
}

std::vector<std::uint8_t> ExpectedStream(const ModelImage& image, bool reverse) {
  const auto width = static_cast<int>(image.Width), height = static_cast<int>(image.Height);
  std::vector<std::uint8_t> stream = {static_cast<std::uint8_t>(width & 0xFF), static_cast<std::uint8_t>(width >> 8),
                                      static_cast<std::uint8_t>(height & 0xFF),
                                      static_cast<std::uint8_t>(height >> 8)};
  for (int top = 0; top < height; top += 8) {
    for (int x = 0; x < width; ++x) {
      int byte = 0;
      for (int y = top; y < top + 8 && y < height; ++y) {
        if ((image.Colour(x, y) == clBlack) != reverse) byte |= 1 << (y - top);
      }
      stream.push_back(static_cast<std::uint8_t>(byte));
    }
  }
  return stream;
}

// "0xHH" in upper case, or decimal without leading zeros.
int ValueOf(std::string_view text, bool decimal) {
  if (!decimal) {
    FUZZ_CHECK(text.size() == 4 && text.substr(0, 2) == "0x");
    int value = 0;
    for (const char c : text.substr(2)) {
      FUZZ_CHECK((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'));
      value = value * 16 + (c <= '9' ? c - '0' : c - 'A' + 10);
    }
    return value;
  }
  FUZZ_CHECK(!text.empty() && text.size() <= 3 && (text == "0" || text[0] != '0'));
  int value = 0;
  for (const char c : text) {
    FUZZ_CHECK(c >= '0' && c <= '9');
    value = value * 10 + c - '0';
  }
  FUZZ_CHECK(value <= 255);
  return value;
}

// Every line ends in CR LF and every line but the last in a comma; the
// first line holds four values in mono-map mode, the others BytesPerLine
// (no limit when it is 0), the last one possibly fewer.
void CheckText(std::string_view text, const std::vector<std::uint8_t>& stream) {
  FUZZ_CHECK(text.ends_with("\r\n"));
  std::vector<std::string_view> lines;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find("\r\n", at);
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  std::size_t next = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool last = i + 1 == lines.size();
    std::string_view line = lines[i];
    FUZZ_CHECK(line.ends_with(',') != last);
    if (!last) line.remove_suffix(1);
    std::size_t count = 0;
    for (std::size_t at = 0; at <= line.size(); ++count) {
      const std::size_t comma = std::min(line.find(',', at), line.size());
      FUZZ_CHECK(next < stream.size());
      FUZZ_CHECK(ValueOf(line.substr(at, comma - at), Settings.DecimalMode) == stream[next++]);
      at = comma + 1;
    }
    const bool header = i == 0 && Settings.MonoMapMode;
    const std::size_t limit = header ? 4 : Settings.BytesPerLine > 0 ? Settings.BytesPerLine : SIZE_MAX;
    FUZZ_CHECK(last ? count <= limit : count == limit);
  }
  FUZZ_CHECK(next == stream.size());
  FUZZ_CHECK(LineNumber == static_cast<std::int32_t>(lines.size()));
}

const std::string& OutputPath() {
  static const std::string path = [] {
    const char* folder = getenv("TMPDIR");
    std::string name = std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") +
                       "/bitmap_fuzzer-XXXXXX";
    const int fd = mkstemp(name.data());
    FUZZ_CHECK(fd >= 0);
    close(fd);
    atexit([] { unlink(OutputPath().c_str()); });
    return name;
  }();
  return path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  SetDefaultSettings();
  Settings.ReverseMode = (data[0] & 1) != 0;
  Settings.DecimalMode = (data[0] & 2) != 0;
  Settings.MonoMapMode = (data[0] & 4) == 0;
  Settings.BytesPerLine = data[1] % 62 == 0 ? 0 : data[1] % 62 + 3;
  const std::string_view file(reinterpret_cast<const char*>(data) + 2, size - 2);

  const ModelImage model = Model(file);
  TBitmap bitmap;
  Outcome outcome = Outcome::Loads;
  try {
    bitmap.LoadFromBytes(file);
  } catch (const EReadError&) {
    outcome = Outcome::ReadError;
  } catch (const EInvalidGraphic&) {
    outcome = Outcome::InvalidGraphic;
  }
  FUZZ_CHECK(outcome == model.Result);
  if (outcome != Outcome::Loads) return 0;
  FUZZ_CHECK(bitmap.Width == model.Width && bitmap.Height == model.Height);
  FUZZ_CHECK((bitmap.PixelFormat == TPixelFormat::pf1bit) == model.OneBit);
  // The checks of the run.
  if (!model.OneBit || model.Width > 320 || model.Height > 240) return 0;

  // The canvas's answer for every block, against the model; nothing past the image.
  for (int top = 0; top < bitmap.Height; top += 8) {
    const int rows = std::min(8, bitmap.Height - top);
    for (int left = 0; left < bitmap.Width; left += 8) {
      const int columns = std::min(8, bitmap.Width - left);
      const std::array<std::uint8_t, 8> block = bitmap.Canvas.BlackBlock(left, columns, top, rows);
      for (int j = 0; j < 8; ++j) {
        for (int i = 0; i < 8; ++i) {
          const bool black = j < columns && i < rows && model.Colour(left + j, top + i) == clBlack;
          FUZZ_CHECK(((block[j] >> i) & 1) == (black ? 1 : 0));
        }
      }
    }
  }
  if (Settings.BytesPerLine == 0) Settings.BytesPerLine = bitmap.Width;
  ResetWriter();
  AssignFile(OutputFile, OutputPath());
  Rewrite(OutputFile);
  WriteMonoMap(bitmap);
  FinishOutput();
  CloseFile(OutputFile);

  const std::vector<std::uint8_t> stream = ExpectedStream(model, Settings.ReverseMode);
  FUZZ_CHECK(stream.size() == 4 + static_cast<std::size_t>(model.Width) * static_cast<std::size_t>((model.Height + 7) / 8));
  FUZZ_CHECK(TotalByteCount == static_cast<std::int32_t>(stream.size()));
  CheckText(ReadFile(OutputPath()), stream);
  return 0;
}
