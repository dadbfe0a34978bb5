# make windows-zip: bidgauge.exe and a README for Windows users (CR LF line
# ends, for Notepad) in one folder inside build-windows/bidgauge-VERSION-windows-x64.zip.
set(zip_folder bidgauge-${PROJECT_VERSION})
set(zip_stage ${CMAKE_BINARY_DIR}/zip)
set(zip_file ${CMAKE_BINARY_DIR}/bidgauge-${PROJECT_VERSION}-windows-x64.zip)
configure_file(${PROJECT_SOURCE_DIR}/share/windows/README.txt.in
               ${zip_stage}/${zip_folder}/README.txt @ONLY NEWLINE_STYLE CRLF)
add_custom_command(
  OUTPUT ${zip_file}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:bidgauge> ${zip_stage}/${zip_folder}/
  COMMAND ${CMAKE_COMMAND} -E rm -f ${zip_file}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${zip_file} --format=zip ${zip_folder}
  WORKING_DIRECTORY ${zip_stage}
  DEPENDS bidgauge ${zip_stage}/${zip_folder}/README.txt
  COMMENT "Packing ${zip_file}"
  VERBATIM)
add_custom_target(bidgauge_zip DEPENDS ${zip_file})
