#pragma once
#include <string>
#include <string_view>

// What the console should show, built from the tests' own UTF-8 texts.
std::string Banner();
std::string SyntaxText();
// The four report lines after the output file is opened.
std::string ReportLines(std::string_view input, std::string_view output, std::string_view mode,
                        int width, int height);
std::string SummaryLine(int bytes, int lines);
// A failure report with its location written as "########".
std::string FailureReport(std::string_view kind, std::string_view utf8Message);
// The output with the failure report's location replaced by "########",
// once its eight upper-case hex digits are checked.
std::string MaskLocation(const std::string& output);
// The program file's name as the report gives it.
std::string ProgramName();
