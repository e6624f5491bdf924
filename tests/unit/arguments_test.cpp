#include <gtest/gtest.h>

#include "app/arguments.h"
#include "convert/settings.h"

namespace {

struct ArgumentsCase {
  std::vector<std::string> arguments;
  bool accepted;
  std::int32_t bytesPerLine;
  bool reverse, decimal, monoMap;
};
void PrintTo(const ArgumentsCase& c, std::ostream* os) { *os << testing::PrintToString(c.arguments); }


class ReadArgumentsTest : public testing::TestWithParam<ArgumentsCase> {};

TEST_P(ReadArgumentsTest, FillsTheSettings) {
  const ArgumentsCase& c = GetParam();
  Settings = TConvertSettings{};
  SetDefaultSettings();
  ASSERT_EQ(ReadArguments(c.arguments), c.accepted);
  if (!c.arguments.empty()) {
    EXPECT_EQ(Settings.InputFileName, c.arguments[0]);
  }
  // Switches before a rejected one have taken effect all the same.
  EXPECT_EQ(Settings.BytesPerLine, c.bytesPerLine);
  EXPECT_EQ(Settings.ReverseMode, c.reverse);
  EXPECT_EQ(Settings.DecimalMode, c.decimal);
  EXPECT_EQ(Settings.MonoMapMode, c.monoMap);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadArgumentsTest,
    testing::Values(
        ArgumentsCase{{}, false, 0, false, false, true},
        ArgumentsCase{{"pic.bmp"}, true, 0, false, false, true},
        ArgumentsCase{{"pic.bmp", "/dec", "/Rev", "/nmmp"}, true, 0, true, true, false},
        ArgumentsCase{{"pic.bmp", "DEC"}, false, 0, false, false, true},
        ArgumentsCase{{"/DEC", "pic.bmp"}, false, 0, false, false, true},
        ArgumentsCase{{"/DEC"}, true, 0, false, false, true},
        ArgumentsCase{{"pic.bmp", "/DECIMAL"}, false, 0, false, false, true},
        ArgumentsCase{{"pic.bmp", "/3"}, false, 0, false, false, true},
        ArgumentsCase{{"pic.bmp", "/65"}, false, 0, false, false, true},
        ArgumentsCase{{"pic.bmp", "/4"}, true, 4, false, false, true},
        ArgumentsCase{{"pic.bmp", "/64"}, true, 64, false, false, true},
        ArgumentsCase{{"pic.bmp", "/16", "/0"}, true, 0, false, false, true},
        ArgumentsCase{{"pic.bmp", "/8", "/3"}, false, 8, false, false, true},
        ArgumentsCase{{"pic.bmp", "/$40"}, true, 64, false, false, true},
        ArgumentsCase{{"pic.bmp", "/-0"}, true, 0, false, false, true},
        ArgumentsCase{{"pic.bmp", "/$FFFFFFFF"}, false, 0, false, false, true},
        ArgumentsCase{{"pic.bmp", "/"}, false, 0, false, false, true},
        ArgumentsCase{{"pic.bmp", "/REV", "/REV", "/12", "/20"}, true, 20, true, false, true},
        // Reading stops at the first rejected argument.
        ArgumentsCase{{"pic.bmp", "/DEC", "x", "/REV"}, false, 0, false, true, true}));

}  // namespace
