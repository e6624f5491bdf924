#include "platform/text_file.h"

#include "platform/failures.h"

namespace {

constexpr std::size_t FlushSize = 64 * 1024;

// What could not be written is dropped, so that the close does not try again.
void Flush(TTextFile& file) {
  std::string pending;
  pending.swap(file.Pending);
  OsWrite(file.Handle, pending.data(), pending.size());
}

}  // namespace

void AssignFile(TTextFile& file, std::string name) {
  file.Name = std::move(name);
  file.Handle = -1;
  file.Pending.clear();
}

void Rewrite(TTextFile& file) {
  file.Handle = OsCreateFile(file.Name);
  file.Pending.reserve(FlushSize + 2048);
}

void Write(TTextFile& file, std::string_view text) { file.Pending += text; }

void WriteLine(TTextFile& file, std::string_view line) {
  file.Pending += line;
  file.Pending += "\r\n";
  if (file.Pending.size() >= FlushSize) Flush(file);
}

void CloseFile(TTextFile& file) {
  try {
    Flush(file);
  } catch (const Exception&) {
    // The failed write is the failure to report, not a close after it.
    try {
      OsClose(file.Handle);
    } catch (const Exception&) {
    }
    file.Handle = -1;
    throw;
  }
  const OsHandle handle = file.Handle;
  file.Handle = -1;
  OsClose(handle);
}

bool IsOpen(const TTextFile& file) { return file.Handle != -1; }
