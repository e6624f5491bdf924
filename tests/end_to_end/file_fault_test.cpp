#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <functional>

#include "tests/support/bmp_builder.h"
#include "tests/support/expected_console.h"
#include "tests/support/run_program.h"
#include "tests/support/sjis.h"

namespace {

using Files = std::map<std::string, std::string>;

const std::string Picture = BlackWhiteBmp(10, 9, [](int x, int y) { return (x + y) % 2 == 0; });

struct FaultCase {
  const char* name;
  std::function<void(const TempFolder&)> prepare;
  std::string output;  // after the banner; a failure's location as ########
  Files after;         // every regular file in the folder afterwards
  bool unprivileged = false;
};
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class FileFaultTest : public testing::TestWithParam<FaultCase> {};

// Each run converts p.bmp (or what stands in its place) in a folder that
// nobody else may change; an unprivileged run gets read and search rights.
TEST_P(FileFaultTest, FailsWithTheRightMessageAndChangesNothing) {
  if (TestingWindowsBuild()) GTEST_SKIP() << "POSIX file types and rights";
  const FaultCase& c = GetParam();
  const TempFolder folder;
  chmod(folder.Path().c_str(), 0755);
  c.prepare(folder);
  const RunResult run = RunTalvorin({"p.bmp"}, folder.Path(), {.Unprivileged = c.unprivileged});
  chmod(folder.Path().c_str(), 0700);
  if (run.ExitStatus == CannotDropPrivileges || run.ExitStatus == CannotEnterFolder ||
      run.ExitStatus == CannotStart) {
    GTEST_SKIP() << "the user nobody cannot run the program from here (status " << run.ExitStatus << ")";
  }
  EXPECT_EQ(MaskLocation(run.Output), Banner() + c.output);
  EXPECT_EQ(run.ExitStatus, 1);
  EXPECT_EQ(run.Signal, 0);
  EXPECT_EQ(run.Errors, "");
  EXPECT_EQ(folder.Files(), c.after);
}

std::function<void(const TempFolder&)> LinkTo(const char* target) {
  return [target](const TempFolder& f) { ASSERT_EQ(symlink(target, (f / "p.bmp").c_str()), 0); };
}

void Fifo(const TempFolder& f, const char* name) { ASSERT_EQ(mkfifo((f / name).c_str(), 0644), 0); }

// Picture as p.bmp, then the output's place made as the case needs.
std::function<void(const TempFolder&)> PictureAnd(std::function<void(const TempFolder&)> then) {
  return [then](const TempFolder& f) {
    f.Write("p.bmp", Picture);
    chmod((f / "p.bmp").c_str(), 0644);
    then(f);
  };
}

const std::string CannotOpen = FailureReport("EFOpenError", "ﾌｧｲﾙ p.bmp は開けません");
const std::string AccessDenied = FailureReport("EInOutError", "ﾌｧｲﾙへのｱｸｾｽが拒否されました");

INSTANTIATE_TEST_SUITE_P(
    Table, FileFaultTest,
    testing::Values(
        // Not regular files: refused at once, never waited on or read without end.
        FaultCase{"InputIsAFifo", [](const TempFolder& f) { Fifo(f, "p.bmp"); }, CannotOpen, {}},
        FaultCase{"InputIsAnEndlessDevice", LinkTo("/dev/zero"), CannotOpen, {}},
        FaultCase{"InputIsTheNullDevice", LinkTo("/dev/null"), CannotOpen, {}},
        // Opened without waiting for a reader, which never comes.
        FaultCase{"OutputIsAFifo", PictureAnd([](const TempFolder& f) { Fifo(f, "p.c"); }),
                  FailureReport("EInOutError", "I/O ｴﾗｰ (6)"), {{"p.bmp", Picture}}},
        FaultCase{"OutputFolderNotWritable",
                  PictureAnd([](const TempFolder& f) { chmod(f.Path().c_str(), 0555); }), AccessDenied,
                  {{"p.bmp", Picture}}, true},
        FaultCase{"OutputFileReadOnly",
                  PictureAnd([](const TempFolder& f) {
                    f.Write("p.c", "old text");
                    chmod((f / "p.c").c_str(), 0444);
                  }),
                  AccessDenied, {{"p.bmp", Picture}, {"p.c", "old text"}}, true},
        FaultCase{"InputUnreadable", PictureAnd([](const TempFolder& f) { chmod((f / "p.bmp").c_str(), 0); }),
                  CannotOpen, {{"p.bmp", Picture}}, true}),
    [](const auto& info) { return std::string(info.param.name); });

// True once the process sleeps in the named kernel function, within 5 s.
bool WaitsInKernel(pid_t process, const std::string& function) {
  for (int i = 0; i < 500; ++i) {
    std::ifstream in("/proc/" + std::to_string(process) + "/wchan");
    std::string where;
    if (std::getline(in, where) && where == function) return true;
    usleep(10000);
  }
  return false;
}

// A writer waiting in open() for a reader of p.bmp must not be let through:
// the FIFO is refused without being opened.
TEST(FifoInputTest, IsNotOpened) {
  if (TestingWindowsBuild()) GTEST_SKIP() << "POSIX FIFOs";
  const TempFolder folder;
  const std::string fifo = folder / "p.bmp";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  const pid_t writer = fork();
  ASSERT_GE(writer, 0);
  if (writer == 0) {
    alarm(60);
    _exit(open(fifo.c_str(), O_WRONLY) >= 0 ? 0 : 1);
  }
  if (!WaitsInKernel(writer, "wait_for_partner")) {
    kill(writer, SIGKILL);
    waitpid(writer, nullptr, 0);
    GTEST_SKIP() << "cannot see the writer wait for a reader";
  }
  const RunResult run = RunTalvorin({"p.bmp"}, folder.Path());
  EXPECT_EQ(MaskLocation(run.Output), Banner() + CannotOpen);
  int status = 0;
  EXPECT_EQ(waitpid(writer, &status, WNOHANG), 0) << "the writer's open() returned";
  // Let the writer go.
  close(open(fifo.c_str(), O_RDONLY | O_NONBLOCK));
  waitpid(writer, &status, 0);
}

// Past a file-size limit a write fails (EFBIG) instead of ending the process
// by SIGXFSZ; what was written before stays.
TEST(FileSizeLimitTest, FailedWriteIsReported) {
  if (TestingWindowsBuild()) GTEST_SKIP() << "POSIX resource limits";
  const TempFolder folder;
  const std::string largest = BlackWhiteBmp(320, 240, [](int, int) { return false; });
  folder.Write("l.bmp", largest);
  const RunResult run = RunTalvorin({"l.bmp"}, folder.Path(), {.FileSizeLimit = 1000});
  EXPECT_EQ(MaskLocation(run.Output),
            Banner() + ReportLines("l.bmp", "l.c", "通常,1行320バイト,16進,モノマップモード", 320, 240) +
                FailureReport("EInOutError", "I/O ｴﾗｰ (27)"));
  EXPECT_EQ(run.ExitStatus, 1);
  EXPECT_EQ(run.Signal, 0);
  EXPECT_EQ(run.Errors, "");
  const std::string written = folder.Read("l.c").value_or("");
  EXPECT_EQ(written.size(), 1000u);
  EXPECT_TRUE(written.starts_with("0x40,0x01,0xF0,0x00,\r\n0x00,0x00,"));
}

}  // namespace
