#include "display.h"

/* The image, converted at build time: the header (width and height, low
   byte first), then bands of eight rows, one byte per column. */
static const unsigned char logo[] = {
#include "logo.c"
};

int main(void) { return display_show(logo, sizeof logo); }
