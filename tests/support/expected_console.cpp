#include "tests/support/expected_console.h"

#include "tests/support/run_program.h"
#include "tests/support/sjis.h"

std::string Banner() {
  return ConsoleLines({"BMPファイルをCソースに取り込みやすいようにMMP形式で変換 v1.01",
                       "Programmed by the talvorin developers", ""});
}

std::string SyntaxText() {
  return ConsoleLines({"構文: TALVORIN BMPファイル [/REV] [/バイト数] [/DEC] [/NMMP]",
                       "  BMPファイル: 変換元の2色BMPファイル(変換先は拡張子\"C\"固定)",
                       "         /REV: 白を表示とする(初期値 黒を表示)",
                       "    /バイト数: Cソース1行に含めるバイト数(4～64 初期値 BMPの横幅)",
                       "         /DEC: 10進数で変換(初期値 16進数)",
                       "        /NMMP: 1行目を4バイト固定としない"});
}

std::string ReportLines(std::string_view input, std::string_view output, std::string_view mode,
                        int width, int height) {
  // Names are bytes as given, never converted.
  return Sjis("入力ファイル:") + std::string(input) + "\r\n" + Sjis("出力ファイル:") +
         std::string(output) + "\r\n" + Sjis(mode) + "\r\n" +
         Sjis("横:" + std::to_string(width) + " 縦:" + std::to_string(height) + "ドット") + "\r\n";
}

std::string SummaryLine(int bytes, int lines) {
  return Sjis(std::to_string(bytes) + "バイト変換 " + std::to_string(lines) + "行出力") + "\r\n";
}

std::string ProgramName() { return TestingWindowsBuild() ? "talvorin.exe" : "talvorin"; }

std::string FailureReport(std::string_view kind, std::string_view utf8Message) {
  std::string message = Sjis(utf8Message);
  if (!message.empty() && message.back() != '.') message += '.';
  return Sjis(std::string(kind) + "がﾓｼﾞｭｰﾙ " + ProgramName() + " の ") + "########" +
         Sjis(" で発生しました。") + "\n" + message + "\r\n";
}

std::string MaskLocation(const std::string& output) {
  const std::string before = Sjis(" の "), after = Sjis(" で発生しました。");
  const auto end = output.find(after);
  if (end == std::string::npos || end < 8 || output.compare(end - 8 - before.size(), before.size(), before) != 0) {
    return output;
  }
  for (std::size_t i = end - 8; i < end; ++i) {
    const char c = output[i];
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return output;
  }
  std::string masked = output;
  masked.replace(end - 8, 8, "########");
  return masked;
}
