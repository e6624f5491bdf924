#include "platform/command_line.h"

#include <windows.h>

// The raw command line, split by the program's own rules; the C run-time's
// argv follows other ones (backslash escapes) and is not used.
std::vector<std::string> ProgramArguments(int, char**) {
  std::vector<std::string> words = SplitCommandLine(GetCommandLineA());
  if (!words.empty()) words.erase(words.begin());
  return words;
}

std::string ProgramFileName() {
  // Cut in UTF-16, where no Shift_JIS trail byte can pass for a "\".
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  const auto folder = path.find_last_of(L"\\/");
  const std::wstring name = folder == std::wstring::npos ? path : path.substr(folder + 1);
  if (name.empty()) return "talvorin.exe";
  const int size = static_cast<int>(name.size());
  const int length = WideCharToMultiByte(CP_ACP, 0, name.data(), size, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, name.data(), size, result.data(), length, nullptr, nullptr);
  return result;
}
