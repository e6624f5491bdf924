#pragma once
// The few operating-system services the platform layer is built on. POSIX
// and Windows each implement them in their own folder; nothing outside
// platform/ includes this header.
#include <cstddef>
#include <cstdint>
#include <string>

using OsHandle = std::intptr_t;

// Output files and standard output. Every failure raises EInOutError with
// the message for the system's error number.
OsHandle OsCreateFile(const std::string& name);
void OsWrite(OsHandle file, const char* data, std::size_t count);
void OsClose(OsHandle file);
OsHandle OsStandardOutput();

// Input files: opened for reading without sharing (EFOpenError when that
// fails); a read that fails or falls short raises EReadError.
OsHandle OsOpenInput(const std::string& name);
std::uint64_t OsRemaining(OsHandle file);
void OsRead(OsHandle file, void* to, std::size_t count);
void OsSkip(OsHandle file, std::uint64_t count);
void OsCloseInput(OsHandle file);

// True when a file of that name exists and is not a folder.
bool OsFileExists(const std::string& name);
// True when both names lead to one file that exists.
bool OsSameFile(const std::string& a, const std::string& b);

// Called once at start-up; true when standard output is a UTF-8 terminal.
bool OsStartConsole();
