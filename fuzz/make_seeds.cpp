// Writes the seed corpus of the fuzz targets into the folder given:
// bitmap/, command_line/ and file_name/. The files are kept in the
// repository; run this again after changing it.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "tests/support/bmp_builder.h"

namespace {

std::filesystem::path Root;

void Seed(const std::string& target, const std::string& name, const std::string& bytes) {
  std::filesystem::create_directories(Root / target);
  std::ofstream(Root / target / name, std::ios::binary) << bytes;
}

// The bitmap target reads its settings from two bytes before the file:
// bit 0 /REV, bit 1 /DEC, bit 2 /NMMP; then the bytes per line.
void Bitmap(const std::string& name, unsigned char modes, unsigned char perLine, const std::string& bmp) {
  Seed("bitmap", name, std::string{static_cast<char>(modes), static_cast<char>(perLine)} + bmp);
}

BmpLayout Checkerboard(int width, int height) {
  return {.Width = width, .Height = height, .Index = [](int x, int y) { return (x + y) % 2; }};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_seeds FOLDER\n";
    return 2;
  }
  Root = argv[1];

  Bitmap("checkerboard", 0, 0, MakeBmp(Checkerboard(10, 9)));
  BmpLayout core = Checkerboard(17, 3);
  core.Header = BmpHeader::Core;
  Bitmap("core_header_reverse_decimal", 3, 5, MakeBmp(core));
  BmpLayout v5 = Checkerboard(9, 16);
  v5.Header = BmpHeader::V5;
  v5.TopDown = true;
  Bitmap("v5_top_down_plain", 4, 9, MakeBmp(v5));
  BmpLayout swapped = Checkerboard(12, 8);
  swapped.Palette = {Black, White, {0x80, 0x80, 0x80}};
  Bitmap("three_colours", 7, 61, MakeBmp(swapped));
  BmpLayout one = Checkerboard(3, 2);
  one.Palette = {Black};
  Bitmap("one_colour", 0, 1, MakeBmp(one));
  Bitmap("widest", 0, 0, MakeBmp(Checkerboard(320, 9)));
  Bitmap("too_tall", 0, 0, MakeBmp(Checkerboard(8, 241)));
  Bitmap("empty_image", 4, 0, MakeBmp(Checkerboard(0, 0)));
  Bitmap("true_colour", 0, 0, MakeBmp({.Width = 4, .Height = 4, .BitCount = 24, .Palette = {}}));
  Bitmap("cut_in_rows", 0, 0, MakeBmp(Checkerboard(16, 16)).substr(0, 80));

  Seed("command_line", "switches", "talvorin pic.bmp /REV /dec /Nmmp /16");
  Seed("command_line", "quoted_and_hex", "\"C:\\my tools\\talvorin.exe\" \"my pic\".bmp /$40 /0");
  Seed("command_line", "empty_and_signs", "talvorin \"\" pic.bmp /+8 /-0 /$FFFFFFFF");
  Seed("command_line", "rejected", "talvorin pic.bmp /8x /0x10 \"/ 12\"");

  Seed("file_name", "plain", "pic.bmp");
  Seed("file_name", "folders", "dir.old\\sub:x/picture");
  Seed("file_name", "shift_jis_trail", "a.\x83\x5C");
  Seed("file_name", "utf8", "\xE3\x81\x82.BMP");
  return 0;
}
