#include "platform/failure_report.h"

#include <cstdio>
#include <exception>
#include <new>

#include "platform/command_line.h"
#include "platform/console.h"
#include "platform/failures.h"
#include "platform/texts.h"

std::string FailureReportText(std::string_view kind, std::string_view program,
                              std::uint32_t location, std::string_view message) {
  char address[9];
  std::snprintf(address, sizeof address, "%08X", static_cast<unsigned>(location));
  std::string report = FormatText(TextId::FailureAt, {kind, program, address});
  report += '\n';
  report += message;
  if (!message.empty() && message.back() != '.') report += '.';
  report += "\r\n";
  return report;
}

void ReportCurrentFailure() {
  const auto write = [](const Exception& failure) {
    try {
      WriteConsole(FailureReportText(failure.Kind(), ProgramFileName(), failure.Location(),
                                     failure.Message()));
    } catch (const Exception&) {
      // Standard output is gone; the exit status still tells.
    }
  };
  try {
    throw;
  } catch (const Exception& failure) {
    write(failure);
  } catch (const std::bad_alloc&) {
    write(EOutOfMemory(std::string(Text(TextId::OutOfMemory))));
  } catch (const std::exception& unexpected) {
    write(Exception(unexpected.what()));
  } catch (...) {
    write(Exception(""));
  }
}
