#include "viewer/files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "viewer/view_error.h"

std::string ReadWholeFile(const std::string& name) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(name, error);
  if (error) throw ViewError("cannot read " + name + ": " + error.message());
  // A FIFO or a device could block or never end.
  if (!std::filesystem::is_regular_file(status)) throw ViewError(name + " is not a regular file");
  std::ifstream in(name, std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!in && !in.eof()) throw ViewError("cannot read " + name);
  return bytes;
}

void WriteWholeFile(const std::string& name, const std::string& bytes) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw OutputError("cannot write " + name);
}

void WriteStandardOutput(const std::string& bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0) {
    throw OutputError("cannot write to standard output");
  }
}
