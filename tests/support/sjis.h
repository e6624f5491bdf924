#pragma once
#include <string>
#include <string_view>

// The CP932 bytes of UTF-8 text, converted by the C library's iconv, so that
// expected console output never comes from the program's own text table.
std::string Sjis(std::string_view utf8);

// Console lines as the program writes them to a pipe: CP932, each ending CR LF.
std::string ConsoleLines(std::initializer_list<std::string_view> utf8Lines);
