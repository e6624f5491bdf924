#pragma once
#include <string>
#include <vector>

// Reads the arguments into Settings. False when the syntax text is wanted
// instead of a conversion: no arguments, or a switch that is rejected.
bool ReadArguments(const std::vector<std::string>& arguments);
