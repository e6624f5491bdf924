#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <sstream>

#include "tests/support/bmp_builder.h"
#include "tests/support/run_program.h"

#ifndef TALVORIN_VIEW_EXECUTABLE
#error "TALVORIN_VIEW_EXECUTABLE names the viewer under test"
#endif

namespace {

RunResult RunViewer(std::vector<std::string> arguments, const std::string& folder) {
  arguments.insert(arguments.begin(), TALVORIN_VIEW_EXECUTABLE);
  return RunProgram(arguments, folder);
}

// A pattern without regular stripes, so that a mixed-up row or column shows.
bool Scattered(int x, int y) { return ((x * 7919 + y * 104729 + x * y * 31) >> 2) % 3 == 0; }

struct Pbm {
  int Width = -1;
  int Height = -1;
  std::string Rows;
  bool Black(int x, int y) const {
    const int rowBytes = (Width + 7) / 8;
    return (Rows[static_cast<std::size_t>(y * rowBytes + x / 8)] >> (7 - x % 8) & 1) != 0;
  }
};

Pbm ParsePbm(const std::string& bytes) {
  Pbm pbm;
  std::istringstream in(bytes);
  std::string magic;
  in >> magic >> pbm.Width >> pbm.Height;
  in.get();
  pbm.Rows.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (magic != "P4" || pbm.Rows.size() != static_cast<std::size_t>((pbm.Width + 7) / 8 * pbm.Height)) pbm.Width = -1;
  return pbm;
}

struct Size {
  int Width, Height;
};

// The switches of one run, and whether they reverse the bits.
struct Switches {
  std::vector<std::string> Arguments;
  bool Reverse;
};

std::vector<Switches> EveryCombination() {
  std::vector<Switches> all;
  for (const char* perLine : {"", "/4", "/64"}) {
    for (int flags = 0; flags < 8; ++flags) {
      Switches switches{{}, (flags & 1) != 0};
      if (flags & 1) switches.Arguments.push_back("/REV");
      if (flags & 2) switches.Arguments.push_back("/DEC");
      if (flags & 4) switches.Arguments.push_back("/NMMP");
      if (*perLine != '\0') switches.Arguments.push_back(perLine);
      all.push_back(switches);
    }
  }
  return all;
}

class RoundTripTest : public testing::TestWithParam<std::tuple<Size, Switches>> {};

TEST_P(RoundTripTest, ThePbmHasThePixelsOfTheImage) {
  const auto& [size, switches] = GetParam();
  const TempFolder folder;
  folder.Write("image.bmp", BlackWhiteBmp(size.Width, size.Height, Scattered));
  std::vector<std::string> arguments{"image.bmp"};
  arguments.insert(arguments.end(), switches.Arguments.begin(), switches.Arguments.end());
  ASSERT_EQ(RunTalvorin(arguments, folder.Path()).ExitStatus, 0);

  const RunResult view = RunViewer({"image.c", "--pbm", "image.pbm"}, folder.Path());
  EXPECT_EQ(view.ExitStatus, 0);
  EXPECT_EQ(view.Errors, "");
  const Pbm pbm = ParsePbm(folder.Read("image.pbm").value_or(""));
  ASSERT_EQ(pbm.Width, size.Width);
  ASSERT_EQ(pbm.Height, size.Height);
  for (int y = 0; y < size.Height; ++y) {
    for (int x = 0; x < size.Width; ++x) {
      ASSERT_EQ(pbm.Black(x, y), Scattered(x, y) != switches.Reverse) << "pixel " << x << ", " << y;
    }
  }
}

std::string SizeAndSwitchesName(const testing::TestParamInfo<RoundTripTest::ParamType>& info) {
  const auto& [size, switches] = info.param;
  std::string name = std::to_string(size.Width) + "x" + std::to_string(size.Height);
  for (const std::string& argument : switches.Arguments) name += "_" + argument.substr(1);
  return name;
}

INSTANTIATE_TEST_SUITE_P(
    SizesAndSwitches, RoundTripTest,
    testing::Combine(testing::Values(Size{1, 1}, Size{8, 8}, Size{5, 10}, Size{13, 17}, Size{64, 20},
                                     Size{320, 240}, Size{0, 3}),
                     testing::ValuesIn(EveryCombination())),
    SizeAndSwitchesName);

TEST(ViewerTest, ShowsTheImageInHalfBlocks) {
  const TempFolder folder;
  // A diagonal going down and back, 5 x 10.
  folder.Write("arrow.c",
               "0x05,0x00,0x0A,0x00,\r\n"
               "0x01,0x02,0x84,0x48,0x30,\r\n"
               "0x02,0x01,0x00,0x00,0x00\r\n");
  const RunResult view = RunViewer({"arrow.c"}, folder.Path());
  EXPECT_EQ(view.ExitStatus, 0);
  EXPECT_EQ(view.Output,
            "\u2580\u2584   \n"
            "  \u2580\u2584 \n"
            "    \u2588\n"
            "  \u2584\u2580 \n"
            "\u2584\u2580   \n");
}

TEST(ViewerTest, AFileWithoutTheHeaderTakesItsWidthFromTheOption) {
  const TempFolder folder;
  folder.Write("image.bmp", BlackWhiteBmp(13, 17, Scattered));
  ASSERT_EQ(RunTalvorin({"image.bmp", "/DEC"}, folder.Path()).ExitStatus, 0);
  // In the MMP layout the first line is the header: drop it.
  const std::string converted = folder.Read("image.c").value_or("");
  folder.Write("bands.c", converted.substr(converted.find('\n') + 1));

  const RunResult view = RunViewer({"bands.c", "--width", "13", "--pbm", "bands.pbm"}, folder.Path());
  EXPECT_EQ(view.ExitStatus, 0);
  const Pbm pbm = ParsePbm(folder.Read("bands.pbm").value_or(""));
  ASSERT_EQ(pbm.Width, 13);
  ASSERT_EQ(pbm.Height, 24);  // three bands of eight rows
  for (int y = 0; y < pbm.Height; ++y) {
    for (int x = 0; x < pbm.Width; ++x) ASSERT_EQ(pbm.Black(x, y), y < 17 && Scattered(x, y)) << x << ", " << y;
  }
}

struct BadInputCase {
  const char* name;
  std::vector<std::string> arguments;
  std::string message;  // what standard error starts with
  std::function<void(const TempFolder&)> prepare = [](const TempFolder&) {};
};
void PrintTo(const BadInputCase& c, std::ostream* os) { *os << c.name; }

class BadInputTest : public testing::TestWithParam<BadInputCase> {};

TEST_P(BadInputTest, EndsWithAMessageAndStatusTwo) {
  const BadInputCase& c = GetParam();
  const TempFolder folder;
  c.prepare(folder);
  const RunResult view = RunViewer(c.arguments, folder.Path());
  EXPECT_EQ(view.Signal, 0);
  EXPECT_EQ(view.ExitStatus, 2);
  EXPECT_EQ(view.Output, "");
  EXPECT_EQ(view.Errors.substr(0, c.message.size()), c.message);
  EXPECT_FALSE(folder.Read("out.pbm").has_value());
}

void WriteFile(const TempFolder& folder, const std::string& name, const std::string& bytes) { folder.Write(name, bytes); }

INSTANTIATE_TEST_SUITE_P(
    Table, BadInputTest,
    testing::Values(
        BadInputCase{"NoArguments", {}, "talvorin-view: no file given\nusage: talvorin-view FILE.c"},
        BadInputCase{"UnknownOption", {"a.c", "--png", "a.png"}, "talvorin-view: unknown option --png\nusage:"},
        BadInputCase{"WidthNotANumber", {"a.c", "--width", "wide"}, "talvorin-view: --width takes a number"},
        BadInputCase{"MissingFile", {"missing.c", "--pbm", "out.pbm"}, "talvorin-view: cannot read missing.c: "},
        BadInputCase{"AFolder", {"folder.c", "--pbm", "out.pbm"}, "talvorin-view: folder.c is not a regular file",
                     [](const TempFolder& f) { mkdir((f / "folder.c").c_str(), 0700); }},
        BadInputCase{"EmptyFile", {"empty.c", "--pbm", "out.pbm"},
                     "talvorin-view: empty.c: the file holds 0 values, fewer than the 4 of the MMP header\n",
                     [](const TempFolder& f) { WriteFile(f, "empty.c", ""); }},
        BadInputCase{"TheBmpInstead", {"logo.bmp", "--pbm", "out.pbm"}, "talvorin-view: logo.bmp: line 1: 'BM",
                     [](const TempFolder& f) { WriteFile(f, "logo.bmp", BlackWhiteBmp(8, 8, Scattered)); }},
        BadInputCase{"ValueAboveAByte", {"big.c", "--pbm", "out.pbm"},
                     "talvorin-view: big.c: line 2: '256' is not a byte value (0 to 255)\n",
                     [](const TempFolder& f) { WriteFile(f, "big.c", "1,0,1,0,\r\n256\r\n"); }},
        BadInputCase{"TooFewBands", {"short.c", "--pbm", "out.pbm"},
                     "talvorin-view: short.c: its header gives 2 x 9 pixels, which take 8 values, but the file "
                     "holds 6",
                     [](const TempFolder& f) { WriteFile(f, "short.c", "0x02,0x00,0x09,0x00,\r\n0x01,0x02\r\n"); }},
        BadInputCase{"HeaderTooLarge", {"huge.c"},
                     "talvorin-view: huge.c: its header gives 65535 x 65535 pixels, which take 536862724 values",
                     [](const TempFolder& f) { WriteFile(f, "huge.c", "255,255,255,255,1"); }},
        BadInputCase{"WidthThatSplitsABand", {"bands.c", "--width", "3", "--pbm", "out.pbm"},
                     "talvorin-view: bands.c: 4 values do not fill whole bands of 3 columns\n",
                     [](const TempFolder& f) { WriteFile(f, "bands.c", "1,2,3,4"); }}));

TEST(ViewerTest, AnUnwritablePbmEndsWithStatusOne) {
  const TempFolder folder;
  folder.Write("a.c", "1,0,1,0,1");
  const RunResult view = RunViewer({"a.c", "--pbm", "no/such/folder/out.pbm"}, folder.Path());
  EXPECT_EQ(view.ExitStatus, 1);
  EXPECT_EQ(view.Errors, "talvorin-view: cannot write no/such/folder/out.pbm\n");
}

}  // namespace
