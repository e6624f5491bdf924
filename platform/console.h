#pragma once
#include <string_view>

// Prepares standard output; called first thing.
void StartConsole();
// Writes one line and CR LF at once; a failed write raises EInOutError.
void WriteConsoleLine(std::string_view text);
// Writes the bytes as they are.
void WriteConsole(std::string_view bytes);
