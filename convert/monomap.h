#pragma once
#include "platform/bitmap.h"

// Passes the MMP byte stream of the image to PutByte: width and height as
// 16-bit little-endian numbers, then bands of eight rows from the top, one
// byte per column, bit i being row 8k + i of band k.
void WriteMonoMap(const TBitmap& bitmap);
