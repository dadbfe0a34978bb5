# Compiler settings shared by every target of the project.
function(bidgauge_set_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # GCC 12 at -O3 warns falsely about "literal" + std::string (its bug 105651).
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(BIDGAUGE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(BIDGAUGE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(BIDGAUGE_BUILD_FUZZ)
  # Coverage for libFuzzer in every library the fuzz targets link.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                      -fsanitize-coverage-ignorelist=${PROJECT_SOURCE_DIR}/fuzz/coverage_ignorelist.txt)
  add_link_options(-fsanitize=address,undefined)
endif()

# The bulk path (reading, evaluating and writing millions of hands) gains from
# the optimizer's full effort; the rest of the program does not need it.
function(bidgauge_optimize_fully target)
  target_compile_options(${target} PRIVATE $<$<CONFIG:Release,RelWithDebInfo>:-O3>)
endfunction()
