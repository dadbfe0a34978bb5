# DDS, the double-dummy solver (Debian: libdds-dev), solves the study's
# deals. Native builds use it where it is installed; the Windows and web
# builds, and a machine without it, build the study without a solver.
find_path(DDS_INCLUDE_DIR dds/dll.h)
find_library(DDS_LIBRARY dds)
if(bidgauge_native AND DDS_INCLUDE_DIR AND DDS_LIBRARY)
  set(dds_default ON)
else()
  set(dds_default OFF)
endif()
option(BIDGAUGE_DDS "Solve the study's deals with DDS (needs libdds-dev)" ${dds_default})

if(BIDGAUGE_DDS)
  if(NOT DDS_INCLUDE_DIR OR NOT DDS_LIBRARY)
    message(FATAL_ERROR "BIDGAUGE_DDS needs DDS: install libdds-dev, or configure with -DBIDGAUGE_DDS=OFF")
  endif()
  add_library(dds::dds UNKNOWN IMPORTED)
  set_target_properties(dds::dds PROPERTIES IMPORTED_LOCATION ${DDS_LIBRARY}
                                            INTERFACE_INCLUDE_DIRECTORIES ${DDS_INCLUDE_DIR})
endif()
