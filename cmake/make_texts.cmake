# Turns platform/texts.txt (UTF-8) into a C++ header holding every text both
# in CP932 and in UTF-8, as escaped byte strings. The system's iconv does the
# conversion so that no compiler's execution character set is involved.
# Inputs: TEXTS, OUTPUT, ICONV.
cmake_policy(VERSION 3.25)

execute_process(
  COMMAND "${ICONV}" -f UTF-8 -t CP932 "${TEXTS}"
  OUTPUT_FILE "${OUTPUT}.cp932"
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "iconv could not convert ${TEXTS} to CP932")
endif()

# Every byte becomes \xHH, so CP932 trail bytes such as 0x5C stay harmless.
function(escaped_lines file result)
  file(READ "${file}" hex HEX)
  string(REGEX REPLACE "(..)" "\\\\x\\1" escaped "${hex}")
  string(REPLACE "\\x0d" "" escaped "${escaped}")
  string(REPLACE "\\x0a" ";" lines "${escaped}")
  set(${result} "${lines}" PARENT_SCOPE)
endfunction()

escaped_lines("${TEXTS}" utf8_lines)
escaped_lines("${OUTPUT}.cp932" cp932_lines)
file(REMOVE "${OUTPUT}.cp932")

set(names "")
set(utf8_table "")
set(cp932_table "")
list(LENGTH utf8_lines count)
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  list(GET utf8_lines ${i} utf8)
  list(GET cp932_lines ${i} cp932)
  if(utf8 STREQUAL "" OR utf8 MATCHES "^\\\\x23")
    continue()
  endif()
  string(FIND "${utf8}" "\\x09" tab)
  if(tab LESS 1)
    message(FATAL_ERROR "${TEXTS}: line ${i} has no name and tab")
  endif()
  string(SUBSTRING "${utf8}" 0 ${tab} escaped_name)
  string(REGEX MATCHALL "[0-9a-f][0-9a-f]" name_bytes "${escaped_name}")
  set(name "")
  foreach(byte IN LISTS name_bytes)
    math(EXPR code "0x${byte}")
    string(ASCII ${code} char)
    string(APPEND name "${char}")
  endforeach()
  math(EXPR start "${tab} + 4")
  string(SUBSTRING "${utf8}" ${start} -1 utf8_text)
  string(FIND "${cp932}" "\\x09" tab)
  math(EXPR start "${tab} + 4")
  string(SUBSTRING "${cp932}" ${start} -1 cp932_text)
  string(APPEND names "  ${name},\n")
  string(APPEND utf8_table "  \"${utf8_text}\",\n")
  string(APPEND cp932_table "  \"${cp932_text}\",\n")
endforeach()

file(WRITE "${OUTPUT}.new" "// Made by the build from platform/texts.txt. Do not edit.
#pragma once
#include <string_view>

enum class TextId {
${names}};

inline constexpr std::string_view Utf8Texts[] = {
${utf8_table}};

inline constexpr std::string_view Cp932Texts[] = {
${cp932_table}};
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
