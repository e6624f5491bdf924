#pragma once
#include <cstdint>
#include <string>

#include "platform/text_file.h"

// The C-source lines of one run: values with a comma after each, gathered
// into lines; the last value of the file has no comma.
extern TTextFile OutputFile;
// The current line so far is the first LineLength characters of LineText;
// a line longer than that goes to the file in parts.
constexpr std::size_t LineTextSize = 4096;
extern char LineText[LineTextSize];
extern std::size_t LineLength;
extern std::int32_t LineByteCount;
extern std::int32_t LineNumber;
extern std::int32_t TotalByteCount;

void ResetWriter();
void PutByte(std::uint8_t value);
// Writes the last line, without its comma.
void FinishOutput();
