#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/test_image.h"
#include "convert/monomap.h"
#include "convert/settings.h"
#include "convert/writer.h"
#include "platform/bitmap.h"

namespace {

std::string TempPath(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

TBitmap TestBitmap() {
  TBitmap bitmap;
  bitmap.LoadFromBytes(TestImageBmp());
  return bitmap;
}

void UseSettings(const TBitmap& bitmap, bool decimal, bool reverse) {
  SetDefaultSettings();
  Settings.DecimalMode = decimal;
  Settings.ReverseMode = reverse;
  Settings.BytesPerLine = bitmap.Width;
}

// Writer state and output file as a conversion run sets them up.
void OpenOutput(const std::string& path) {
  ResetWriter();
  AssignFile(OutputFile, path);
  Rewrite(OutputFile);
}

void CloseOutput() {
  FinishOutput();
  CloseFile(OutputFile);
}

void LoadFromFile(benchmark::State& state) {
  const std::string path = TempPath("talvorin-bench.bmp");
  std::ofstream(path, std::ios::binary) << TestImageBmp();
  for (auto _ : state) {
    TBitmap bitmap;
    bitmap.LoadFromFile(path);
    benchmark::DoNotOptimize(bitmap);
  }
  std::remove(path.c_str());
}
BENCHMARK(LoadFromFile);

// Packing and formatting, without a disk: the values go to /dev/null.
void Pack(benchmark::State& state, bool decimal, bool reverse) {
  const TBitmap bitmap = TestBitmap();
  UseSettings(bitmap, decimal, reverse);
  for (auto _ : state) {
    OpenOutput("/dev/null");
    WriteMonoMap(bitmap);
    CloseOutput();
  }
}
BENCHMARK_CAPTURE(Pack, hex, false, false);
BENCHMARK_CAPTURE(Pack, decimal, true, false);
BENCHMARK_CAPTURE(Pack, reverse, false, true);

// Formatting alone: the image's values, already packed, to /dev/null.
void Write(benchmark::State& state, bool decimal) {
  const TBitmap bitmap = TestBitmap();
  UseSettings(bitmap, decimal, false);
  std::vector<std::uint8_t> values;
  for (std::int32_t i = 0; i < 4 + bitmap.Width * ((bitmap.Height + 7) / 8); ++i) {
    values.push_back(static_cast<std::uint8_t>(i * 37));
  }
  for (auto _ : state) {
    OpenOutput("/dev/null");
    for (const std::uint8_t value : values) PutByte(value);
    CloseOutput();
  }
}
BENCHMARK_CAPTURE(Write, hex, false);
BENCHMARK_CAPTURE(Write, decimal, true);

// Packs the test image and writes it to a file, as a conversion run does.
void PackAndWriteFile(benchmark::State& state, bool decimal) {
  const TBitmap bitmap = TestBitmap();
  UseSettings(bitmap, decimal, false);
  const std::string path = TempPath("talvorin-bench.c");
  for (auto _ : state) {
    OpenOutput(path);
    WriteMonoMap(bitmap);
    CloseOutput();
  }
  state.counters["values"] = TotalByteCount;
  std::remove(path.c_str());
}
BENCHMARK_CAPTURE(PackAndWriteFile, hex, false);
BENCHMARK_CAPTURE(PackAndWriteFile, decimal, true);

}  // namespace

BENCHMARK_MAIN();
