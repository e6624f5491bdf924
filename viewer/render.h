#pragma once
#include <string>

#include "viewer/mono_image.h"

// The image as UTF-8 text, two rows to a line: a set pixel shows as the
// upper half block, the lower one or both ("▀", "▄", "█"), a clear pair as
// a space. Every line ends with a line feed.
std::string HalfBlockText(const MonoImage& image);

// The image as a binary PBM (P4); set pixels are black.
std::string PbmBytes(const MonoImage& image);
