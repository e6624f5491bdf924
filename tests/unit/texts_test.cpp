#include <gtest/gtest.h>

#include "platform/texts.h"
#include "tests/support/sjis.h"

namespace {

class TextsTest : public testing::Test {
 protected:
  void TearDown() override { UseUtf8Texts(false); }
};

TEST_F(TextsTest, AreCp932BytesForAPipe) {
  // Half-width katakana stay single bytes, "～" is 0x81 0x60, "表" keeps its 0x5C.
  EXPECT_EQ(Text(TextId::StreamReadError),
            "\xBD\xC4\xD8\xB0\xD1\x82\xA9\x82\xE7\x82\xCC\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\xB4\xD7\xB0");
  EXPECT_NE(Text(TextId::Syntax4).find("(4\x81\x60" "64 "), std::string_view::npos);
  EXPECT_NE(Text(TextId::Syntax3).find("\x95\x5C\x8E\xA6"), std::string_view::npos);
  EXPECT_EQ(Text(TextId::SizeWidth), Sjis("横:"));
}

TEST_F(TextsTest, AreUtf8ForAUtf8Terminal) {
  UseUtf8Texts(true);
  EXPECT_EQ(Text(TextId::InputMissing), "がありません。");
  EXPECT_EQ(Text(TextId::Syntax4), "    /バイト数: Cソース1行に含めるバイト数(4～64 初期値 BMPの横幅)");
}

TEST_F(TextsTest, FormatFillsPlaceholdersInOrder) {
  UseUtf8Texts(true);
  EXPECT_EQ(FormatText(TextId::CannotOpenFile, {"a%d.bmp"}), "ﾌｧｲﾙ a%d.bmp は開けません");
  EXPECT_EQ(FormatText(TextId::FailureAt, {"EReadError", "talvorin", "0000ABCD"}),
            "EReadErrorがﾓｼﾞｭｰﾙ talvorin の 0000ABCD で発生しました。");
}

}  // namespace
