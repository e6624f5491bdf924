#include <gtest/gtest.h>

#include "platform/command_line.h"

namespace {

using Words = std::vector<std::string>;

struct SplitCase {
  std::string line;
  Words words;
};
void PrintTo(const SplitCase& c, std::ostream* os) { *os << testing::PrintToString(c.line); }


class SplitCommandLineTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommandLineTest, Splits) { EXPECT_EQ(SplitCommandLine(GetParam().line), GetParam().words); }

INSTANTIATE_TEST_SUITE_P(
    Table, SplitCommandLineTest,
    testing::Values(
        SplitCase{"", {}},
        SplitCase{"prog", {"prog"}},
        SplitCase{"prog pic.bmp /DEC", {"prog", "pic.bmp", "/DEC"}},
        // Every byte from 0x01 to 0x20 separates.
        SplitCase{std::string("prog\ta\x01" "b\x1F" "c  \r\n d"), {"prog", "a", "b", "c", "d"}},
        SplitCase{"prog \"my pic.bmp\" /8", {"prog", "my pic.bmp", "/8"}},
        // Quoted stretches anywhere inside an argument; no escape character.
        SplitCase{"prog /\"DEC\"", {"prog", "/DEC"}},
        SplitCase{"prog a\"b c\"d", {"prog", "ab cd"}},
        SplitCase{"prog \"a\\\" b", {"prog", "a\\", "b"}},
        // An unclosed quote runs to the end of the line.
        SplitCase{"prog \"open  end", {"prog", "open  end"}},
        // A "" pair at the start of an argument is skipped: empty ones do not count.
        SplitCase{"prog pic.bmp \"\" /DEC", {"prog", "pic.bmp", "/DEC"}},
        SplitCase{"prog \"\"\"\" x", {"prog", "x"}},
        SplitCase{"prog \"\"x", {"prog", "x"}},
        SplitCase{"prog x\"\"", {"prog", "x"}},
        SplitCase{"prog \" \"", {"prog", " "}},
        SplitCase{"prog \"\"", {"prog"}},
        // Bytes above 0x80 are ordinary, a NUL ends the line.
        SplitCase{"prog \x83\x5C.bmp", {"prog", "\x83\x5C.bmp"}},
        SplitCase{std::string("prog a\0b", 8), {"prog", "a"}}));

}  // namespace
