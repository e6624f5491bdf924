#pragma once
#include <string>

// The image the benchmarks convert: 320 x 240, one bit per pixel, white and
// black noise so that every byte value and every number width turns up.
std::string TestImageBmp();
