#pragma once
#include <string>
#include <string_view>

#include "platform/os.h"

// A text file written line by line, each line ending in CR LF. Lines are
// gathered in memory and written in large pieces; every failure raises
// EInOutError, at the latest from CloseFile.
struct TTextFile {
  std::string Name;
  OsHandle Handle = -1;
  std::string Pending;
};

void AssignFile(TTextFile& file, std::string name);
// Creates the file, or empties it when it exists.
void Rewrite(TTextFile& file);
// Adds text to the line being written; WriteLine ends it.
void Write(TTextFile& file, std::string_view text);
void WriteLine(TTextFile& file, std::string_view line);
// Writes out what is pending and closes; the file is closed even when that fails.
void CloseFile(TTextFile& file);
bool IsOpen(const TTextFile& file);
