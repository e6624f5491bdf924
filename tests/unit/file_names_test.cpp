#include <gtest/gtest.h>

#include "platform/file_names.h"

namespace {

struct NameCase {
  std::string input, output;
};
void PrintTo(const NameCase& c, std::ostream* os) { *os << testing::PrintToString(c.input); }


class ChangeFileExtTest : public testing::TestWithParam<NameCase> {};

TEST_P(ChangeFileExtTest, GivesTheOutputName) {
  EXPECT_EQ(ChangeFileExt(GetParam().input, ".c"), GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChangeFileExtTest,
    testing::Values(NameCase{"pic.bmp", "pic.c"}, NameCase{"PIC.BMP", "PIC.c"},
                    NameCase{"picture", "picture.c"}, NameCase{"a.b.bmp", "a.b.c"},
                    NameCase{"dir.old\\picture", "dir.old\\picture.c"},
                    NameCase{"dir.old/picture", "dir.old/picture.c"},
                    NameCase{"c:picture", "c:picture.c"}, NameCase{"c:pic.bmp", "c:pic.c"},
                    NameCase{".bmp", ".c"}, NameCase{"pic.", "pic.c"}, NameCase{"", ".c"},
                    NameCase{"pic.c", "pic.c"},
                    // "ソ" is 0x83 0x5C: its second byte is not a "\".
                    NameCase{"a.\x83\x5C", "a.c"},
                    NameCase{"\x83\x5C.bmp", "\x83\x5C.c"},
                    // "表" 0x95 0x5C inside a folder name.
                    NameCase{"\x95\x5C\\pic", "\x95\x5C\\pic.c"},
                    // A lead byte before a byte that cannot follow it stands alone.
                    NameCase{"a\x81.bmp", "a\x81.c"}, NameCase{"a.bmp\x81", "a.c"},
                    // UTF-8 names: "あ.bmp", "ソ.bmp", "dir/表.bmp".
                    NameCase{"\xE3\x81\x82.bmp", "\xE3\x81\x82.c"},
                    NameCase{"\xE3\x82\xBD.bmp", "\xE3\x82\xBD.c"},
                    NameCase{"d\xC3\xA9j\xC3\xA0/pic", "d\xC3\xA9j\xC3\xA0/pic.c"}));

}  // namespace
