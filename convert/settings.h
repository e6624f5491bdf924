#pragma once
#include <cstdint>
#include <string>

struct TConvertSettings {
  std::string InputFileName;
  // Values per output line; 0 means the image width, otherwise 4 to 64.
  std::int32_t BytesPerLine = 0;
  // Non-black pixels give the set bits instead of black ones.
  bool ReverseMode = false;
  // Decimal values instead of 0xHH.
  bool DecimalMode = false;
  // The first line holds exactly the four header values.
  bool MonoMapMode = true;
};

extern TConvertSettings Settings;

// Everything but the input name back to its default.
void SetDefaultSettings();
