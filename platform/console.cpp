#include "platform/console.h"

#include <string>

#include "platform/os.h"
#include "platform/texts.h"

void StartConsole() { UseUtf8Texts(OsStartConsole()); }

void WriteConsoleLine(std::string_view text) {
  std::string line(text);
  line += "\r\n";
  WriteConsole(line);
}

void WriteConsole(std::string_view bytes) {
  OsWrite(OsStandardOutput(), bytes.data(), bytes.size());
}
