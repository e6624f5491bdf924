#include <gtest/gtest.h>

#include "viewer/byte_values.h"
#include "viewer/mono_image.h"
#include "viewer/render.h"
#include "viewer/view_arguments.h"
#include "viewer/view_error.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// The message of the ViewError the call raises, or "<none>".
template <typename Call>
std::string ErrorOf(Call call) {
  try {
    call();
  } catch (const ViewError& error) {
    return error.what();
  }
  return "<none>";
}

struct ValuesCase {
  const char* name;
  std::string text;
  Bytes values;
};
void PrintTo(const ValuesCase& c, std::ostream* os) { *os << c.name; }

class ByteValuesTest : public testing::TestWithParam<ValuesCase> {};

TEST_P(ByteValuesTest, ReadsTheValues) { EXPECT_EQ(ReadByteValues(GetParam().text), GetParam().values); }

INSTANTIATE_TEST_SUITE_P(
    Table, ByteValuesTest,
    testing::Values(ValuesCase{"Hexadecimal", "0x0A,0x00,0x09,0x00,\r\n0xFF,0x00\r\n", {10, 0, 9, 0, 255, 0}},
                    ValuesCase{"Decimal", "3,0,10,0,\r\n255,255,255,\r\n3,3,3\r\n", {3, 0, 10, 0, 255, 255, 255, 3, 3, 3}},
                    ValuesCase{"AsACompilerReadsThem", " 010 , 0X1f,\t0xa,0,", {8, 31, 10, 0}},
                    ValuesCase{"Nothing", "\r\n", {}}));

struct BadTextCase {
  const char* name;
  std::string text;
  std::string message;
};
void PrintTo(const BadTextCase& c, std::ostream* os) { *os << c.name; }

class BadByteValuesTest : public testing::TestWithParam<BadTextCase> {};

TEST_P(BadByteValuesTest, NamesTheLineAndTheProblem) {
  EXPECT_EQ(ErrorOf([] { ReadByteValues(GetParam().text); }), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadByteValuesTest,
    testing::Values(
        BadTextCase{"AboveAByte", "1,\r\n2,\r\n256", "line 3: '256' is not a byte value (0 to 255)"},
        BadTextCase{"HexAboveAByte", "0x100", "line 1: '0x100' is not a byte value (0 to 255)"},
        BadTextCase{"Negative", "-1", "line 1: '-1' is not a byte value (0 to 255)"},
        BadTextCase{"PrefixAlone", "0x,1", "line 1: '0x' is not a byte value (0 to 255)"},
        BadTextCase{"NotOctal", "08", "line 1: '08' is not a byte value (0 to 255)"},
        BadTextCase{"MissingValue", "1,,2", "line 1: a value is missing before ','"},
        BadTextCase{"LeadingComma", "\n,1", "line 2: a value is missing before ','"},
        BadTextCase{"MissingComma", "1 2", "line 1: ',' expected before '2'"},
        BadTextCase{"BinaryShownSafely", std::string("BM\x1b[2J\0", 7), "line 1: 'BM?[2J?' is not a byte value (0 to 255)"},
        BadTextCase{"LongTokenShortened", "0x0123456789ABCDEF0123", "line 1: '0x0123456789ABCD...' is not a byte value (0 to 255)"}));

TEST(MonoImageTest, ReadsTheHeaderAndTheBands) {
  // 2 x 9: two bands; the second holds row 8 in bit 0.
  const MonoImage image = ImageFromValues({2, 0, 9, 0, 0x81, 0x02, 0x01, 0x00}, std::nullopt);
  EXPECT_EQ(image.Width, 2u);
  EXPECT_EQ(image.Height, 9u);
  std::string pixels;
  for (std::size_t y = 0; y < image.Height; ++y) {
    for (std::size_t x = 0; x < image.Width; ++x) pixels += PixelIsSet(image, x, y) ? '#' : '.';
  }
  EXPECT_EQ(pixels, "#." ".#" ".." ".." ".." ".." ".." "#." "#.");
}

TEST(MonoImageTest, WithAWidthTakesEveryValueAsBandBytes) {
  const MonoImage image = ImageFromValues({0x01, 0x80, 0xFF, 0x00, 0x00, 0x01}, 3);
  EXPECT_EQ(image.Width, 3u);
  EXPECT_EQ(image.Height, 16u);
  EXPECT_TRUE(PixelIsSet(image, 0, 0));
  EXPECT_TRUE(PixelIsSet(image, 1, 7));
  EXPECT_TRUE(PixelIsSet(image, 2, 8));
  EXPECT_FALSE(PixelIsSet(image, 0, 8));
}

TEST(MonoImageTest, AnEmptyImageIsItsHeader) {
  const MonoImage image = ImageFromValues({0, 0, 5, 0}, std::nullopt);
  EXPECT_EQ(image.Width, 0u);
  EXPECT_EQ(image.Height, 5u);
}

TEST(MonoImageTest, RefusesValuesThatDoNotMakeTheImage) {
  EXPECT_EQ(ErrorOf([] { ImageFromValues({2, 0, 9, 0, 1, 2, 3}, std::nullopt); }),
            "its header gives 2 x 9 pixels, which take 8 values, but the file holds 7"
            " (use --width for a file without the header)");
  EXPECT_EQ(ErrorOf([] { ImageFromValues({2, 0, 9, 0, 1, 2, 3, 4, 5}, std::nullopt); }),
            "its header gives 2 x 9 pixels, which take 8 values, but the file holds 9"
            " (use --width for a file without the header)");
  EXPECT_EQ(ErrorOf([] { ImageFromValues({2, 0, 9}, std::nullopt); }),
            "the file holds 3 values, fewer than the 4 of the MMP header");
  EXPECT_EQ(ErrorOf([] { ImageFromValues({1, 2, 3, 4, 5}, 2); }), "5 values do not fill whole bands of 2 columns");
  EXPECT_EQ(ErrorOf([] { ImageFromValues({}, 2); }), "the file holds no values");
}

TEST(RenderTest, HalfBlocksShowTwoRowsToALine) {
  // 4 x 3: the columns show upper only, lower only, both and neither; the
  // last line has only an upper row.
  const MonoImage image{4, 3, {0b101, 0b110, 0b011, 0b000}};
  EXPECT_EQ(HalfBlockText(image), "\u2580\u2584\u2588 \n\u2580\u2580  \n");
}

TEST(RenderTest, PbmRowsArePaddedToWholeBytes) {
  // 9 x 2: column 0 set in row 0, column 8 in row 1.
  MonoImage image{9, 2, Bytes(9, 0)};
  image.Bands[0] = 0x01;
  image.Bands[8] = 0x02;
  EXPECT_EQ(PbmBytes(image), std::string("P4\n9 2\n\x80\x00\x00\x80", 11));
}

TEST(ViewArgumentsTest, ReadsTheOptionsInAnyOrder) {
  const ViewOptions options = ReadViewArguments({"--width", "64", "logo.c", "--pbm", "out.pbm"});
  EXPECT_EQ(options.InputFile, "logo.c");
  EXPECT_EQ(options.PbmFile, "out.pbm");
  EXPECT_EQ(options.Width, 64u);
  EXPECT_FALSE(options.Help);
  EXPECT_TRUE(ReadViewArguments({"logo.c", "--help"}).Help);
}

TEST(ViewArgumentsTest, RefusesWhatItDoesNotKnow) {
  using Arguments = std::vector<std::string>;
  const std::pair<Arguments, std::string> cases[] = {
      {{}, "no file given"},
      {{"a.c", "b.c"}, "one file at a time: a.c and b.c"},
      {{"a.c", "--pbm"}, "--pbm needs a value"},
      {{"a.c", "--view"}, "unknown option --view"},
      {{"a.c", "--width", "0"}, "--width takes a number of columns from 1 to 65535"},
      {{"a.c", "--width", "65536"}, "--width takes a number of columns from 1 to 65535"},
      {{"a.c", "--width", "99999999999999999999999"}, "--width takes a number of columns from 1 to 65535"},
      {{"a.c", "--width", "8x"}, "--width takes a number of columns from 1 to 65535"},
  };
  for (const auto& [arguments, message] : cases) {
    const Arguments& given = arguments;
    EXPECT_EQ(ErrorOf([&given] { ReadViewArguments(given); }), message);
  }
}

}  // namespace
