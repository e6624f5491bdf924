#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <new>
#include <stdexcept>

#include "platform/failure_report.h"
#include "platform/failures.h"
#include "platform/posix/os_error.h"
#include "tests/support/expected_console.h"
#include "tests/support/sjis.h"

namespace {

struct ReportCase {
  std::string message, secondLine;
};
void PrintTo(const ReportCase& c, std::ostream* os) { *os << testing::PrintToString(c.message); }


class FailureReportTextTest : public testing::TestWithParam<ReportCase> {};

TEST_P(FailureReportTextTest, WritesKindPlaceAndMessage) {
  const std::string expected = Sjis("EInOutErrorがﾓｼﾞｭｰﾙ talvorin の 0012ABCD で発生しました。") +
                               "\n" + GetParam().secondLine + "\r\n";
  EXPECT_EQ(FailureReportText("EInOutError", "talvorin", 0x0012ABCD, GetParam().message), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FailureReportTextTest,
                         testing::Values(ReportCase{"I/O error", "I/O error."},
                                         ReportCase{"ends.", "ends."},
                                         ReportCase{"", ""},
                                         ReportCase{Sjis("2色のBMPではありません"),
                                                    Sjis("2色のBMPではありません.")}));

TEST(ExceptionTest, KnowsItsKindAndWhereItWasRaised) {
  const int line = __LINE__ + 1;
  const EReadError failure("short");
  EXPECT_STREQ(failure.Kind(), "EReadError");
  EXPECT_EQ(failure.Message(), "short");
  EXPECT_EQ(failure.Location() & 0xFFFF, static_cast<std::uint32_t>(line));
  const EReadError again("short");
  EXPECT_EQ(failure.Location() >> 16, again.Location() >> 16);
  EXPECT_NE(failure.Location(), again.Location());
  EXPECT_STREQ(Exception("x").Kind(), "Exception");
  EXPECT_STREQ(EInvalidGraphic("x").Kind(), "EInvalidGraphic");
  EXPECT_STREQ(EOutOfMemory("x").Kind(), "EOutOfMemory");
}

// What ReportCurrentFailure writes to standard output for the failure raised.
std::string ReportOf(const std::function<void()>& raise) {
  std::FILE* capture = std::tmpfile();
  const int saved = dup(STDOUT_FILENO);
  dup2(fileno(capture), STDOUT_FILENO);
  try {
    raise();
  } catch (...) {
    ReportCurrentFailure();
  }
  dup2(saved, STDOUT_FILENO);
  close(saved);
  std::rewind(capture);
  std::string bytes;
  for (int c; (c = std::fgetc(capture)) != EOF;) bytes += static_cast<char>(c);
  std::fclose(capture);
  return bytes;
}

std::string ExpectedReport(const std::string& kind, const std::string& utf8Message) {
  return Sjis(kind + "がﾓｼﾞｭｰﾙ unit_tests の ") + "########" + Sjis(" で発生しました。") + "\n" +
         Sjis(utf8Message) + ".\r\n";
}

TEST(ReportCurrentFailureTest, ReportsEveryKindOfFailure) {
  EXPECT_EQ(MaskLocation(ReportOf([] { throw EReadError(Sjis("ｽﾄﾘｰﾑからの読み込みｴﾗｰ")); })),
            ExpectedReport("EReadError", "ｽﾄﾘｰﾑからの読み込みｴﾗｰ"));
  EXPECT_EQ(MaskLocation(ReportOf([] { throw std::bad_alloc(); })),
            ExpectedReport("EOutOfMemory", "ﾒﾓﾘが不足しています"));
  EXPECT_EQ(MaskLocation(ReportOf([] { throw std::runtime_error("odd"); })), ExpectedReport("Exception", "odd"));
}

struct ErrorCase {
  int code;
  const char* message;  // UTF-8
};
void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.code; }


class FileErrorMessageTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(FileErrorMessageTest, ByWindowsNumber) {
  EXPECT_EQ(FileErrorMessage(GetParam().code), Sjis(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(Table, FileErrorMessageTest,
                         testing::Values(ErrorCase{2, "ﾌｧｲﾙが見つかりません"},
                                         ErrorCase{3, "不正なﾌｧｲﾙ名です"},
                                         ErrorCase{4, "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます"},
                                         ErrorCase{5, "ﾌｧｲﾙへのｱｸｾｽが拒否されました"},
                                         ErrorCase{32, "I/O ｴﾗｰ (32)"},
                                         ErrorCase{112, "I/O ｴﾗｰ (112)"}));

class PosixErrorMessageTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(PosixErrorMessageTest, ByMeaning) {
  EXPECT_EQ(OsErrorMessage(GetParam().code), Sjis(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Table, PosixErrorMessageTest,
    testing::Values(ErrorCase{ENOENT, "不正なﾌｧｲﾙ名です"}, ErrorCase{ENOTDIR, "不正なﾌｧｲﾙ名です"},
                    ErrorCase{ENAMETOOLONG, "不正なﾌｧｲﾙ名です"},
                    ErrorCase{EMFILE, "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます"},
                    ErrorCase{ENFILE, "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます"},
                    ErrorCase{EACCES, "ﾌｧｲﾙへのｱｸｾｽが拒否されました"},
                    ErrorCase{EPERM, "ﾌｧｲﾙへのｱｸｾｽが拒否されました"},
                    ErrorCase{EROFS, "ﾌｧｲﾙへのｱｸｾｽが拒否されました"},
                    ErrorCase{EISDIR, "ﾌｧｲﾙへのｱｸｾｽが拒否されました"},
                    ErrorCase{ETXTBSY, "ﾌｧｲﾙへのｱｸｾｽが拒否されました"},
                    // Numbers that mean something else on POSIX keep their own.
                    ErrorCase{ENOSPC, "I/O ｴﾗｰ (28)"}, ErrorCase{EIO, "I/O ｴﾗｰ (5)"},
                    ErrorCase{EINTR, "I/O ｴﾗｰ (4)"}, ErrorCase{EPIPE, "I/O ｴﾗｰ (32)"}));

}  // namespace
