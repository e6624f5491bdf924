#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

// The byte values of a converted file: C integer literals (hexadecimal,
// decimal or octal, read as a C compiler reads them) separated by commas,
// with blanks and line ends anywhere between them and a trailing comma
// allowed. Raises ViewError naming the line of the first bad value.
std::vector<std::uint8_t> ReadByteValues(std::string_view text);
