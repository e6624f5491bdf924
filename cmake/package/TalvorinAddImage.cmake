# talvorin_add_image(<target> <file.bmp> [REVERSE] [DECIMAL] [NO_HEADER_LINE]
#                    [BYTES_PER_LINE n])
#
# Converts the BMP with talvorin when <target> is built, and again whenever
# the BMP, the options or talvorin change. REVERSE, DECIMAL, NO_HEADER_LINE
# and BYTES_PER_LINE n are the switches /REV, /DEC, /NMMP and /n.
#
# The output is named like the BMP with the extension .c (logo.bmp gives
# logo.c) and lies in a folder of the build tree on the target's include
# path, so a source file of the target takes it in with
#
#   static const unsigned char logo[] = {
#   #include "logo.c"
#   };
#
# Call it in the CMakeLists.txt that creates the target. A conversion that
# fails, or that talvorin refuses, fails the build with talvorin's message.

function(talvorin_add_image target bmp)
  cmake_parse_arguments(PARSE_ARGV 2 arg "REVERSE;DECIMAL;NO_HEADER_LINE" "BYTES_PER_LINE" "")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "talvorin_add_image: unknown arguments: ${arg_UNPARSED_ARGUMENTS}")
  endif()
  if(arg_KEYWORDS_MISSING_VALUES)
    message(FATAL_ERROR "talvorin_add_image: BYTES_PER_LINE needs a number")
  endif()
  if(NOT TARGET ${target})
    message(FATAL_ERROR "talvorin_add_image: there is no target ${target}")
  endif()
  cmake_path(ABSOLUTE_PATH bmp BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} NORMALIZE)
  get_source_file_property(generated ${bmp} GENERATED)
  if(NOT EXISTS ${bmp} AND NOT generated)
    message(FATAL_ERROR "talvorin_add_image: ${bmp} does not exist")
  endif()

  set(switches)
  if(arg_REVERSE)
    list(APPEND switches /REV)
  endif()
  if(arg_DECIMAL)
    list(APPEND switches /DEC)
  endif()
  if(arg_NO_HEADER_LINE)
    list(APPEND switches /NMMP)
  endif()
  if(DEFINED arg_BYTES_PER_LINE)
    list(APPEND switches /${arg_BYTES_PER_LINE})
  endif()

  cmake_path(GET bmp STEM LAST_ONLY stem)
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/talvorin/${target})
  set(output ${folder}/${stem}.c)
  # Make does not notice a changed command, but it does notice this file,
  # which is rewritten only when the switches change.
  file(CONFIGURE OUTPUT ${output}.switches CONTENT "${switches}\n")

  set(script ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/talvorin_convert.cmake)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DTALVORIN=$<TARGET_FILE:talvorin::talvorin> -DINPUT=${bmp}
            -DOUTPUT=${output} "-DSWITCHES=${switches}" -P ${script}
    DEPENDS ${bmp} ${output}.switches talvorin::talvorin ${script}
    COMMENT "talvorin: converting ${bmp}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
  # Taken in by #include only, never compiled on its own.
  set_source_files_properties(${output} PROPERTIES HEADER_FILE_ONLY ON)
  target_include_directories(${target} PRIVATE ${folder})
endfunction()
