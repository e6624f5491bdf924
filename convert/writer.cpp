#include "convert/writer.h"

#include <array>
#include <cstring>

#include "convert/settings.h"

TTextFile OutputFile;
char LineText[LineTextSize];
std::size_t LineLength = 0;
std::int32_t LineByteCount = 0;
std::int32_t LineNumber = 1;
std::int32_t TotalByteCount = 0;

namespace {

constexpr int MonoMapHeaderBytes = 4;

// The text of a value with its comma, "0xA5," or "165,", padded to a
// fixed size that is copied whole.
struct TValueText {
  char Chars[8];
  std::size_t Length;
};
using TValueTexts = std::array<TValueText, 256>;

constexpr TValueTexts HexTexts() {
  constexpr char Digits[] = "0123456789ABCDEF";
  TValueTexts texts{};
  for (unsigned value = 0; value < 256; ++value) {
    texts[value] = {{'0', 'x', Digits[value >> 4], Digits[value & 15], ','}, 5};
  }
  return texts;
}

constexpr TValueTexts DecimalTexts() {
  TValueTexts texts{};
  for (unsigned value = 0; value < 256; ++value) {
    TValueText& text = texts[value];
    if (value >= 100) text.Chars[text.Length++] = static_cast<char>('0' + value / 100);
    if (value >= 10) text.Chars[text.Length++] = static_cast<char>('0' + value / 10 % 10);
    text.Chars[text.Length++] = static_cast<char>('0' + value % 10);
    text.Chars[text.Length++] = ',';
  }
  return texts;
}

constexpr TValueTexts Hex = HexTexts();
constexpr TValueTexts Decimal = DecimalTexts();

// A line is full only when the next value arrives, so the last line always
// waits for FinishOutput. A BytesPerLine of 0 (an image of width 0) sets no
// limit, so that no line is ever written empty.
bool LineIsFull() {
  if (LineNumber == 1 && Settings.MonoMapMode) return LineByteCount >= MonoMapHeaderBytes;
  return Settings.BytesPerLine > 0 && LineByteCount >= Settings.BytesPerLine;
}

void AppendValue(std::uint8_t value) {
  const TValueText& text = (Settings.DecimalMode ? Decimal : Hex)[value];
  std::memcpy(LineText + LineLength, text.Chars, sizeof text.Chars);
  LineLength += text.Length;
}

std::string_view Line() { return {LineText, LineLength}; }

// The two rare paths of PutByte stay out of line, so that its common path
// saves no registers: about a fifth of its cost.
[[gnu::noinline]] void EndLine() {
  WriteLine(OutputFile, Line());
  ++LineNumber;
  LineLength = 0;
  LineByteCount = 0;
}

// Only a line without a length limit gets longer than LineText.
[[gnu::noinline]] void PassOnLongLine() {
  Write(OutputFile, Line());
  LineLength = 0;
}

}  // namespace

void ResetWriter() {
  LineNumber = 1;
  TotalByteCount = 0;
  LineLength = 0;
  LineByteCount = 0;
}

void PutByte(std::uint8_t value) {
  if (LineIsFull()) EndLine();
  if (LineLength > LineTextSize - sizeof(TValueText::Chars)) PassOnLongLine();
  AppendValue(value);
  ++LineByteCount;
  ++TotalByteCount;
}

void FinishOutput() {
  if (LineLength == 0) return;
  --LineLength;
  WriteLine(OutputFile, Line());
}
