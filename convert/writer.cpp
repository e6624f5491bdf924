#include "convert/writer.h"

#include "convert/settings.h"

TTextFile OutputFile;
std::string LineText;
std::int32_t LineByteCount = 0;
std::int32_t LineNumber = 1;
std::int32_t TotalByteCount = 0;

namespace {

constexpr int MonoMapHeaderBytes = 4;

// A line is full only when the next value arrives, so the last line always
// waits for FinishOutput. A BytesPerLine of 0 (an image of width 0) sets no
// limit, so that no line is ever written empty.
bool LineIsFull() {
  if (LineNumber == 1 && Settings.MonoMapMode) return LineByteCount >= MonoMapHeaderBytes;
  return Settings.BytesPerLine > 0 && LineByteCount >= Settings.BytesPerLine;
}

void AppendValue(std::uint8_t value) {
  static constexpr char Digits[] = "0123456789ABCDEF";
  if (Settings.DecimalMode) {
    LineText += std::to_string(value);
  } else {
    const char hex[] = {'0', 'x', Digits[value >> 4], Digits[value & 15]};
    LineText.append(hex, sizeof hex);
  }
  LineText += ',';
}

}  // namespace

void ResetWriter() {
  LineNumber = 1;
  TotalByteCount = 0;
  LineText.clear();
  LineByteCount = 0;
}

void PutByte(std::uint8_t value) {
  if (LineIsFull()) {
    WriteLine(OutputFile, LineText);
    ++LineNumber;
    LineText.clear();
    LineByteCount = 0;
  }
  AppendValue(value);
  ++LineByteCount;
  ++TotalByteCount;
}

void FinishOutput() {
  if (LineText.empty()) return;
  LineText.pop_back();
  WriteLine(OutputFile, LineText);
}
