# Fails when desktop-file-validate finds fault with the menu entry, or is missing.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(NOT DESKTOP_FILE_VALIDATE)
  message(FATAL_ERROR
          "desktop-file-validate is missing: install the Debian package desktop-file-utils")
endif()
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${ENTRY} RESULT_VARIABLE status
                OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0 OR NOT output STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate on ${ENTRY}:\n${output}")
endif()
