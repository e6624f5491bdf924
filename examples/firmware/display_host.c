/* The host's stand-in for a display driver: it writes the image's bytes to
   standard output, where they can be checked. */
#include "display.h"

#include <stdio.h>

int display_show(const unsigned char *mono_map, size_t size) {
  if (fwrite(mono_map, 1, size, stdout) != size) return 1;
  return fflush(stdout) == 0 ? 0 : 1;
}
