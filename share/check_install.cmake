# Installs the build into a scratch prefix as `make install` does, and checks
# that every file arrives and the program comes without its symbol table.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} --strip
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "install failed:\n${errors}")
endif()
foreach(file ${BINDIR}/bidgauge ${MANDIR}/man1/bidgauge.1 ${DATADIR}/applications/bidgauge.desktop
             ${DATADIR}/icons/hicolor/48x48/apps/bidgauge.png ${EXTRA_FILES})
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
execute_process(COMMAND ${READELF} --section-headers ${PREFIX}/${BINDIR}/bidgauge
                RESULT_VARIABLE status OUTPUT_VARIABLE sections ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "readelf failed:\n${errors}")
endif()
if(sections MATCHES "\\.symtab")
  message(FATAL_ERROR "the installed program is not stripped")
endif()
file(REMOVE_RECURSE ${PREFIX})
