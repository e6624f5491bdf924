#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/test_image.h"
#include "convert/monomap.h"
#include "convert/settings.h"
#include "convert/writer.h"
#include "platform/bitmap.h"

namespace {

std::string TempPath(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

// Packs the test image and writes it to a file, as a conversion run does.
void PackAndWriteFile(benchmark::State& state, bool decimal) {
  TBitmap bitmap;
  bitmap.LoadFromBytes(TestImageBmp());
  SetDefaultSettings();
  Settings.DecimalMode = decimal;
  Settings.BytesPerLine = bitmap.Width;
  const std::string path = TempPath("talvorin-bench.c");
  for (auto _ : state) {
    ResetWriter();
    AssignFile(OutputFile, path);
    Rewrite(OutputFile);
    WriteMonoMap(bitmap);
    FinishOutput();
    CloseFile(OutputFile);
  }
  state.counters["values"] = TotalByteCount;
  std::remove(path.c_str());
}
BENCHMARK_CAPTURE(PackAndWriteFile, hex, false);
BENCHMARK_CAPTURE(PackAndWriteFile, decimal, true);

}  // namespace

BENCHMARK_MAIN();
