#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

// What a run of the built program left behind.
struct RunResult {
  std::string Output;  // standard output, byte for byte
  std::string Errors;  // standard error, which must stay empty
  int ExitStatus = -1;
  int Signal = 0;      // the signal that ended it, or 0
  long PeakKilobytes = 0;
};

// A fresh, empty folder that is removed again with the object.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }
  void Write(const std::string& name, const std::string& bytes) const;
  // The file's bytes, or nothing when there is no such file.
  std::optional<std::string> Read(const std::string& name) const;
  // Every file in the folder and its content.
  std::map<std::string, std::string> Files() const;

 private:
  std::string path_;
};

// The bytes of any file, or nothing when there is no such file.
std::optional<std::string> ReadFile(const std::string& path);

// Where standard output goes; a pipe read to the end unless said otherwise.
struct RunOptions {
  std::string StdoutFile{};   // this file instead
  bool ClosedPipe = false;    // a pipe whose reading end is already closed
  bool ClosedStdout = false;  // no standard output at all
  std::string Terminal{};     // a terminal, with this locale in LANG
  bool Unprivileged = false;  // as the user nobody, when the tests run as root
  long FileSizeLimit = 0;     // largest file it may write (RLIMIT_FSIZE), or 0
};

// Exit statuses of a child that could not start the program.
constexpr int CannotDropPrivileges = 125, CannotEnterFolder = 126, CannotStart = 127;

// Runs talvorin with the arguments in the folder. The command is the built
// executable, or what TALVORIN_COMMAND names (for example "wine x.exe"). A
// run that hangs is ended by SIGALRM after a minute.
RunResult RunTalvorin(const std::vector<std::string>& arguments, const std::string& folder,
                      const RunOptions& options = {});
// The words of that command.
std::vector<std::string> TalvorinCommand();

// Runs any command, its first word the program, in the folder.
RunResult RunProgram(std::vector<std::string> words, const std::string& folder, const RunOptions& options = {});

// True when the program under test is the Windows build.
bool TestingWindowsBuild();
