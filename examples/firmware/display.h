#ifndef DISPLAY_H
#define DISPLAY_H

#include <stddef.h>

/* Sends an image in the MMP layout to the display; 0 when it was sent. */
int display_show(const unsigned char *mono_map, size_t size);

#endif
