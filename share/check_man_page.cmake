# Fails when groff has anything to say about the manual page.
execute_process(COMMAND ${GROFF} -man -ww -z ${PAGE} RESULT_VARIABLE status
                OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0 OR NOT output STREQUAL "")
  message(FATAL_ERROR "groff on ${PAGE}:\n${output}")
endif()
