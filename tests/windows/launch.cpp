// Starts a program from a raw command line, so that talvorin.exe under Wine
// gets exactly the bytes a Windows shell would pass, quotes and all.
//
//   talvorin_launch [/hold FILE] [/utf8] HEX
//
// HEX is the command line, two hex digits a byte. /hold keeps FILE open
// without sharing while the program runs, as another program might; /utf8
// switches the console to code page 65001 first. The exit status is the
// program's; 120 and up mean the launch failed.
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool FromHex(const char* hex, std::string& bytes) {
  for (; hex[0] != '\0'; hex += 2) {
    const int high = HexDigit(hex[0]), low = hex[1] == '\0' ? -1 : HexDigit(hex[1]);
    if (high < 0 || low < 0) return false;
    bytes += static_cast<char>(high * 16 + low);
  }
  return true;
}

int Fail(const char* what) {
  std::fprintf(stderr, "talvorin_launch: %s failed (%lu)\n", what, GetLastError());
  return 120;
}

}  // namespace

int main(int argc, char** argv) {
  const char* held = nullptr;
  bool utf8 = false;
  int at = 1;
  for (; at < argc - 1; ++at) {
    if (std::string_view(argv[at]) == "/utf8") {
      utf8 = true;
    } else if (std::string_view(argv[at]) == "/hold" && at + 2 < argc) {
      held = argv[++at];
    } else {
      break;
    }
  }
  std::string line;
  if (at != argc - 1 || !FromHex(argv[at], line)) {
    std::fprintf(stderr, "usage: talvorin_launch [/hold FILE] [/utf8] HEX\n");
    return 121;
  }
  if (held != nullptr && CreateFileA(held, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr) == INVALID_HANDLE_VALUE) {
    return Fail("holding the file");
  }
  if (utf8 && !SetConsoleOutputCP(CP_UTF8)) return Fail("SetConsoleOutputCP");
  // The program writes where this one does.
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) {
    SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
  }
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    return Fail("CreateProcess");
  }
  DWORD status = 0;
  if (WaitForSingleObject(process.hProcess, INFINITE) != WAIT_OBJECT_0 ||
      !GetExitCodeProcess(process.hProcess, &status)) {
    return Fail("waiting");
  }
  return static_cast<int>(status);
}
