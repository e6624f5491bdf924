#include "tests/support/run_program.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <pty.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#ifndef TALVORIN_EXECUTABLE
#error "TALVORIN_EXECUTABLE names the program under test"
#endif

std::vector<std::string> TalvorinCommand() {
  std::vector<std::string> words;
  const char* command = std::getenv("TALVORIN_COMMAND");
  std::istringstream in(command != nullptr && *command != '\0' ? command : TALVORIN_EXECUTABLE);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

namespace {

std::string ReadAll(int fd) {
  std::string bytes;
  char buffer[65536];
  for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) != 0;) {
    if (got < 0) {
      if (errno == EINTR) continue;
      break;
    }
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  return bytes;
}

void RemoveTree(const std::string& path) {
  if (DIR* folder = opendir(path.c_str())) {
    while (const dirent* entry = readdir(folder)) {
      const std::string name = entry->d_name;
      if (name == "." || name == "..") continue;
      const std::string child = path + "/" + name;
      struct stat status {};
      if (lstat(child.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
        chmod(child.c_str(), 0700);
        RemoveTree(child);
      } else {
        unlink(child.c_str());
      }
    }
    closedir(folder);
  }
  rmdir(path.c_str());
}

}  // namespace

TempFolder::TempFolder() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") +
                        "/talvorin-test-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() { RemoveTree(path_); }

void TempFolder::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(*this / name, std::ios::binary);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + name);
}

std::optional<std::string> TempFolder::Read(const std::string& name) const { return ReadFile(*this / name); }

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::map<std::string, std::string> TempFolder::Files() const {
  std::map<std::string, std::string> files;
  if (DIR* folder = opendir(path_.c_str())) {
    while (const dirent* entry = readdir(folder)) {
      const std::string name = entry->d_name;
      struct stat status {};
      if (lstat((*this / name).c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
        files[name] = Read(name).value_or("");
      }
    }
    closedir(folder);
  }
  return files;
}

RunResult RunTalvorin(const std::vector<std::string>& arguments, const std::string& folder,
                      const RunOptions& options) {
  std::vector<std::string> words = TalvorinCommand();
  words.insert(words.end(), arguments.begin(), arguments.end());
  return RunProgram(words, folder, options);
}

RunResult RunProgram(std::vector<std::string> words, const std::string& folder, const RunOptions& options) {
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  int out[2], err[2];
  if (pipe(out) != 0 || pipe(err) != 0) throw std::runtime_error("pipe failed");
  int terminal = -1;
  const bool dropToNobody = options.Unprivileged && getuid() == 0;
  const passwd* nobody = dropToNobody ? getpwnam("nobody") : nullptr;
  const auto startChild = [&] {
    if (dropToNobody && (nobody == nullptr || setgroups(0, nullptr) != 0 ||
                         setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0)) {
      _exit(CannotDropPrivileges);
    }
    if (chdir(folder.c_str()) != 0) _exit(CannotEnterFolder);
    alarm(60);
    if (options.FileSizeLimit > 0) {
      const rlimit limit{static_cast<rlim_t>(options.FileSizeLimit), static_cast<rlim_t>(options.FileSizeLimit)};
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    if (!options.Terminal.empty()) {
      unsetenv("LC_ALL");
      unsetenv("LC_CTYPE");
      setenv("LANG", options.Terminal.c_str(), 1);
    } else if (options.ClosedStdout) {
      close(STDOUT_FILENO);
    } else {
      const int target = options.StdoutFile.empty() ? out[1] : open(options.StdoutFile.c_str(), O_WRONLY);
      dup2(target, STDOUT_FILENO);
    }
    dup2(err[1], STDERR_FILENO);
    const int null = open("/dev/null", O_RDONLY);
    dup2(null, STDIN_FILENO);
    close(out[0]);
    close(out[1]);
    close(err[0]);
    close(err[1]);
    close(null);
    execvp(argv[0], argv.data());
    _exit(CannotStart);
  };
  if (options.ClosedPipe) close(out[0]);
  const pid_t child = options.Terminal.empty() ? fork() : forkpty(&terminal, nullptr, nullptr, nullptr);
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) startChild();
  close(out[1]);
  close(err[1]);
  RunResult result;
  if (terminal >= 0) {
    result.Output = ReadAll(terminal);  // ends with EIO once the child is gone
    close(terminal);
  } else if (!options.ClosedPipe) {
    result.Output = ReadAll(out[0]);
  }
  if (!options.ClosedPipe) close(out[0]);
  result.Errors = ReadAll(err[0]);
  close(err[0]);
  int status = 0;
  struct rusage usage {};
  while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status)) result.ExitStatus = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.Signal = WTERMSIG(status);
  result.PeakKilobytes = usage.ru_maxrss;
  return result;
}

bool TestingWindowsBuild() {
  const char* command = std::getenv("TALVORIN_COMMAND");
  return command != nullptr && std::string(command).find(".exe") != std::string::npos;
}
