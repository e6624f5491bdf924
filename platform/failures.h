#pragma once
#include <cstdint>
#include <string>

// A failure: a kind name and a message in the console's character set. The
// location is where it was raised: a hash of the source file's name in the
// upper 16 bits and the line number in the lower 16.
class Exception {
 public:
  explicit Exception(std::string message, const char* file = __builtin_FILE(),
                     int line = __builtin_LINE());
  virtual ~Exception() = default;
  virtual const char* Kind() const { return "Exception"; }
  const std::string& Message() const { return message_; }
  std::uint32_t Location() const { return location_; }

 private:
  std::string message_;
  std::uint32_t location_;
};

#define TALVORIN_FAILURE_KIND(Name)                         \
  class Name : public Exception {                           \
   public:                                                  \
    using Exception::Exception;                             \
    const char* Kind() const override { return #Name; }     \
  }

TALVORIN_FAILURE_KIND(EInOutError);
TALVORIN_FAILURE_KIND(EConvertError);
TALVORIN_FAILURE_KIND(EFOpenError);
TALVORIN_FAILURE_KIND(EReadError);
TALVORIN_FAILURE_KIND(EInvalidGraphic);
TALVORIN_FAILURE_KIND(EWin32Error);
TALVORIN_FAILURE_KIND(EOutOfResources);
TALVORIN_FAILURE_KIND(EInvalidOperation);
TALVORIN_FAILURE_KIND(EOutOfMemory);

#undef TALVORIN_FAILURE_KIND

// A read that fails or runs past the end of the data.
[[noreturn]] void RaiseReadError(const char* file = __builtin_FILE(), int line = __builtin_LINE());

// The message of a failed file operation, by its Windows error number.
std::string FileErrorMessage(int windowsError);
