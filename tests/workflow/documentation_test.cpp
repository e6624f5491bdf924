#include <gtest/gtest.h>

#include "tests/support/bmp_builder.h"
#include "tests/support/expected_console.h"
#include "tests/support/run_program.h"

namespace {

const std::string Source = TALVORIN_SOURCE_DIR;
const char* const Documents[] = {"README.md", "man/talvorin.1"};

// The worked example of the MMP layout that README.md and the manual page
// show: a picture, # for black, and the file talvorin writes for it.
const char* const Picture[] = {
    "row 0  # . . . .", "row 1  . # . . .", "row 2  . . # . .", "row 3  . . . # .", "row 4  . . . . #",
    "row 5  . . . . #", "row 6  . . . # .", "row 7  . . # . .", "row 8  . # . . .", "row 9  # . . . .",
};
const char* const Written[] = {"0x05,0x00,0x0A,0x00,", "0x01,0x02,0x84,0x48,0x30,", "0x02,0x01,0x00,0x00,0x00"};

bool Shows(const std::string& document, const std::string& line) {
  return document.find('\n' + line + '\n') != std::string::npos;
}

TEST(DocumentationTest, TheWorkedExampleIsWhatTheToolWrites) {
  const TempFolder folder;
  constexpr int FirstPixel = 7;  // after "row N  "
  folder.Write("example.bmp", BlackWhiteBmp(5, 10, [](int x, int y) { return Picture[y][FirstPixel + 2 * x] == '#'; }));
  ASSERT_EQ(RunTalvorin({"example.bmp"}, folder.Path()).ExitStatus, 0);
  std::string expected;
  for (const char* line : Written) expected += std::string(line) + "\r\n";
  EXPECT_EQ(folder.Read("example.c"), expected);

  for (const char* name : Documents) {
    const std::string document = ReadFile(Source + "/" + name).value_or("");
    for (const char* line : Picture) EXPECT_TRUE(Shows(document, line)) << name << ": " << line;
    for (const char* line : Written) EXPECT_TRUE(Shows(document, line)) << name << ": " << line;
  }
}

TEST(DocumentationTest, TheManualsExampleReportsWhatTheToolSays) {
  const TempFolder folder;
  folder.Write("logo.bmp", ReadFile(Source + "/samples/logo.bmp").value_or(""));
  const RunResult run = RunTalvorin({"logo.bmp", "/16"}, folder.Path());
  EXPECT_NE(run.Output.find(SummaryLine(196, 13)), std::string::npos);
  EXPECT_NE(ReadFile(Source + "/man/talvorin.1").value_or("").find("196バイト変換 13行出力"), std::string::npos);
}

TEST(DocumentationTest, TheManualPagesRenderWithoutWarnings) {
  for (const char* page : {"talvorin.1", "talvorin-view.1"}) {
    const RunResult groff =
        RunProgram({"groff", "-man", "-ww", "-z", "-K", "utf8", "-Tutf8", Source + "/man/" + page}, Source);
    EXPECT_EQ(groff.ExitStatus, 0) << page;
    EXPECT_EQ(groff.Errors, "") << page;
  }
}

}  // namespace
