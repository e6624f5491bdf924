#pragma once
#include <string>

extern std::string OutputFileName;

// Converts Settings.InputFileName into its ".c" file and reports on the
// console. A missing input is reported and is not a failure.
void ConvertBmp();
