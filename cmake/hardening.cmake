# Hardening builds (Clang or GCC for the sanitizers, Clang for libFuzzer):
#   TALVORIN_SANITIZE  AddressSanitizer and UndefinedBehaviorSanitizer
#   TALVORIN_FUZZ      the fuzz targets of fuzz/, with both sanitizers
option(TALVORIN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TALVORIN_FUZZ "Build the libFuzzer targets of fuzz/ (Clang only)" OFF)

if(TALVORIN_SANITIZE OR TALVORIN_FUZZ)
  # Any finding stops the program, so a test or fuzz run cannot pass over it.
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(TALVORIN_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TALVORIN_FUZZ needs Clang (libFuzzer)")
  endif()
  # Coverage feedback for every object; fuzz/ links the fuzzer's own main.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
