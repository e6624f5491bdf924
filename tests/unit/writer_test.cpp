#include <gtest/gtest.h>

#include "convert/settings.h"
#include "convert/writer.h"
#include "platform/failures.h"
#include "tests/support/conversion.h"
#include "tests/support/run_program.h"
#include "tests/support/sjis.h"

namespace {

struct WriterCase {
  const char* name;
  int width, height;
  bool decimal, monoMap;
  std::int32_t bytesPerLine;
  std::string text;
  std::int32_t totalBytes, lines;
};
void PrintTo(const WriterCase& c, std::ostream* os) { *os << c.name; }


class WriterTest : public testing::TestWithParam<WriterCase> {};

TEST_P(WriterTest, WritesLinesAndCounts) {
  const WriterCase& c = GetParam();
  SetDefaultSettings();
  Settings.DecimalMode = c.decimal;
  Settings.MonoMapMode = c.monoMap;
  Settings.BytesPerLine = c.bytesPerLine;
  const TBitmap bitmap = LoadedBitmap(
      {.Width = c.width, .Height = c.height, .Index = [](int x, int y) { return (x + y) % 2 == 0 ? 1 : 0; }});
  EXPECT_EQ(WrittenText(bitmap), c.text);
  EXPECT_EQ(TotalByteCount, c.totalBytes);
  EXPECT_EQ(LineNumber, c.lines);
}

// Black where x + y is even.
INSTANTIATE_TEST_SUITE_P(
    Table, WriterTest,
    testing::Values(
        // 10 x 9 checkerboard: 24 values.
        WriterCase{"Checkerboard", 10, 9, false, true, 10,
                   "0x0A,0x00,0x09,0x00,\r\n"
                   "0x55,0xAA,0x55,0xAA,0x55,0xAA,0x55,0xAA,0x55,0xAA,\r\n"
                   "0x01,0x00,0x01,0x00,0x01,0x00,0x01,0x00,0x01,0x00\r\n",
                   24, 3},
        // The first line keeps four values even with 8 to a line.
        WriterCase{"HeaderLineShorterThanOthers", 10, 9, false, true, 8,
                   "0x0A,0x00,0x09,0x00,\r\n"
                   "0x55,0xAA,0x55,0xAA,0x55,0xAA,0x55,0xAA,\r\n"
                   "0x55,0xAA,0x01,0x00,0x01,0x00,0x01,0x00,\r\n"
                   "0x01,0x00,0x01,0x00\r\n",
                   24, 4},
        // Without the mono-map line a width that does not divide the stream.
        WriterCase{"NoHeaderLine", 10, 9, false, false, 7,
                   "0x0A,0x00,0x09,0x00,0x55,0xAA,0x55,\r\n"
                   "0xAA,0x55,0xAA,0x55,0xAA,0x55,0xAA,\r\n"
                   "0x01,0x00,0x01,0x00,0x01,0x00,0x01,\r\n"
                   "0x00,0x01,0x00\r\n",
                   24, 4},
        WriterCase{"DecimalHasNoLeadingZeros", 10, 9, true, false, 64,
                   "10,0,9,0,85,170,85,170,85,170,85,170,85,170,1,0,1,0,1,0,1,0,1,0\r\n", 24, 1},
        // An image of width 0 sets no line limit: no empty line.
        WriterCase{"WidthZero", 0, 5, false, true, 0, "0x00,0x00,0x05,0x00\r\n", 4, 1},
        WriterCase{"WidthZeroNoHeaderLine", 0, 5, true, false, 0, "0,0,5,0\r\n", 4, 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct AllBlackCase {
  bool decimal, monoMap;
  std::string text;
  std::int32_t lines;
};
void PrintTo(const AllBlackCase& c, std::ostream* os) { *os << (c.decimal ? "decimal" : "hex") << (c.monoMap ? "" : " /NMMP"); }


class AllBlackTest : public testing::TestWithParam<AllBlackCase> {};

// A 3 x 10 image, all black, with the width as the line length.
TEST_P(AllBlackTest, WritesTheSmallImage) {
  SetDefaultSettings();
  Settings.DecimalMode = GetParam().decimal;
  Settings.MonoMapMode = GetParam().monoMap;
  Settings.BytesPerLine = 3;
  const TBitmap bitmap = LoadedBitmap({.Width = 3, .Height = 10, .Index = [](int, int) { return 1; }});
  EXPECT_EQ(WrittenText(bitmap), GetParam().text);
  EXPECT_EQ(TotalByteCount, 10);
  EXPECT_EQ(LineNumber, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AllBlackTest,
    testing::Values(AllBlackCase{false, true, "0x03,0x00,0x0A,0x00,\r\n0xFF,0xFF,0xFF,\r\n0x03,0x03,0x03\r\n", 3},
                    AllBlackCase{true, true, "3,0,10,0,\r\n255,255,255,\r\n3,3,3\r\n", 3},
                    AllBlackCase{false, false,
                                 "0x03,0x00,0x0A,\r\n0x00,0xFF,0xFF,\r\n0xFF,0x03,0x03,\r\n0x03\r\n", 4}));

TEST(WriterLimitsTest, LargestImageGivesThirtyOneLines) {
  SetDefaultSettings();
  Settings.BytesPerLine = 320;
  const TBitmap bitmap = LoadedBitmap({.Width = 320, .Height = 240});
  const std::string text = WrittenText(bitmap);
  EXPECT_EQ(TotalByteCount, 9604);
  EXPECT_EQ(LineNumber, 31);
  std::string zeros;
  for (int i = 0; i < 320; ++i) zeros += "0x00,";
  std::string expected = "0x40,0x01,0xF0,0x00,\r\n";
  for (int line = 0; line < 30; ++line) expected += zeros + "\r\n";
  expected.erase(expected.size() - 3, 1);  // no comma after the last value
  EXPECT_EQ(text, expected);
}

// Without a line limit the line outgrows the writer's line buffer.
TEST(WriterLimitsTest, UnlimitedLineLongerThanTheLineBuffer) {
  SetDefaultSettings();
  Settings.MonoMapMode = false;
  Settings.BytesPerLine = 0;
  const TempFolder folder;
  ResetWriter();
  AssignFile(OutputFile, folder / "out.c");
  Rewrite(OutputFile);
  for (int i = 0; i < 3000; ++i) PutByte(0xAB);
  FinishOutput();
  CloseFile(OutputFile);
  std::string expected;
  for (int i = 0; i < 2999; ++i) expected += "0xAB,";
  expected += "0xAB\r\n";
  EXPECT_EQ(folder.Read("out.c"), expected);
  EXPECT_EQ(LineNumber, 1);
  EXPECT_EQ(TotalByteCount, 3000);
}

TEST(WriterFailureTest, FullDeviceRaisesAndTheStateStays) {
  SetDefaultSettings();
  Settings.BytesPerLine = 64;
  ResetWriter();
  AssignFile(OutputFile, "/dev/full");
  Rewrite(OutputFile);
  std::int32_t sent = 0;
  std::string message;
  try {
    // Far more than the file buffers, so a write fails before the close.
    for (; sent < 1000000; ++sent) PutByte(0x5A);
  } catch (const EInOutError& failure) {
    message = failure.Message();
  }
  EXPECT_EQ(message, Sjis("I/O ｴﾗｰ (28)"));
  ASSERT_LT(sent, 1000000);
  // The value that found the line full was not taken, nor the line counted.
  EXPECT_EQ(TotalByteCount, sent);
  EXPECT_EQ(LineByteCount, 64);
  EXPECT_EQ(LineNumber, (sent - 4) / 64 + 1);
  // What failed is not tried again: the close has nothing left to write.
  EXPECT_NO_THROW(CloseFile(OutputFile));
  EXPECT_FALSE(IsOpen(OutputFile));
}

TEST(WriterFailureTest, CloseReportsWhatTheBufferCouldNotWrite) {
  SetDefaultSettings();
  ResetWriter();
  AssignFile(OutputFile, "/dev/full");
  Rewrite(OutputFile);
  for (int i = 0; i < 10; ++i) PutByte(1);
  FinishOutput();
  try {
    CloseFile(OutputFile);
    ADD_FAILURE() << "the close did not fail";
  } catch (const EInOutError& failure) {
    EXPECT_EQ(failure.Message(), Sjis("I/O ｴﾗｰ (28)"));
  }
  EXPECT_FALSE(IsOpen(OutputFile));
}

}  // namespace
