#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>

#include "platform/bitmap.h"
#include "platform/failures.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/conversion.h"
#include "tests/support/sjis.h"

namespace {

void SetU32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

const std::string Checkerboard10x9 = BlackWhiteBmp(10, 9, [](int x, int y) { return (x + y) % 2 == 0; });

// Offsets in a file with a 40-byte information header.
constexpr std::size_t WidthAt = 18, HeightAt = 22, PlanesAt = 26,
                      CompressionAt = 30, ImageSizeAt = 34, ColoursAt = 46, PaletteAt = 54;

enum class Outcome { Loads, ReadError, InvalidGraphic };

struct LoadCase {
  const char* name;
  std::function<std::string()> bytes;
  Outcome outcome;
};
void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }


class LoadTest : public testing::TestWithParam<LoadCase> {};

// Loading fails with that kind of failure and message.
template <typename Failure>
void ExpectFailure(const std::string& bytes, const char* utf8Message) {
  TBitmap bitmap;
  try {
    bitmap.LoadFromBytes(bytes);
    ADD_FAILURE() << "loaded";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.Message(), Sjis(utf8Message));
  }
}

TEST_P(LoadTest, LoadsOrFails) {
  const std::string bytes = GetParam().bytes();
  switch (GetParam().outcome) {
    case Outcome::Loads: {
      TBitmap bitmap;
      EXPECT_NO_THROW(bitmap.LoadFromBytes(bytes));
      break;
    }
    case Outcome::ReadError:
      ExpectFailure<EReadError>(bytes, "ｽﾄﾘｰﾑからの読み込みｴﾗｰ");
      break;
    case Outcome::InvalidGraphic:
      ExpectFailure<EInvalidGraphic>(bytes, "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です");
      break;
  }
}

std::function<std::string()> Changed(std::size_t at, std::uint32_t value) {
  return [at, value] {
    std::string bytes = Checkerboard10x9;
    SetU32(bytes, at, value);
    return bytes;
  };
}

std::function<std::string()> Cut(std::size_t length) {
  return [length] { return Checkerboard10x9.substr(0, length); };
}

INSTANTIATE_TEST_SUITE_P(
    Table, LoadTest,
    testing::Values(
        LoadCase{"Whole", Cut(10000), Outcome::Loads},
        LoadCase{"Empty", Cut(0), Outcome::Loads},
        LoadCase{"ShorterThanFileHeader", Cut(13), Outcome::ReadError},
        LoadCase{"EndsAfterFileHeader", Cut(14), Outcome::ReadError},
        LoadCase{"EndsInsideInfoHeader", Cut(40), Outcome::ReadError},
        LoadCase{"EndsInsideColourTable", Cut(PaletteAt + 5), Outcome::ReadError},
        LoadCase{"EndsInsidePixels", Cut(PaletteAt + 8 + 10), Outcome::Loads},
        LoadCase{"ZeroWidth", Changed(WidthAt, 0), Outcome::Loads},
        LoadCase{"NotBM", [] { return std::string(20, 'x'); }, Outcome::InvalidGraphic},
        LoadCase{"InfoHeaderSize20", Changed(14, 20), Outcome::InvalidGraphic},
        LoadCase{"InfoHeaderLongerThanFile", Changed(14, 0xFFFFFFFF), Outcome::ReadError},
        LoadCase{"TwoPlanes", Changed(PlanesAt, 0x00010002), Outcome::InvalidGraphic},
        LoadCase{"NegativeWidth", Changed(WidthAt, 0xFFFFFFF6), Outcome::InvalidGraphic},
        LoadCase{"LowestHeight", Changed(HeightAt, 0x80000000), Outcome::InvalidGraphic},
        LoadCase{"CompressedOneBit", Changed(CompressionAt, 1), Outcome::InvalidGraphic},
        LoadCase{"HugeColourCount", Changed(ColoursAt, 0xFFFFFFFF), Outcome::ReadError}),
    [](const auto& info) { return std::string(info.param.name); });

// The block query against the pixels as the builder wrote them.
struct BlockCase {
  const char* name;
  BmpLayout image;
  // How many rows the file keeps, in its stored order; -1 keeps them all.
  int storedRows = -1;
};
void PrintTo(const BlockCase& c, std::ostream* os) { *os << c.name; }

// No two neighbours alike along either axis, and not symmetric.
int Scattered(int x, int y) { return (x * x + 3 * y) % 5 < 2 ? 1 : 0; }

constexpr Rgb DarkGrey{1, 1, 1};

bool ExpectedBlack(const BlockCase& c, int x, int y) {
  const BmpLayout& image = c.image;
  if (x >= image.Width || y >= image.Height) return false;
  const int stored = image.TopDown ? y : image.Height - 1 - y;
  const int index = c.storedRows < 0 || stored < c.storedRows ? image.Index(x, y) : 0;
  if (index >= static_cast<int>(image.Palette.size())) return false;
  const Rgb colour = image.Palette[static_cast<std::size_t>(index)];
  return colour.Red == 0 && colour.Green == 0 && colour.Blue == 0;
}

class BlackBlockTest : public testing::TestWithParam<BlockCase> {};

TEST_P(BlackBlockTest, AnswersEveryBlockOfTheImage) {
  const BlockCase& c = GetParam();
  std::string bytes = MakeBmp(c.image);
  if (c.storedRows >= 0) {
    const int rowBytes = (c.image.Width + 31) / 32 * 4;
    bytes.resize(bytes.size() - static_cast<std::size_t>((c.image.Height - c.storedRows) * rowBytes));
  }
  TBitmap bitmap;
  bitmap.LoadFromBytes(bytes);
  for (int top = 0; top < c.image.Height; top += 8) {
    for (int left = 0; left < c.image.Width; left += 8) {
      std::array<std::uint8_t, 8> expected{};
      for (int j = 0; j < 8; ++j) {
        for (int i = 0; i < 8; ++i) {
          if (ExpectedBlack(c, left + j, top + i)) expected[static_cast<std::size_t>(j)] |= 1 << i;
        }
      }
      const int columns = std::min(8, c.image.Width - left), rows = std::min(8, c.image.Height - top);
      EXPECT_EQ(bitmap.Canvas.BlackBlock(left, columns, top, rows), expected)
          << "block at column " << left << ", row " << top;
    }
  }
}

// 13 x 11 pixels: a whole block, then blocks cut on the right, at the bottom
// and both.
INSTANTIATE_TEST_SUITE_P(
    Table, BlackBlockTest,
    testing::Values(
        BlockCase{"BottomUp", {.Width = 13, .Height = 11, .Index = Scattered}},
        BlockCase{"TopDown", {.Width = 13, .Height = 11, .Index = Scattered, .TopDown = true}},
        BlockCase{"WholeBlocksOnly", {.Width = 16, .Height = 16, .Index = Scattered}},
        // With index 0 black, the padding bits past the right edge would read black.
        BlockCase{"BlackAtIndexZero", {.Width = 13, .Height = 11, .Palette = {Black, White}, .Index = Scattered}},
        BlockCase{"ShortFileBottomUp",
                  {.Width = 13, .Height = 11, .Palette = {Black, White}, .Index = Scattered}, 4},
        BlockCase{"ShortFileTopDown",
                  {.Width = 13, .Height = 11, .Palette = {White, Black}, .Index = Scattered, .TopDown = true}, 9},
        BlockCase{"NoRowsStored", {.Width = 13, .Height = 11, .Palette = {Black, White}, .Index = Scattered}, 0},
        BlockCase{"OneColourEntry", {.Width = 13, .Height = 11, .Palette = {Black}, .Index = Scattered}},
        BlockCase{"BothEntriesBlack", {.Width = 13, .Height = 11, .Palette = {Black, Black}, .Index = Scattered}},
        BlockCase{"NeitherEntryBlack",
                  {.Width = 13, .Height = 11, .Palette = {White, DarkGrey}, .Index = Scattered}},
        BlockCase{"OnePixel", {.Width = 1, .Height = 1, .Index = [](int, int) { return 1; }}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BitmapTest, EmptyFileIsAnEmptyImageOfAnotherFormat) {
  TBitmap bitmap;
  bitmap.LoadFromBytes("");
  EXPECT_EQ(bitmap.Width, 0);
  EXPECT_EQ(bitmap.Height, 0);
  EXPECT_EQ(bitmap.PixelFormat, TPixelFormat::pfOther);
}

TEST(BitmapTest, OtherBitCountsKeepTheirSizeButNoPixels) {
  BmpLayout layout{.Width = 640, .Height = 480, .BitCount = 24, .Palette = {}};
  TBitmap bitmap;
  bitmap.LoadFromBytes(MakeBmp(layout));
  EXPECT_EQ(bitmap.Width, 640);
  EXPECT_EQ(bitmap.Height, 480);
  EXPECT_EQ(bitmap.PixelFormat, TPixelFormat::pfOther);
  EXPECT_TRUE(bitmap.Canvas.Rows.empty());
}

TEST(BitmapTest, MissingRowsReadAsIndexZero) {
  // Bottom-up: a file cut after its first stored row keeps only the bottom row.
  std::string bytes = MakeBmp({.Width = 8, .Height = 3, .Palette = {Black, White},
                               .Index = [](int, int) { return 1; }});
  bytes.resize(PaletteAt + 8 + 4);
  TBitmap bitmap;
  bitmap.LoadFromBytes(bytes);
  EXPECT_FALSE(IsBlackPixel(bitmap, 0, 2));
  EXPECT_TRUE(IsBlackPixel(bitmap, 0, 1));
  EXPECT_TRUE(IsBlackPixel(bitmap, 7, 0));
}

TEST(BitmapTest, SmallImageSizeFieldLimitsTheRowsRead) {
  std::string bytes = MakeBmp({.Width = 8, .Height = 3, .Palette = {Black, White},
                               .Index = [](int, int) { return 1; }});
  SetU32(bytes, ImageSizeAt, 4);
  TBitmap bitmap;
  bitmap.LoadFromBytes(bytes);
  EXPECT_FALSE(IsBlackPixel(bitmap, 3, 2));
  EXPECT_TRUE(IsBlackPixel(bitmap, 3, 1));
}

TEST(BitmapTest, ColoursAreRedGreenBlueFromTheTable) {
  const Rgb pink{0xFF, 0x80, 0x40}, teal{0x00, 0x80, 0x80};
  for (const BmpHeader header : {BmpHeader::Core, BmpHeader::Info, BmpHeader::V5}) {
    TBitmap bitmap;
    bitmap.LoadFromBytes(MakeBmp({.Width = 2, .Height = 1, .Palette = {pink, teal},
                                  .Index = [](int x, int) { return x; }, .Header = header}));
    EXPECT_EQ(bitmap.PixelFormat, TPixelFormat::pf1bit);
    EXPECT_EQ(bitmap.Canvas.Palette[0], 0x4080FFu);
    EXPECT_EQ(bitmap.Canvas.Palette[1], 0x808000u);
  }
}

TEST(BitmapTest, PixelsStartAfterAColourTableOfAnyStatedLength) {
  // Three entries stated: the rows start after the third.
  BmpLayout layout{.Width = 8, .Height = 1, .Palette = {White, Black, Black},
               .Index = [](int x, int) { return x == 2 ? 1 : 0; }};
  TBitmap bitmap;
  bitmap.LoadFromBytes(MakeBmp(layout));
  EXPECT_TRUE(IsBlackPixel(bitmap, 2, 0));
  EXPECT_FALSE(IsBlackPixel(bitmap, 3, 0));
}

TEST(BitmapTest, Os2HeaderOf64Bytes) {
  std::string bytes = Checkerboard10x9;
  SetU32(bytes, 14, 64);
  bytes.insert(14 + 40, std::string(24, '\0'));
  TBitmap bitmap;
  bitmap.LoadFromBytes(bytes);
  EXPECT_EQ(bitmap.Width, 10);
  EXPECT_TRUE(IsBlackPixel(bitmap, 0, 0));
  EXPECT_FALSE(IsBlackPixel(bitmap, 1, 0));
}

TEST(BitmapTest, HeaderClaimsDoNotSizeMemory) {
  std::string bytes = Checkerboard10x9;
  SetU32(bytes, WidthAt, 100000);
  SetU32(bytes, HeightAt, 100000);
  SetU32(bytes, ImageSizeAt, 0);
  TBitmap bitmap;
  bitmap.LoadFromBytes(bytes);
  EXPECT_EQ(bitmap.Width, 100000);
  EXPECT_EQ(bitmap.Height, 100000);
  EXPECT_LE(bitmap.Canvas.Rows.size(), bytes.size());
}

}  // namespace
