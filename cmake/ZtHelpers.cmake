# Adds every folder below `root` that holds a CMakeLists.txt, so that each
# area can bring its own tests, benchmarks or fuzzers without editing this file.
function(zt_add_subfolders root)
  file(GLOB_RECURSE lists CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${root}/*/CMakeLists.txt)
  list(SORT lists)
  foreach(f ${lists})
    get_filename_component(d ${f} DIRECTORY)
    add_subdirectory(${d})
  endforeach()
endfunction()

# zt_add_gtest(NAME name SOURCES ... LIBS ...)
# One GoogleTest binary; each test case is registered with CTest.
function(zt_add_gtest)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 600)
endfunction()

# zt_add_benchmark(NAME name SOURCES ... LIBS ...)
function(zt_add_benchmark)
  cmake_parse_arguments(B "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${B_NAME} ${B_SOURCES})
  target_link_libraries(${B_NAME} PRIVATE ${B_LIBS} benchmark::benchmark)
endfunction()

# zt_add_fuzzer(NAME name SOURCES ... LIBS ...)
function(zt_add_fuzzer)
  cmake_parse_arguments(F "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${F_NAME} ${F_SOURCES})
  target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
  target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
endfunction()
