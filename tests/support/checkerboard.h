#pragma once
#include <string>

#include "tests/support/bmp_builder.h"

// A 10 x 9 checkerboard, black at the top left, and the text it converts to
// with the default settings.
inline const std::string Checkerboard = BlackWhiteBmp(10, 9, [](int x, int y) { return (x + y) % 2 == 0; });
inline const std::string CheckerboardC =
    "0x0A,0x00,0x09,0x00,\r\n"
    "0x55,0xAA,0x55,0xAA,0x55,0xAA,0x55,0xAA,0x55,0xAA,\r\n"
    "0x01,0x00,0x01,0x00,0x01,0x00,0x01,0x00,0x01,0x00\r\n";
