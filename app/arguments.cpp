#include "app/arguments.h"

#include "platform/failures.h"
#include "convert/settings.h"
#include "platform/text_routines.h"

namespace {

constexpr std::int32_t MinBytesPerLine = 4;
constexpr std::int32_t MaxBytesPerLine = 64;

bool ReadSwitch(const std::string& argument) {
  if (argument.empty() || argument[0] != '/') return false;
  if (SameText(argument, "/DEC")) {
    Settings.DecimalMode = true;
  } else if (SameText(argument, "/REV")) {
    Settings.ReverseMode = true;
  } else if (SameText(argument, "/NMMP")) {
    Settings.MonoMapMode = false;
  } else {
    std::int32_t value = 0;
    try {
      value = StrToInt(std::string_view(argument).substr(1));
    } catch (const EConvertError&) {
      return false;
    }
    if (value != 0 && (value < MinBytesPerLine || value > MaxBytesPerLine)) return false;
    Settings.BytesPerLine = value;
  }
  return true;
}

}  // namespace

bool ReadArguments(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return false;
  Settings.InputFileName = arguments[0];
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (!ReadSwitch(arguments[i])) return false;
  }
  return true;
}
