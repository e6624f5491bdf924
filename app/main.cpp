#include "app/arguments.h"
#include "platform/command_line.h"
#include "platform/console.h"
#include "convert/convert_bmp.h"
#include "platform/failure_report.h"
#include "convert/settings.h"
#include "app/syntax.h"
#include "platform/texts.h"

int main(int argc, char** argv) {
  StartConsole();
  try {
    WriteConsoleLine(Text(TextId::Banner));
    WriteConsoleLine(Text(TextId::Credit));
    WriteConsoleLine("");
    SetDefaultSettings();
    if (ReadArguments(ProgramArguments(argc, argv))) {
      ConvertBmp();
    } else {
      ShowSyntax();
    }
    return 0;
  } catch (...) {
    ReportCurrentFailure();
    return 1;
  }
}
