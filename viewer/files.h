#pragma once
#include <string>

// The content of a regular file; ViewError when it cannot be read.
std::string ReadWholeFile(const std::string& name);

// OutputError when the bytes cannot all be written.
void WriteWholeFile(const std::string& name, const std::string& bytes);
void WriteStandardOutput(const std::string& bytes);
