# Installs the build into a scratch prefix and checks that every file arrives.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "install failed:\n${errors}")
endif()
foreach(file ${BINDIR}/bidgauge ${MANDIR}/man1/bidgauge.1 ${DATADIR}/applications/bidgauge.desktop
             ${DATADIR}/icons/hicolor/48x48/apps/bidgauge.png)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
