#include <gtest/gtest.h>

#include <optional>

#include "platform/failures.h"
#include "platform/text_routines.h"

namespace {

struct IntegerCase {
  const char* text;
  std::optional<std::int32_t> value;  // nothing: not an integer
};
void PrintTo(const IntegerCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }


class StrToIntTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(StrToIntTest, ReadsOrRejects) {
  const IntegerCase& c = GetParam();
  if (c.value) {
    EXPECT_EQ(StrToInt(c.text), *c.value);
  } else {
    EXPECT_THROW(StrToInt(c.text), EConvertError);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, StrToIntTest,
    testing::Values(IntegerCase{"8", 8}, IntegerCase{"$20", 32}, IntegerCase{"+16", 16},
                    IntegerCase{"-0", 0}, IntegerCase{"$FFFFFFFF", -1}, IntegerCase{"$ff", 255},
                    IntegerCase{"$aB", 171}, IntegerCase{"  12", 12}, IntegerCase{"007", 7},
                    IntegerCase{"2147483647", 2147483647},
                    IntegerCase{"-2147483648", -2147483647 - 1},
                    IntegerCase{"$80000000", -2147483647 - 1},
                    IntegerCase{"$000000010", 16},
                    IntegerCase{"", std::nullopt}, IntegerCase{"   ", std::nullopt},
                    IntegerCase{"-$10", std::nullopt}, IntegerCase{"+$10", std::nullopt},
                    IntegerCase{"0x10", std::nullopt}, IntegerCase{"8x", std::nullopt},
                    IntegerCase{"8 ", std::nullopt}, IntegerCase{"$", std::nullopt},
                    IntegerCase{"-", std::nullopt}, IntegerCase{"$G", std::nullopt},
                    IntegerCase{"\t8", std::nullopt}, IntegerCase{"DECIMAL", std::nullopt},
                    IntegerCase{"2147483648", std::nullopt},
                    IntegerCase{"-2147483649", std::nullopt},
                    IntegerCase{"$100000000", std::nullopt},
                    IntegerCase{"99999999999999999999999", std::nullopt}));

TEST(SameTextTest, FoldsOnlyAsciiLetters) {
  EXPECT_TRUE(SameText("/dec", "/DEC"));
  EXPECT_TRUE(SameText("/NmMp", "/NMMP"));
  EXPECT_FALSE(SameText("/DECIMAL", "/DEC"));
  EXPECT_FALSE(SameText("/DE", "/DEC"));
  // Bytes outside ASCII are compared as they are.
  EXPECT_FALSE(SameText("\xE0", "\xC0"));
}

}  // namespace
