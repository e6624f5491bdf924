#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

#include "texts_table.h"

// Texts come in CP932 unless standard output is a UTF-8 terminal.
void UseUtf8Texts(bool utf8);
std::string_view Text(TextId id);

// The text with each %s, %d or %p replaced, in order, by the next argument.
std::string FormatText(TextId id, std::initializer_list<std::string_view> args);
