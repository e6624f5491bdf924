#include <gtest/gtest.h>

#include <csignal>

#include "tests/support/bmp_builder.h"
#include "tests/support/expected_console.h"
#include "tests/support/run_program.h"
#include "tests/support/sjis.h"

namespace {

// A 10 x 9 checkerboard: 24 values.
const std::string Picture = BlackWhiteBmp(10, 9, [](int x, int y) { return (x + y) % 2 == 0; });

std::string Converted(std::string_view mode, int lines) {
  return ReportLines("pic.bmp", "pic.c", mode, 10, 9) + SummaryLine(24, lines);
}

struct CommandCase {
  const char* name;
  std::vector<std::string> arguments;
  std::string output;  // after the banner
  bool converts;
};
void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.name; }


class CommandLineTest : public testing::TestWithParam<CommandCase> {};

TEST_P(CommandLineTest, ShowsTheSyntaxOrConverts) {
  const CommandCase& c = GetParam();
  const TempFolder folder;
  folder.Write("pic.bmp", Picture);
  const RunResult run = RunTalvorin(c.arguments, folder.Path());
  EXPECT_EQ(run.Output, Banner() + c.output);
  EXPECT_EQ(run.ExitStatus, 0);
  EXPECT_EQ(run.Errors, "");
  EXPECT_EQ(folder.Read("pic.c").has_value(), c.converts);
}

const char* const Default = "通常,1行10バイト,16進,モノマップモード";

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineTest,
    testing::Values(
        CommandCase{"NoArguments", {}, SyntaxText(), false},
        CommandCase{"FileOnly", {"pic.bmp"}, Converted(Default, 3), true},
        CommandCase{"SwitchesIgnoreCase", {"pic.bmp", "/dec", "/Rev", "/nmmp"},
                    Converted("反転,1行10バイト,10進モード", 3), true},
        CommandCase{"NoSlash", {"pic.bmp", "DEC"}, SyntaxText(), false},
        CommandCase{"SwitchBeforeFile", {"/DEC", "pic.bmp"}, SyntaxText(), false},
        CommandCase{"SwitchAsFileName", {"/DEC"}, ConsoleLines({"/DECがありません。"}), false},
        CommandCase{"LongerSwitch", {"pic.bmp", "/DECIMAL"}, SyntaxText(), false},
        CommandCase{"Three", {"pic.bmp", "/3"}, SyntaxText(), false},
        CommandCase{"SixtyFive", {"pic.bmp", "/65"}, SyntaxText(), false},
        CommandCase{"Four", {"pic.bmp", "/4"}, Converted("通常,1行4バイト,16進,モノマップモード", 6), true},
        CommandCase{"SixtyFour", {"pic.bmp", "/64"}, Converted("通常,1行64バイト,16進,モノマップモード", 2), true},
        CommandCase{"ZeroRestoresWidth", {"pic.bmp", "/16", "/0"}, Converted(Default, 3), true},
        CommandCase{"LaterRejectWins", {"pic.bmp", "/8", "/3"}, SyntaxText(), false},
        CommandCase{"HexNumber", {"pic.bmp", "/$40"}, Converted("通常,1行64バイト,16進,モノマップモード", 2), true},
        CommandCase{"EmptyArgumentDoesNotCount", {"pic.bmp", "", "/DEC"},
                    Converted("通常,1行10バイト,10進,モノマップモード", 3), true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConvertedFileTest, HoldsTheStreamInCSourceLines) {
  const TempFolder folder;
  folder.Write("pic.bmp", Picture);
  RunTalvorin({"pic.bmp"}, folder.Path());
  EXPECT_EQ(folder.Read("pic.c"),
            "0x0A,0x00,0x09,0x00,\r\n"
            "0x55,0xAA,0x55,0xAA,0x55,0xAA,0x55,0xAA,0x55,0xAA,\r\n"
            "0x01,0x00,0x01,0x00,0x01,0x00,0x01,0x00,0x01,0x00\r\n");
}

struct BrokenStdoutCase {
  const char* name;
  RunOptions options;
};
void PrintTo(const BrokenStdoutCase& c, std::ostream* os) { *os << c.name; }


class BrokenStdoutTest : public testing::TestWithParam<BrokenStdoutCase> {};

// The banner cannot be written: the run stops with status 1, never a signal,
// and nothing is converted.
TEST_P(BrokenStdoutTest, EndsWithStatusOne) {
  const TempFolder folder;
  folder.Write("pic.bmp", Picture);
  const RunResult run = RunTalvorin({"pic.bmp"}, folder.Path(), GetParam().options);
  EXPECT_EQ(run.Signal, 0);
  EXPECT_EQ(run.ExitStatus, 1);
  EXPECT_EQ(run.Errors, "");
  EXPECT_FALSE(folder.Read("pic.c").has_value());
}

INSTANTIATE_TEST_SUITE_P(Table, BrokenStdoutTest,
                         testing::Values(BrokenStdoutCase{"Full", {.StdoutFile = "/dev/full"}},
                                         BrokenStdoutCase{"ClosedPipe", {.ClosedPipe = true}},
                                         BrokenStdoutCase{"Closed", {.ClosedStdout = true}}),
                         [](const auto& info) { return std::string(info.param.name); });

std::string WithoutCarriageReturns(std::string text) {
  std::erase(text, '\r');
  return text;
}

TEST(TerminalTest, Utf8TerminalGetsUtf8AndNamesAsGiven) {
  if (TestingWindowsBuild()) GTEST_SKIP() << "POSIX terminals";
  const TempFolder folder;
  const RunResult run = RunTalvorin({"\xE3\x81\x82\x83\x5C.bmp"}, folder.Path(), {.Terminal = "C.UTF-8"});
  EXPECT_EQ(WithoutCarriageReturns(run.Output),
            "BMPファイルをCソースに取り込みやすいようにMMP形式で変換 v1.01\n"
            "Programmed by the talvorin developers\n\n"
            "\xE3\x81\x82\x83\x5C.bmpがありません。\n");
  EXPECT_EQ(run.ExitStatus, 0);
}

TEST(TerminalTest, OtherTerminalsGetCp932) {
  if (TestingWindowsBuild()) GTEST_SKIP() << "POSIX terminals";
  const TempFolder folder;
  const RunResult run = RunTalvorin({"x.bmp"}, folder.Path(), {.Terminal = "ja_JP.SJIS"});
  EXPECT_EQ(WithoutCarriageReturns(run.Output),
            WithoutCarriageReturns(Banner() + ConsoleLines({"x.bmpがありません。"})));
}

}  // namespace
