// Cases only the Windows build has: talvorin.exe started from a raw command
// line, as a Windows shell passes it, by talvorin_launch.exe (built beside
// it); files held open by another program; the console's code page. Wine runs
// with a CP932 locale, so names and console bytes pass through unchanged.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <regex>

#include "tests/support/checkerboard.h"
#include "tests/support/expected_console.h"
#include "tests/support/run_program.h"
#include "tests/support/sjis.h"

namespace {

using Files = std::map<std::string, std::string>;

const std::string CheckerboardDecimalC =
    "10,0,9,0,\r\n"
    "85,170,85,170,85,170,85,170,85,170,\r\n"
    "1,0,1,0,1,0,1,0,1,0\r\n";

struct Launch {
  std::string held = "";     // kept open without sharing meanwhile
  bool utf8Console = false;  // the console switched to code page 65001
  std::string terminal = "";  // a terminal, with this locale, as in RunOptions
};

RunResult RunCommandLine(const std::string& line, const std::string& folder, const Launch& launch = {}) {
  std::vector<std::string> words = TalvorinCommand();
  std::string& program = words.back();
  program = program.substr(0, program.find_last_of('/') + 1) + "talvorin_launch.exe";
  if (!launch.held.empty()) words.insert(words.end(), {"/hold", launch.held});
  if (launch.utf8Console) words.push_back("/utf8");
  std::string hex;
  for (const unsigned char byte : line) {
    hex += "0123456789ABCDEF"[byte >> 4];
    hex += "0123456789ABCDEF"[byte & 15];
  }
  words.push_back(hex);
  return RunProgram(std::move(words), folder, {.Terminal = launch.terminal});
}

class WindowsTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!TestingWindowsBuild()) GTEST_SKIP() << "needs talvorin.exe under Wine";
  }
};

struct RawLineCase {
  const char* name;
  std::string line;
  Files before;
  std::string output;  // after the banner; a failure's location as ########
  int exitStatus;
  Files after;  // every regular file in the folder afterwards
  std::string held = "";
};
void PrintTo(const RawLineCase& c, std::ostream* os) { *os << c.name; }

class RawLineTest : public WindowsTest, public testing::WithParamInterface<RawLineCase> {};

TEST_P(RawLineTest, ReportsAndLeavesTheRightFiles) {
  const RawLineCase& c = GetParam();
  const TempFolder folder;
  for (const auto& [name, bytes] : c.before) folder.Write(name, bytes);
  const RunResult run = RunCommandLine(c.line, folder.Path(), {.held = c.held});
  EXPECT_EQ(MaskLocation(run.Output), Banner() + c.output);
  EXPECT_EQ(run.ExitStatus, c.exitStatus);
  EXPECT_EQ(run.Errors, "");
  EXPECT_EQ(folder.Files(), c.after);
}

std::string Converted(const std::string& input, const std::string& output, std::string_view mode, int lines) {
  return ReportLines(input, output, mode, 10, 9) + SummaryLine(24, lines);
}

const char* const Hex10 = "通常,1行10バイト,16進,モノマップモード";
const char* const Decimal10 = "通常,1行10バイト,10進,モノマップモード";
const Files PicOnly{{"pic.bmp", Checkerboard}};
const Files PicConverted{{"pic.bmp", Checkerboard}, {"pic.c", CheckerboardC}};
const Files PicInDecimal{{"pic.bmp", Checkerboard}, {"pic.c", CheckerboardDecimalC}};
const Files PicAndOldOutput{{"pic.bmp", Checkerboard}, {"pic.c", "old text"}};

INSTANTIATE_TEST_SUITE_P(
    Table, RawLineTest,
    testing::Values(
        RawLineCase{"QuotedProgramName", "\"talvorin.exe\" pic.bmp", PicOnly,
                    Converted("pic.bmp", "pic.c", Hex10, 3), 0, PicConverted},
        RawLineCase{"QuotedNameWithSpaces", "talvorin.exe \"my pic.bmp\" /8", {{"my pic.bmp", Checkerboard}},
                    Converted("my pic.bmp", "my pic.c", "通常,1行8バイト,16進,モノマップモード", 4), 0,
                    {{"my pic.bmp", Checkerboard},
                     {"my pic.c",
                      "0x0A,0x00,0x09,0x00,\r\n"
                      "0x55,0xAA,0x55,0xAA,0x55,0xAA,0x55,0xAA,\r\n"
                      "0x55,0xAA,0x01,0x00,0x01,0x00,0x01,0x00,\r\n"
                      "0x01,0x00,0x01,0x00\r\n"}}},
        RawLineCase{"EmptyArgumentDoesNotCount", "talvorin.exe pic.bmp \"\" /DEC", PicOnly,
                    Converted("pic.bmp", "pic.c", Decimal10, 3), 0, PicInDecimal},
        RawLineCase{"EmptyArgumentBeforeTheName", "talvorin.exe \"\" pic.bmp", PicOnly,
                    Converted("pic.bmp", "pic.c", Hex10, 3), 0, PicConverted},
        RawLineCase{"QuoteStretchInsideASwitch", "talvorin.exe pic.bmp /\"DEC\"", PicOnly,
                    Converted("pic.bmp", "pic.c", Decimal10, 3), 0, PicInDecimal},
        // Another program holds the file open without sharing it.
        RawLineCase{"HeldOutput", "talvorin.exe pic.bmp", PicAndOldOutput,
                    FailureReport("EInOutError", "I/O ｴﾗｰ (32)"), 1, PicAndOldOutput, "pic.c"},
        RawLineCase{"HeldInput", "talvorin.exe pic.bmp", PicOnly,
                    FailureReport("EFOpenError", "ﾌｧｲﾙ pic.bmp は開けません"), 1, PicOnly, "pic.bmp"}),
    [](const auto& info) { return std::string(info.param.name); });

// A backslash separates folders and, before a quote, escapes nothing.
TEST_F(WindowsTest, BackslashSeparatesFolders) {
  for (const char* line : {"talvorin.exe dir.old\\picture", "talvorin.exe \"dir.old\\\"picture"}) {
    const TempFolder folder;
    mkdir((folder / "dir.old").c_str(), 0755);
    folder.Write("dir.old/picture", Checkerboard);
    const RunResult run = RunCommandLine(line, folder.Path());
    EXPECT_EQ(run.Output, Banner() + Converted("dir.old\\picture", "dir.old\\picture.c", Hex10, 3)) << line;
    EXPECT_EQ(run.ExitStatus, 0);
    EXPECT_EQ(folder.Read("dir.old/picture.c"), CheckerboardC);
  }
}

// The console's escape sequences and carriage returns dropped: the text as it reads.
std::string ConsoleText(const std::string& output) {
  static const std::regex noise("\x1B\\[[0-9;?]*[A-Za-z]|\r");
  return std::regex_replace(output, noise, "");
}

// The console shows the text right in either code page: CP932 on a Japanese
// console, UTF-8 on one switched to 65001 (where CP932 bytes would show as ?).
TEST_F(WindowsTest, ConsoleReadsRightInEitherCodePage) {
  const TempFolder folder;
  const char* locale = std::getenv("LC_ALL");
  const std::string expected = ConsoleText(Banner() + ConsoleLines({"x.bmpがありません。"}));
  for (const bool utf8 : {false, true}) {
    const RunResult run = RunCommandLine("talvorin.exe x.bmp", folder.Path(),
                                         {.utf8Console = utf8, .terminal = locale != nullptr ? locale : "C"});
    EXPECT_EQ(ConsoleText(run.Output), expected) << (utf8 ? "code page 65001" : "code page 932");
    EXPECT_EQ(run.ExitStatus, 0);
  }
}

}  // namespace
