#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/bmp_builder.h"
#include "tests/support/conversion.h"
#include "tests/support/expected_console.h"
#include "tests/support/run_program.h"
#include "tests/support/sjis.h"

namespace {

// Header claims must not size memory: a hostile run may use at most this
// much more than a small conversion does (which also covers the memory of
// sanitizers or valgrind around the program).
constexpr long MarginKilobytes = 16 * 1024;

constexpr std::size_t WidthAt = 18, HeightAt = 22, ImageSizeAt = 34, ColoursAt = 46;

std::string Claiming(std::string bytes, std::initializer_list<std::pair<std::size_t, std::uint32_t>> fields) {
  for (const auto& [at, value] : fields) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
  }
  return bytes;
}

long BaselineKilobytes() {
  static const long peak = [] {
    const TempFolder folder;
    folder.Write("small.bmp", BlackWhiteBmp(10, 9, [](int x, int y) { return (x + y) % 2 == 0; }));
    const RunResult run = RunTalvorin({"small.bmp"}, folder.Path());
    EXPECT_EQ(run.ExitStatus, 0);
    return run.PeakKilobytes;
  }();
  return peak;
}

void ExpectSmallAndClean(const RunResult& run) {
  EXPECT_EQ(run.Signal, 0);
  EXPECT_EQ(run.Errors, "");
  EXPECT_GT(run.PeakKilobytes, 0);
  EXPECT_LE(run.PeakKilobytes, BaselineKilobytes() + MarginKilobytes);
}

struct ClaimCase {
  const char* name;
  std::string bytes;
  std::string output;  // after the banner
};
void PrintTo(const ClaimCase& c, std::ostream* os) { *os << c.name; }

class HeaderClaimTest : public testing::TestWithParam<ClaimCase> {};

TEST_P(HeaderClaimTest, FailsInSmallMemory) {
  const ClaimCase& c = GetParam();
  const TempFolder folder;
  folder.Write("x.bmp", c.bytes);
  const RunResult run = RunTalvorin({"x.bmp"}, folder.Path());
  EXPECT_EQ(MaskLocation(run.Output), Banner() + c.output);
  EXPECT_EQ(run.ExitStatus, 1);
  ExpectSmallAndClean(run);
}

const std::string OneBit = BlackWhiteBmp(8, 8, [](int x, int) { return x % 2 == 0; });
const std::string TrueColour = MakeBmp({.Width = 4, .Height = 4, .BitCount = 24, .Palette = {}});

INSTANTIATE_TEST_SUITE_P(
    Table, HeaderClaimTest,
    testing::Values(
        ClaimCase{"OneBit100000Square",
                  Claiming(OneBit, {{WidthAt, 100000}, {HeightAt, 100000}, {ImageSizeAt, 0}}),
                  ReportLines("x.bmp", "x.c", "通常,1行100000バイト,16進,モノマップモード", 100000, 100000) +
                      FailureReport("Exception", "横幅が320ドットを超えています")},
        ClaimCase{"TrueColour3000000By2000000",
                  Claiming(TrueColour, {{WidthAt, 3000000}, {HeightAt, 2000000}, {ImageSizeAt, 0}}),
                  ReportLines("x.bmp", "x.c", "通常,1行3000000バイト,16進,モノマップモード", 3000000, 2000000) +
                      FailureReport("Exception", "2色のBMPではありません")},
        ClaimCase{"ColourCountOfTwoToThe32Less1", Claiming(OneBit, {{ColoursAt, 0xFFFFFFFF}}),
                  FailureReport("EReadError", "ｽﾄﾘｰﾑからの読み込みｴﾗｰ")}),
    [](const auto& info) { return std::string(info.param.name); });

// A 320 x 240 header at the start of 1 GiB of holes: only the rows the
// image needs are read, as white pixels.
TEST(SparseFileTest, OnlyTheImageIsRead) {
  const TempFolder folder;
  const std::string header = BlackWhiteBmp(320, 240, [](int, int) { return false; }).substr(0, 14 + 40 + 8);
  folder.Write("big.bmp", header);
  constexpr off_t Size = off_t{1} << 30;
  ASSERT_EQ(truncate((folder / "big.bmp").c_str(), Size), 0);

  const RunResult run = RunTalvorin({"big.bmp"}, folder.Path());
  EXPECT_EQ(run.Output, Banner() +
                            ReportLines("big.bmp", "big.c", "通常,1行320バイト,16進,モノマップモード", 320, 240) +
                            SummaryLine(9604, 31));
  EXPECT_EQ(run.ExitStatus, 0);
  ExpectSmallAndClean(run);
  std::vector<std::uint8_t> expected(4 + 320 * 30, 0);
  expected[0] = 0x40, expected[1] = 0x01, expected[2] = 0xF0;
  EXPECT_EQ(ValuesOf(folder.Read("big.c").value_or("")), expected);
  struct stat status {};
  ASSERT_EQ(stat((folder / "big.bmp").c_str(), &status), 0);
  EXPECT_EQ(status.st_size, Size);
}

}  // namespace
