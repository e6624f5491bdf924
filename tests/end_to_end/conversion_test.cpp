#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "tests/support/bmp_builder.h"
#include "tests/support/checkerboard.h"
#include "tests/support/expected_console.h"
#include "tests/support/run_program.h"
#include "tests/support/sjis.h"

namespace {

using Files = std::map<std::string, std::string>;

const char* const DefaultMode10 = "通常,1行10バイト,16進,モノマップモード";

std::string BlankBmp(int width, int height, std::uint16_t bitCount = 1) {
  BmpLayout layout{.Width = width, .Height = height, .BitCount = bitCount};
  if (bitCount != 1) layout.Palette = {};
  return MakeBmp(layout);
}

std::string CutAt(const std::string& bytes, std::size_t length) { return bytes.substr(0, length); }

std::string WithU16(std::string bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>(value >> 8);
  return bytes;
}

std::string ConvertedCheckerboard(const std::string& input, const std::string& output) {
  return ReportLines(input, output, DefaultMode10, 10, 9) + SummaryLine(24, 3);
}

// A 320 x 240 image of white: 30 lines of 320 zeros after the header line.
std::string LargestWhiteC() {
  std::string zeros;
  for (int i = 0; i < 320; ++i) zeros += "0x00,";
  std::string text = "0x40,0x01,0xF0,0x00,\r\n";
  for (int line = 0; line < 30; ++line) text += zeros + "\r\n";
  text.erase(text.size() - 3, 1);
  return text;
}

struct ConversionCase {
  const char* name;
  Files before;
  std::vector<std::string> arguments;
  std::string output;  // after the banner; a failure's location as ########
  int exitStatus;
  Files after;  // every regular file in the folder afterwards
  std::function<void(const TempFolder&)> prepare = nullptr;
  const char* posixOnly = nullptr;  // why the case cannot run on Windows
};
void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.name; }


class ConversionTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionTest, ReportsAndLeavesTheRightFiles) {
  const ConversionCase& c = GetParam();
  if (c.posixOnly != nullptr && TestingWindowsBuild()) GTEST_SKIP() << c.posixOnly;
  const TempFolder folder;
  for (const auto& [name, bytes] : c.before) folder.Write(name, bytes);
  if (c.prepare) c.prepare(folder);
  const RunResult run = RunTalvorin(c.arguments, folder.Path());
  EXPECT_EQ(MaskLocation(run.Output), Banner() + c.output);
  EXPECT_EQ(run.ExitStatus, c.exitStatus);
  EXPECT_EQ(run.Errors, "");
  EXPECT_EQ(folder.Files(), c.after);
}

const std::string TrueColour = BlankBmp(640, 480, 24);
const std::string TooWide = BlankBmp(400, 300);
const std::string Largest = BlankBmp(320, 240);
const std::string Text14 = "This is not a bitmap.\n";

INSTANTIATE_TEST_SUITE_P(
    Checks, ConversionTest,
    testing::Values(
        ConversionCase{"MissingInput", {}, {"a.bmp"}, ConsoleLines({"a.bmpがありません。"}), 0, {}},
        ConversionCase{"FolderIsNoInput", {}, {"dir.bmp"}, ConsoleLines({"dir.bmpがありません。"}), 0, {},
                       [](const TempFolder& f) { mkdir((f / "dir.bmp").c_str(), 0755); }},
        ConversionCase{"TrueColour", {{"big.bmp", TrueColour}}, {"big.bmp"},
                       ReportLines("big.bmp", "big.c", "通常,1行640バイト,16進,モノマップモード", 640, 480) +
                           FailureReport("Exception", "2色のBMPではありません"),
                       1, {{"big.bmp", TrueColour}, {"big.c", ""}}},
        ConversionCase{"TooWideNamesOnlyTheWidth", {{"w.bmp", TooWide}}, {"w.bmp"},
                       ReportLines("w.bmp", "w.c", "通常,1行400バイト,16進,モノマップモード", 400, 300) +
                           FailureReport("Exception", "横幅が320ドットを超えています"),
                       1, {{"w.bmp", TooWide}, {"w.c", ""}}},
        ConversionCase{"Width321", {{"w.bmp", BlankBmp(321, 8)}}, {"w.bmp", "/8"},
                       ReportLines("w.bmp", "w.c", "通常,1行8バイト,16進,モノマップモード", 321, 8) +
                           FailureReport("Exception", "横幅が320ドットを超えています"),
                       1, {{"w.bmp", BlankBmp(321, 8)}, {"w.c", ""}}},
        ConversionCase{"Height241", {{"h.bmp", BlankBmp(8, 241)}}, {"h.bmp"},
                       ReportLines("h.bmp", "h.c", "通常,1行8バイト,16進,モノマップモード", 8, 241) +
                           FailureReport("Exception", "縦幅が240ドットを超えています"),
                       1, {{"h.bmp", BlankBmp(8, 241)}, {"h.c", ""}}},
        ConversionCase{"Largest", {{"l.bmp", Largest}}, {"l.bmp"},
                       ReportLines("l.bmp", "l.c", "通常,1行320バイト,16進,モノマップモード", 320, 240) +
                           SummaryLine(9604, 31),
                       0, {{"l.bmp", Largest}, {"l.c", LargestWhiteC()}}},
        ConversionCase{"EmptyFile", {{"e.bmp", ""}}, {"e.bmp"},
                       ReportLines("e.bmp", "e.c", "通常,1行0バイト,16進,モノマップモード", 0, 0) +
                           FailureReport("Exception", "2色のBMPではありません"),
                       1, {{"e.bmp", ""}, {"e.c", ""}}},
        ConversionCase{"TextFile", {{"t.bmp", Text14}}, {"t.bmp"},
                       FailureReport("EInvalidGraphic", "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です"), 1, {{"t.bmp", Text14}}},
        ConversionCase{"ShortFile", {{"s.bmp", "BM12"}}, {"s.bmp"},
                       FailureReport("EReadError", "ｽﾄﾘｰﾑからの読み込みｴﾗｰ"), 1, {{"s.bmp", "BM12"}}},
        ConversionCase{"ReplacesAnOldOutput", {{"p.bmp", Checkerboard}, {"p.c", "old text"}}, {"p.bmp"},
                       ConvertedCheckerboard("p.bmp", "p.c"), 0, {{"p.bmp", Checkerboard}, {"p.c", CheckerboardC}}},
        ConversionCase{"FailedCheckEmptiesAnOldOutput", {{"big.bmp", TrueColour}, {"big.c", "old text"}}, {"big.bmp"},
                       ReportLines("big.bmp", "big.c", "通常,1行640バイト,16進,モノマップモード", 640, 480) +
                           FailureReport("Exception", "2色のBMPではありません"),
                       1, {{"big.bmp", TrueColour}, {"big.c", ""}}},
        ConversionCase{"FailedLoadLeavesAnOldOutput", {{"t.bmp", Text14}, {"t.c", "old text"}}, {"t.bmp"},
                       FailureReport("EInvalidGraphic", "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です"), 1,
                       {{"t.bmp", Text14}, {"t.c", "old text"}}}),
    [](const auto& info) { return std::string(info.param.name); });

const std::string Katakana = "a.\x83\x5C";  // a.ソ: its second byte is 0x5C

INSTANTIATE_TEST_SUITE_P(
    Names, ConversionTest,
    testing::Values(
        ConversionCase{"NoExtension", {{"picture", Checkerboard}}, {"picture"},
                       ConvertedCheckerboard("picture", "picture.c"), 0,
                       {{"picture", Checkerboard}, {"picture.c", CheckerboardC}}},
        ConversionCase{"TwoDots", {{"a.b.bmp", Checkerboard}}, {"a.b.bmp"},
                       ConvertedCheckerboard("a.b.bmp", "a.b.c"), 0,
                       {{"a.b.bmp", Checkerboard}, {"a.b.c", CheckerboardC}}},
        ConversionCase{"UpperCaseExtension", {{"P.BMP", Checkerboard}}, {"P.BMP"},
                       ConvertedCheckerboard("P.BMP", "P.c"), 0, {{"P.BMP", Checkerboard}, {"P.c", CheckerboardC}}},
        ConversionCase{"ShiftJisTrailByte", {{Katakana, Checkerboard}}, {Katakana},
                       ConvertedCheckerboard(Katakana, "a.c"), 0, {{Katakana, Checkerboard}, {"a.c", CheckerboardC}}},
        ConversionCase{"DotInFolderName", {}, {"dir.old/picture"},
                       ConvertedCheckerboard("dir.old/picture", "dir.old/picture.c"), 0, {},
                       [](const TempFolder& f) {
                         mkdir((f / "dir.old").c_str(), 0755);
                         f.Write("dir.old/picture", Checkerboard);
                       }},
        ConversionCase{"InputIsItsOwnOutput", {{"pic.c", Checkerboard}}, {"pic.c"},
                       FailureReport("Exception", "出力ファイルが入力ファイルと同じです"), 1,
                       {{"pic.c", Checkerboard}}},
        ConversionCase{"HardLinkToItsOwnOutput", {{"pic.c", Checkerboard}}, {"pic.bmp"},
                       FailureReport("Exception", "出力ファイルが入力ファイルと同じです"), 1,
                       {{"pic.c", Checkerboard}, {"pic.bmp", Checkerboard}},
                       [](const TempFolder& f) { link((f / "pic.c").c_str(), (f / "pic.bmp").c_str()); }}),
    [](const auto& info) { return std::string(info.param.name); });

// Loader variants, each a 10 x 9 checkerboard or broken on purpose.
std::string CheckerboardWith(BmpLayout layout) {
  layout.Width = 10;
  layout.Height = 9;
  layout.Index = [](int x, int y) { return (x + y) % 2 == 0 ? 1 : 0; };
  return MakeBmp(layout);
}

const std::string Core = CheckerboardWith({.Header = BmpHeader::Core});
const std::string V5 = CheckerboardWith({.Header = BmpHeader::V5});
const std::string TopDown = CheckerboardWith({.TopDown = true});
const std::string OneColour = CheckerboardWith({.Palette = {Black}});
// Only the first stored row, the bottom one (row 8), is left.
const std::string CutInRows = CutAt(Checkerboard, 14 + 40 + 8 + 4);
const std::string CutInColours = CutAt(Checkerboard, 14 + 40 + 6);
const std::string TwoPlanes = WithU16(Checkerboard, 26, 2);

INSTANTIATE_TEST_SUITE_P(
    Loader, ConversionTest,
    testing::Values(
        ConversionCase{"CoreHeader", {{"p.bmp", Core}}, {"p.bmp"}, ConvertedCheckerboard("p.bmp", "p.c"), 0,
                       {{"p.bmp", Core}, {"p.c", CheckerboardC}}},
        ConversionCase{"V5Header", {{"p.bmp", V5}}, {"p.bmp"}, ConvertedCheckerboard("p.bmp", "p.c"), 0,
                       {{"p.bmp", V5}, {"p.c", CheckerboardC}}},
        ConversionCase{"TopDownRows", {{"p.bmp", TopDown}}, {"p.bmp"}, ConvertedCheckerboard("p.bmp", "p.c"), 0,
                       {{"p.bmp", TopDown}, {"p.c", CheckerboardC}}},
        // Index 0 is black, index 1 has no colour and is not black.
        ConversionCase{"OneColourEntry", {{"p.bmp", OneColour}}, {"p.bmp"}, ConvertedCheckerboard("p.bmp", "p.c"), 0,
                       {{"p.bmp", OneColour},
                        {"p.c",
                         "0x0A,0x00,0x09,0x00,\r\n"
                         "0xAA,0x55,0xAA,0x55,0xAA,0x55,0xAA,0x55,0xAA,0x55,\r\n"
                         "0x00,0x01,0x00,0x01,0x00,0x01,0x00,0x01,0x00,0x01\r\n"}}},
        // Missing rows read as index 0, white here.
        ConversionCase{"CutInsideRows", {{"p.bmp", CutInRows}}, {"p.bmp"}, ConvertedCheckerboard("p.bmp", "p.c"), 0,
                       {{"p.bmp", CutInRows},
                        {"p.c",
                         "0x0A,0x00,0x09,0x00,\r\n"
                         "0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,\r\n"
                         "0x01,0x00,0x01,0x00,0x01,0x00,0x01,0x00,0x01,0x00\r\n"}}},
        ConversionCase{"CutInsideColourTable", {{"p.bmp", CutInColours}}, {"p.bmp"},
                       FailureReport("EReadError", "ｽﾄﾘｰﾑからの読み込みｴﾗｰ"), 1, {{"p.bmp", CutInColours}}},
        ConversionCase{"TwoPlanes", {{"p.bmp", TwoPlanes}}, {"p.bmp"},
                       FailureReport("EInvalidGraphic", "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です"), 1, {{"p.bmp", TwoPlanes}}}),
    [](const auto& info) { return std::string(info.param.name); });

const std::string LongName(254, 'n');

INSTANTIATE_TEST_SUITE_P(
    FileSystem, ConversionTest,
    testing::Values(
        ConversionCase{"OutputIsAFolder", {{"p.bmp", Checkerboard}}, {"p.bmp"},
                       FailureReport("EInOutError", "ﾌｧｲﾙへのｱｸｾｽが拒否されました"), 1, {{"p.bmp", Checkerboard}},
                       [](const TempFolder& f) { mkdir((f / "p.c").c_str(), 0755); }},
        // Buffered lines reach the device at the close, which fails: no summary.
        // A full disk is ENOSPC (28) on POSIX, ERROR_DISK_FULL (112) on Windows.
        ConversionCase{"OutputLinksToAFullDevice", {{"p.bmp", Checkerboard}}, {"p.bmp"},
                       ReportLines("p.bmp", "p.c", DefaultMode10, 10, 9) +
                           FailureReport("EInOutError", TestingWindowsBuild() ? "I/O ｴﾗｰ (112)" : "I/O ｴﾗｰ (28)"),
                       1, {{"p.bmp", Checkerboard}},
                       [](const TempFolder& f) { symlink("/dev/full", (f / "p.c").c_str()); }},
        // 254 bytes is a valid name, its output of 256 is not.
        ConversionCase{"OutputNameTooLong", {{LongName, Checkerboard}}, {LongName},
                       FailureReport("EInOutError", "不正なﾌｧｲﾙ名です"), 1, {{LongName, Checkerboard}}, nullptr,
                       "Wine reports a name too long for Linux as error 2, not as Windows does"},
        ConversionCase{"SymbolicLinkToItsOwnOutput", {{"pic.c", Checkerboard}}, {"pic.bmp"},
                       FailureReport("Exception", "出力ファイルが入力ファイルと同じです"), 1,
                       {{"pic.c", Checkerboard}},
                       [](const TempFolder& f) { symlink("pic.c", (f / "pic.bmp").c_str()); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
