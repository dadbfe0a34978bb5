# Installing libbidgauge: headers, both libraries, a CMake package
# (find_package(bidgauge) gives bidgauge::bidgauge), bidgauge.pc and the
# Python wrapper.
include(CMakePackageConfigHelpers)

# Debian's python3 looks in /usr/lib/python3/dist-packages, and under any
# other prefix in lib/python3.X/dist-packages.
set(bidgauge_python_default lib/python3/dist-packages)
if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  find_program(BIDGAUGE_SYSTEM_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
  if(BIDGAUGE_SYSTEM_PYTHON)
    execute_process(COMMAND ${BIDGAUGE_SYSTEM_PYTHON} -c
                            "import sys; print('%d.%d' % sys.version_info[:2])"
                    OUTPUT_VARIABLE bidgauge_python_version OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(bidgauge_python_default lib/python${bidgauge_python_version}/dist-packages)
  endif()
endif()
set(BIDGAUGE_PYTHON_DIR ${bidgauge_python_default} CACHE STRING
    "Where to install bidgauge.py, relative to the prefix")

set(bidgauge_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/bidgauge)

install(TARGETS bidgauge_shared bidgauge_static EXPORT bidgaugeTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/bidgauge/bidgauge.h
              ${PROJECT_SOURCE_DIR}/include/bidgauge/bidgauge.hpp
              ${PROJECT_SOURCE_DIR}/include/bidgauge/export.h
              ${PROJECT_BINARY_DIR}/include/bidgauge/version.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/bidgauge)
install(EXPORT bidgaugeTargets NAMESPACE bidgauge:: DESTINATION ${bidgauge_cmake_dir})

configure_package_config_file(${CMAKE_CURRENT_SOURCE_DIR}/cmake/bidgaugeConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/bidgaugeConfig.cmake
                              INSTALL_DESTINATION ${bidgauge_cmake_dir})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/bidgaugeConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/bidgaugeConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/bidgaugeConfigVersion.cmake
        DESTINATION ${bidgauge_cmake_dir})

# The prefix is found from the .pc file's place, so a copy installed with
# --prefix elsewhere still points at itself.
file(RELATIVE_PATH bidgauge_pc_to_prefix /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" bidgauge_pc_to_prefix "${bidgauge_pc_to_prefix}")
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/cmake/bidgauge.pc.in
               ${CMAKE_CURRENT_BINARY_DIR}/bidgauge.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/bidgauge.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(FILES ${PROJECT_SOURCE_DIR}/python/bidgauge.py DESTINATION ${BIDGAUGE_PYTHON_DIR})
if(TARGET bidgauge_python_rows)
  install(TARGETS bidgauge_python_rows LIBRARY DESTINATION ${BIDGAUGE_PYTHON_DIR})
endif()
