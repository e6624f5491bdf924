#pragma once

// Stops the fuzzer with the broken invariant's text, so that the input is
// kept as a crash.
#define FUZZ_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : FuzzCheckFailed(#condition, __FILE__, __LINE__))

[[noreturn]] void FuzzCheckFailed(const char* condition, const char* file, int line);
