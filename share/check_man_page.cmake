# Fails when groff has anything to say about the manual page, or is missing.
find_program(GROFF groff)
if(NOT GROFF)
  message(FATAL_ERROR "groff is missing: install the Debian package groff")
endif()
execute_process(COMMAND ${GROFF} -man -ww -z ${PAGE} RESULT_VARIABLE status
                OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0 OR NOT output STREQUAL "")
  message(FATAL_ERROR "groff on ${PAGE}:\n${output}")
endif()
