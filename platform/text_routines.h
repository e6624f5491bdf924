#pragma once
#include <cstdint>
#include <string_view>

// Reads an integer: leading spaces, then "$" and hex digits, or an optional
// sign and decimal digits, and nothing after. Hex $80000000-$FFFFFFFF wraps
// to the negative numbers. Anything else raises EConvertError.
std::int32_t StrToInt(std::string_view text);

// Equal but for the case of ASCII letters.
bool SameText(std::string_view a, std::string_view b);
