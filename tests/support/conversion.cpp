#include "tests/support/conversion.h"

#include <fstream>
#include <regex>
#include <sstream>

#include "convert/monomap.h"
#include "convert/writer.h"
#include "tests/support/run_program.h"

TBitmap LoadedBitmap(const BmpLayout& layout) {
  TBitmap bitmap;
  bitmap.LoadFromBytes(MakeBmp(layout));
  return bitmap;
}

bool IsBlackPixel(const TBitmap& bitmap, int x, int y) {
  return bitmap.Canvas.BlackBlock(x / 8 * 8, x % 8 + 1, y, 1)[x % 8] & 1;
}

std::string WrittenText(const TBitmap& bitmap) {
  const TempFolder folder;
  ResetWriter();
  AssignFile(OutputFile, folder / "out.c");
  Rewrite(OutputFile);
  WriteMonoMap(bitmap);
  FinishOutput();
  CloseFile(OutputFile);
  return folder.Read("out.c").value_or("<no file>");
}

std::vector<std::uint8_t> ValuesOf(const std::string& text) {
  std::vector<std::uint8_t> values;
  const std::regex value("0x([0-9A-F]{2})|([0-9]+)");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), value); it != std::sregex_iterator(); ++it) {
    const auto& match = *it;
    values.push_back(static_cast<std::uint8_t>(
        match[1].matched ? std::stoi(match[1].str(), nullptr, 16) : std::stoi(match[2].str())));
  }
  return values;
}
