#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/conversion.h"
#include "tests/support/run_program.h"

namespace {

std::string ReadFixture(const std::string& name) {
  std::ifstream in(std::string(TALVORIN_FIXTURES) + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A binary PBM as another tool wrote it: true where a pixel is black.
struct Pbm {
  int width = 0, height = 0;
  std::vector<std::vector<bool>> black;
};

Pbm ReadPbm(const std::string& bytes) {
  std::istringstream in(bytes);
  std::string magic;
  Pbm pbm;
  in >> magic >> pbm.width >> pbm.height;
  in.get();
  const int rowBytes = (pbm.width + 7) / 8;
  for (int y = 0; y < pbm.height; ++y) {
    std::string row(static_cast<std::size_t>(rowBytes), '\0');
    in.read(row.data(), rowBytes);
    std::vector<bool> line;
    for (int x = 0; x < pbm.width; ++x) line.push_back((static_cast<unsigned char>(row[x / 8]) >> (7 - x % 8)) & 1);
    pbm.black.push_back(line);
  }
  EXPECT_EQ(magic, "P4");
  EXPECT_TRUE(in.good());
  return pbm;
}

class FixtureTest : public testing::TestWithParam<const char*> {};

TEST_P(FixtureTest, EveryPixelAsTheWritingToolReadsIt) {
  const std::string name = GetParam();
  const Pbm expected = ReadPbm(ReadFixture(name + ".pbm"));
  ASSERT_EQ(expected.width, 37);
  for (const bool reverse : {false, true}) {
    const TempFolder folder;
    folder.Write("pic.bmp", ReadFixture(name + ".bmp"));
    std::vector<std::string> arguments{"pic.bmp", "/DEC"};
    if (reverse) arguments.push_back("/REV");
    const RunResult run = RunTalvorin(arguments, folder.Path());
    ASSERT_EQ(run.ExitStatus, 0) << run.Output;
    const std::vector<std::uint8_t> stream = ValuesOf(folder.Read("pic.c").value_or(""));
    const int bands = (expected.height + 7) / 8;
    ASSERT_EQ(stream.size(), 4u + static_cast<std::size_t>(expected.width * bands));
    EXPECT_EQ(stream[0] | stream[1] << 8, expected.width);
    EXPECT_EQ(stream[2] | stream[3] << 8, expected.height);
    for (int y = 0; y < bands * 8; ++y) {
      for (int x = 0; x < expected.width; ++x) {
        const bool set = (stream[4 + (y / 8) * expected.width + x] >> (y % 8)) & 1;
        const bool wanted = y < expected.height && expected.black[y][x] != reverse;
        EXPECT_EQ(set, wanted) << name << (reverse ? " /REV" : "") << " pixel " << x << "," << y;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Tools, FixtureTest,
                         testing::Values("imagemagick_v4", "imagemagick_bmp3", "netpbm_os2",
                                         "netpbm_windows", "pillow"));

}  // namespace
