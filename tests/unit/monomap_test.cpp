#include <gtest/gtest.h>

#include "convert/settings.h"
#include "convert/writer.h"
#include "tests/support/conversion.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Repeat(const Bytes& unit, int times) {
  Bytes out;
  for (int i = 0; i < times; ++i) out.insert(out.end(), unit.begin(), unit.end());
  return out;
}

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

constexpr Rgb Red{255, 0, 0}, Blue{0, 0, 255}, DarkGrey{1, 1, 1};

int Checkerboard(int x, int y) { return (x + y) % 2 == 0 ? 1 : 0; }
int AllOne(int, int) { return 1; }
int AllZero(int, int) { return 0; }
// Index 1 on the top row and the left column only.
int TopAndLeft(int x, int y) { return x == 0 || y == 0 ? 1 : 0; }

struct PackCase {
  const char* name;
  BmpLayout image;
  bool reverse;
  Bytes stream;
};
void PrintTo(const PackCase& c, std::ostream* os) { *os << c.name; }


class MonoMapTest : public testing::TestWithParam<PackCase> {};

TEST_P(MonoMapTest, PacksTheStream) {
  SetDefaultSettings();
  Settings.ReverseMode = GetParam().reverse;
  Settings.BytesPerLine = 64;
  EXPECT_EQ(ValuesOf(WrittenText(LoadedBitmap(GetParam().image))), GetParam().stream);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MonoMapTest,
    testing::Values(
        PackCase{"Checkerboard", {.Width = 10, .Height = 9, .Index = Checkerboard}, false,
                 Join({{10, 0, 9, 0}, Repeat({0x55, 0xAA}, 5), Repeat({0x01, 0x00}, 5)})},
        PackCase{"CheckerboardReversed", {.Width = 10, .Height = 9, .Index = Checkerboard}, true,
                 Join({{10, 0, 9, 0}, Repeat({0xAA, 0x55}, 5), Repeat({0x00, 0x01}, 5)})},
        PackCase{"TopDownRowsGiveTheSameBytes",
                 {.Width = 10, .Height = 9, .Index = Checkerboard, .TopDown = true}, false,
                 Join({{10, 0, 9, 0}, Repeat({0x55, 0xAA}, 5), Repeat({0x01, 0x00}, 5)})},
        PackCase{"HeightOneUsesBitZero", {.Width = 3, .Height = 1, .Index = AllOne}, false,
                 {3, 0, 1, 0, 0x01, 0x01, 0x01}},
        PackCase{"HeightOneReversed", {.Width = 3, .Height = 1, .Index = AllZero}, true,
                 {3, 0, 1, 0, 0x01, 0x01, 0x01}},
        PackCase{"HeightEightIsOneBand", {.Width = 4, .Height = 8, .Index = TopAndLeft}, false,
                 {4, 0, 8, 0, 0xFF, 0x01, 0x01, 0x01}},
        PackCase{"HeightNineIsTwoBands", {.Width = 4, .Height = 9, .Index = TopAndLeft}, false,
                 {4, 0, 9, 0, 0xFF, 0x01, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00}},
        PackCase{"HeightNineReversedLeavesRowsPastTheImageClear",
                 {.Width = 4, .Height = 9, .Index = TopAndLeft}, true,
                 {4, 0, 9, 0, 0x00, 0xFE, 0xFE, 0xFE, 0x00, 0x01, 0x01, 0x01}},
        PackCase{"BlackAtIndexZero",
                 {.Width = 4, .Height = 8, .Palette = {Black, White}, .Index = TopAndLeft}, false,
                 {4, 0, 8, 0, 0x00, 0xFE, 0xFE, 0xFE}},
        PackCase{"NoBlackInRedAndBlue",
                 {.Width = 3, .Height = 9, .Palette = {Red, Blue}, .Index = Checkerboard}, false,
                 {3, 0, 9, 0, 0, 0, 0, 0, 0, 0}},
        PackCase{"RedAndBlueReversedAreAllSet",
                 {.Width = 3, .Height = 9, .Palette = {Red, Blue}, .Index = Checkerboard}, true,
                 {3, 0, 9, 0, 0xFF, 0xFF, 0xFF, 0x01, 0x01, 0x01}},
        PackCase{"DarkGreyIsNotBlack",
                 {.Width = 4, .Height = 8, .Palette = {White, DarkGrey}, .Index = TopAndLeft}, false,
                 {4, 0, 8, 0, 0, 0, 0, 0}},
        // With one colour entry, index 1 has no colour: not black.
        PackCase{"MissingColourEntryIsNotBlack",
                 {.Width = 4, .Height = 8, .Palette = {Black}, .Index = TopAndLeft}, false,
                 {4, 0, 8, 0, 0x00, 0xFE, 0xFE, 0xFE}},
        PackCase{"CoreHeader",
                 {.Width = 10, .Height = 9, .Index = Checkerboard, .Header = BmpHeader::Core}, false,
                 Join({{10, 0, 9, 0}, Repeat({0x55, 0xAA}, 5), Repeat({0x01, 0x00}, 5)})},
        PackCase{"V5Header",
                 {.Width = 10, .Height = 9, .Index = Checkerboard, .Header = BmpHeader::V5}, false,
                 Join({{10, 0, 9, 0}, Repeat({0x55, 0xAA}, 5), Repeat({0x01, 0x00}, 5)})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MonoMapSizeTest, WideImageHeaderAndLength) {
  SetDefaultSettings();
  Settings.BytesPerLine = 64;
  const Bytes stream = ValuesOf(WrittenText(LoadedBitmap({.Width = 300, .Height = 240})));
  ASSERT_EQ(stream.size(), 9004u);
  EXPECT_EQ(Bytes(stream.begin(), stream.begin() + 4), (Bytes{0x2C, 0x01, 0xF0, 0x00}));
  EXPECT_EQ(TotalByteCount, 9004);
}

TEST(MonoMapSizeTest, EveryColumnInTheRightPlace) {
  // Only pixel (x, y) = (x, x % 19) is black: band x % 19 / 8, bit x % 19 % 8.
  SetDefaultSettings();
  Settings.BytesPerLine = 64;
  const Bytes stream = ValuesOf(WrittenText(
      LoadedBitmap({.Width = 37, .Height = 19, .Index = [](int x, int y) { return y == x % 19 ? 1 : 0; }})));
  ASSERT_EQ(stream.size(), 4u + 37 * 3);
  for (int band = 0; band < 3; ++band) {
    for (int x = 0; x < 37; ++x) {
      const int row = x % 19;
      const int expected = row / 8 == band ? 1 << (row % 8) : 0;
      EXPECT_EQ(stream[4 + band * 37 + x], expected) << "band " << band << " column " << x;
    }
  }
}

}  // namespace
