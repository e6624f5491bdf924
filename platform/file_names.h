#pragma once
#include <string>
#include <string_view>

// The name with the extension after its last "." replaced by the new one;
// a "\", ":" or "/" after the last "." means there is no extension. The
// second byte of a Shift_JIS pair never counts as one of those characters.
std::string ChangeFileExt(std::string_view name, std::string_view extension);

// True when a file of that name exists and is not a folder.
bool FileExists(const std::string& name);

// True when both names lead to one existing file.
bool SameFile(const std::string& a, const std::string& b);
