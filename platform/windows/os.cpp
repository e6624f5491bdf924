#include "platform/os.h"

#include <windows.h>

#include <algorithm>

#include "platform/failures.h"
#include "platform/texts.h"

namespace {

// Windows' own error number picks the message.
[[noreturn]] void RaiseInOutError(DWORD error, const char* file = __builtin_FILE(),
                                  int line = __builtin_LINE()) {
  throw EInOutError(FileErrorMessage(static_cast<int>(error)), file, line);
}

HANDLE AsHandle(OsHandle file) { return reinterpret_cast<HANDLE>(file); }
OsHandle AsOsHandle(HANDLE file) { return reinterpret_cast<OsHandle>(file); }

// The one piece of a transfer that a DWORD count can carry.
DWORD Piece(std::size_t count) { return static_cast<DWORD>(std::min<std::size_t>(count, 1u << 30)); }

bool Identify(const std::string& name, BY_HANDLE_FILE_INFORMATION& identity) {
  // No access asked for, so a file that another program holds can still be identified.
  const HANDLE file = CreateFileA(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool known = GetFileInformationByHandle(file, &identity) != 0;
  CloseHandle(file);
  return known;
}

}  // namespace

OsHandle OsCreateFile(const std::string& name) {
  const HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) RaiseInOutError(GetLastError());
  return AsOsHandle(file);
}

void OsWrite(OsHandle file, const char* data, std::size_t count) {
  while (count > 0) {
    DWORD written = 0;
    if (!WriteFile(AsHandle(file), data, Piece(count), &written, nullptr)) RaiseInOutError(GetLastError());
    // A write that takes nothing would never end the loop.
    if (written == 0) RaiseInOutError(ERROR_WRITE_FAULT);
    data += written;
    count -= written;
  }
}

void OsClose(OsHandle file) {
  if (!CloseHandle(AsHandle(file))) RaiseInOutError(GetLastError());
}

OsHandle OsStandardOutput() { return AsOsHandle(GetStdHandle(STD_OUTPUT_HANDLE)); }

OsHandle OsOpenInput(const std::string& name) {
  const HANDLE file =
      CreateFileA(name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  // Only disk files: a device such as CON could block or never end.
  if (file == INVALID_HANDLE_VALUE || GetFileType(file) != FILE_TYPE_DISK) {
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    throw EFOpenError(FormatText(TextId::CannotOpenFile, {name}));
  }
  return AsOsHandle(file);
}

std::uint64_t OsRemaining(OsHandle file) {
  LARGE_INTEGER size{}, position{};
  if (!GetFileSizeEx(AsHandle(file), &size) ||
      !SetFilePointerEx(AsHandle(file), LARGE_INTEGER{}, &position, FILE_CURRENT)) {
    RaiseReadError();
  }
  return size.QuadPart > position.QuadPart ? static_cast<std::uint64_t>(size.QuadPart - position.QuadPart) : 0;
}

void OsRead(OsHandle file, void* to, std::size_t count) {
  auto* at = static_cast<char*>(to);
  while (count > 0) {
    DWORD got = 0;
    if (!ReadFile(AsHandle(file), at, Piece(count), &got, nullptr) || got == 0) RaiseReadError();
    at += got;
    count -= got;
  }
}

void OsSkip(OsHandle file, std::uint64_t count) {
  LARGE_INTEGER distance{};
  distance.QuadPart = static_cast<LONGLONG>(count);
  if (count > OsRemaining(file) || !SetFilePointerEx(AsHandle(file), distance, nullptr, FILE_CURRENT)) {
    RaiseReadError();
  }
}

void OsCloseInput(OsHandle file) { CloseHandle(AsHandle(file)); }

bool OsFileExists(const std::string& name) {
  const DWORD attributes = GetFileAttributesA(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool OsSameFile(const std::string& a, const std::string& b) {
  BY_HANDLE_FILE_INFORMATION first{}, second{};
  return Identify(a, first) && Identify(b, second) &&
         first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
         first.nFileIndexHigh == second.nFileIndexHigh && first.nFileIndexLow == second.nFileIndexLow;
}

bool OsStartConsole() {
  // A drive without its disk fails like any other name instead of asking in a dialog box.
  SetErrorMode(SEM_FAILCRITICALERRORS);
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0 && GetConsoleOutputCP() == CP_UTF8;
}
