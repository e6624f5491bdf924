#include "fuzz/check.h"

#include <cstdio>
#include <cstdlib>

void FuzzCheckFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
  std::abort();
}
