#pragma once
#include <string>
#include <string_view>
#include <vector>

// Splits a Windows command line, program name included. Bytes 0x01-0x20
// separate arguments; a double-quoted stretch anywhere in an argument keeps
// them and loses its quotes, an unclosed one runs to the end; there is no
// escape character; a "" pair at the start of an argument is skipped, so an
// empty argument never counts.
std::vector<std::string> SplitCommandLine(std::string_view line);

// The arguments after the program name, empty ones dropped.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// The running executable's file name without its folder.
std::string ProgramFileName();
