#include "platform/os.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

#include "platform/failures.h"
#include "platform/posix/os_error.h"
#include "platform/texts.h"

namespace {

[[noreturn]] void RaiseInOutError(const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
  throw EInOutError(OsErrorMessage(errno), file, line);
}

bool NamesUtf8(std::string_view locale) {
  std::string lower;
  for (const char c : locale) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return lower.find("utf-8") != std::string::npos || lower.find("utf8") != std::string::npos;
}

// The locale's character set as setlocale would find it, without loading one.
bool LocaleIsUtf8() {
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return NamesUtf8(value);
  }
  return false;
}

}  // namespace

OsHandle OsCreateFile(const std::string& name) {
  // Non-blocking so that a FIFO without a reader fails instead of hanging.
  const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK, 0666);
  if (fd < 0) RaiseInOutError();
  if (fcntl(fd, F_SETFL, 0) != 0) {
    const int error = errno;
    close(fd);
    errno = error;
    RaiseInOutError();
  }
  return fd;
}

void OsWrite(OsHandle file, const char* data, std::size_t count) {
  while (count > 0) {
    const ssize_t written = write(static_cast<int>(file), data, count);
    if (written < 0) {
      if (errno == EINTR) continue;
      RaiseInOutError();
    }
    data += written;
    count -= static_cast<std::size_t>(written);
  }
}

void OsClose(OsHandle file) {
  if (close(static_cast<int>(file)) != 0 && errno != EINTR) RaiseInOutError();
}

OsHandle OsStandardOutput() { return STDOUT_FILENO; }

OsHandle OsOpenInput(const std::string& name) {
  // Only regular files: a FIFO or a device could block, never end, or act
  // on being opened (a FIFO's waiting writer would be let through). So the
  // name is checked before opening, and the file again once it is open.
  struct stat status {};
  const int fd = stat(name.c_str(), &status) == 0 && S_ISREG(status.st_mode)
                     ? open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)
                     : -1;
  if (fd < 0 || fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    if (fd >= 0) close(fd);
    throw EFOpenError(FormatText(TextId::CannotOpenFile, {name}));
  }
  return fd;
}

std::uint64_t OsRemaining(OsHandle file) {
  struct stat status {};
  const off_t position = lseek(static_cast<int>(file), 0, SEEK_CUR);
  if (fstat(static_cast<int>(file), &status) != 0 || position < 0) RaiseReadError();
  return status.st_size > position ? static_cast<std::uint64_t>(status.st_size - position) : 0;
}

void OsRead(OsHandle file, void* to, std::size_t count) {
  auto* at = static_cast<char*>(to);
  while (count > 0) {
    const ssize_t got = read(static_cast<int>(file), at, count);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) RaiseReadError();
    at += got;
    count -= static_cast<std::size_t>(got);
  }
}

void OsSkip(OsHandle file, std::uint64_t count) {
  if (count > OsRemaining(file) ||
      lseek(static_cast<int>(file), static_cast<off_t>(count), SEEK_CUR) < 0) {
    RaiseReadError();
  }
}

void OsCloseInput(OsHandle file) { close(static_cast<int>(file)); }

bool OsFileExists(const std::string& name) {
  struct stat status {};
  return stat(name.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

bool OsSameFile(const std::string& a, const std::string& b) {
  struct stat first {}, second {};
  return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool OsStartConsole() {
  // A closed pipe, or a file grown past the file-size limit, must come back
  // as a failed write (EPIPE, EFBIG), not end the process.
  signal(SIGPIPE, SIG_IGN);
  signal(SIGXFSZ, SIG_IGN);
  return isatty(STDOUT_FILENO) == 1 && LocaleIsUtf8();
}
