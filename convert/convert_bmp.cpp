#include "convert/convert_bmp.h"

#include "platform/bitmap.h"
#include "platform/console.h"
#include "platform/failures.h"
#include "platform/file_names.h"
#include "convert/monomap.h"
#include "convert/settings.h"
#include "platform/texts.h"
#include "convert/writer.h"

std::string OutputFileName;

namespace {

constexpr std::int32_t MaxWidth = 320;
constexpr std::int32_t MaxHeight = 240;

std::string ModeLine() {
  std::string line(Text(Settings.ReverseMode ? TextId::ModeReverse : TextId::ModeNormal));
  line += Text(TextId::ModeLinePrefix);
  line += std::to_string(Settings.BytesPerLine);
  line += Text(TextId::ModeBytes);
  line += Text(Settings.DecimalMode ? TextId::ModeDecimal : TextId::ModeHex);
  line += Text(Settings.MonoMapMode ? TextId::ModeMonoMap : TextId::ModePlain);
  return line;
}

void WriteReport(const TBitmap& bitmap) {
  WriteConsoleLine(std::string(Text(TextId::InputFileLabel)) + Settings.InputFileName);
  WriteConsoleLine(std::string(Text(TextId::OutputFileLabel)) + OutputFileName);
  WriteConsoleLine(ModeLine());
  std::string size(Text(TextId::SizeWidth));
  size += std::to_string(bitmap.Width);
  size += Text(TextId::SizeHeight);
  size += std::to_string(bitmap.Height);
  size += Text(TextId::SizeDots);
  WriteConsoleLine(size);
}

void CheckImage(const TBitmap& bitmap) {
  if (bitmap.PixelFormat != TPixelFormat::pf1bit) throw Exception(std::string(Text(TextId::NotOneBit)));
  if (bitmap.Width > MaxWidth) throw Exception(std::string(Text(TextId::TooWide)));
  if (bitmap.Height > MaxHeight) throw Exception(std::string(Text(TextId::TooTall)));
}

void WriteSummary() {
  std::string line = std::to_string(TotalByteCount);
  line += Text(TextId::SummaryBytes);
  line += std::to_string(LineNumber);
  line += Text(TextId::SummaryLines);
  WriteConsoleLine(line);
}

}  // namespace

void ConvertBmp() {
  if (!FileExists(Settings.InputFileName)) {
    WriteConsoleLine(Settings.InputFileName + std::string(Text(TextId::InputMissing)));
    return;
  }
  OutputFileName = ChangeFileExt(Settings.InputFileName, ".c");
  // Converting would destroy the input.
  if (SameFile(Settings.InputFileName, OutputFileName)) {
    throw Exception(std::string(Text(TextId::SameAsInput)));
  }
  ResetWriter();
  TBitmap bitmap;
  AssignFile(OutputFile, OutputFileName);
  try {
    bitmap.LoadFromFile(Settings.InputFileName);
    Rewrite(OutputFile);
    if (Settings.BytesPerLine == 0) Settings.BytesPerLine = bitmap.Width;
    WriteReport(bitmap);
    CheckImage(bitmap);
    WriteMonoMap(bitmap);
    FinishOutput();
  } catch (...) {
    bitmap = TBitmap{};
    if (IsOpen(OutputFile)) {
      try {
        CloseFile(OutputFile);
      } catch (const Exception&) {
        // The first failure is the one to report.
      }
    }
    throw;
  }
  bitmap = TBitmap{};
  CloseFile(OutputFile);
  WriteSummary();
}
