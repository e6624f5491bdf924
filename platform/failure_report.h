#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The two report lines: where the failure of that kind arose, a single LF,
// then the message with a closing "." unless it is empty or has one, CR LF.
std::string FailureReportText(std::string_view kind, std::string_view program,
                              std::uint32_t location, std::string_view message);

// Reports the failure being handled on standard output; call inside a catch.
void ReportCurrentFailure();
