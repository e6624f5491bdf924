# The build step of talvorin_add_image(): converts INPUT into OUTPUT with the
# command TALVORIN and the list SWITCHES.
#
# talvorin writes next to its input, so it works on a copy in a folder of its
# own, and OUTPUT appears only once it is complete: a failed or interrupted
# run leaves nothing that would look up to date. talvorin answers a refused
# option with its syntax text and exit status 0, so a run that produced no
# file fails as well.
cmake_path(GET INPUT FILENAME input_name)
cmake_path(GET OUTPUT FILENAME output_name)
set(work ${OUTPUT}.work)
file(REMOVE_RECURSE ${work} ${OUTPUT})
file(MAKE_DIRECTORY ${work})
file(COPY_FILE ${INPUT} ${work}/${input_name} RESULT copy_result)
if(NOT copy_result STREQUAL "0")
  file(REMOVE_RECURSE ${work})
  message(FATAL_ERROR "talvorin: cannot read ${INPUT}: ${copy_result}")
endif()

execute_process(
  COMMAND ${TALVORIN} ${input_name} ${SWITCHES}
  WORKING_DIRECTORY ${work}
  OUTPUT_VARIABLE console
  ERROR_VARIABLE console
  RESULT_VARIABLE status)
if(status STREQUAL "0" AND EXISTS ${work}/${output_name})
  file(RENAME ${work}/${output_name} ${OUTPUT})
  file(REMOVE_RECURSE ${work})
  return()
endif()

# The console text is CP932; the build log wants UTF-8 where iconv can make it.
file(WRITE ${work}.console "${console}")
find_program(ICONV iconv)
if(ICONV)
  execute_process(
    COMMAND ${ICONV} -f CP932 -t UTF-8 ${work}.console
    OUTPUT_VARIABLE utf8
    RESULT_VARIABLE iconv_status
    ERROR_QUIET)
  if(iconv_status STREQUAL "0")
    set(console "${utf8}")
  endif()
endif()
file(REMOVE_RECURSE ${work} ${work}.console)
string(REPLACE "\r" "" console "${console}")
string(STRIP "${console}" console)
# Indented, the text is shown as it is instead of being rewrapped.
string(REPLACE "\n" "\n    " console "    ${console}")
list(JOIN SWITCHES " " shown)
if(status STREQUAL "0")
  # The input is there (it was copied), so it was the switches.
  set(outcome "talvorin refused the switches \"${shown}\" and converted nothing")
else()
  set(outcome "talvorin failed (exit status ${status})")
endif()
message(FATAL_ERROR "  ${INPUT}: ${outcome}:\n${console}")
