# Helpers every module uses for its tests and fuzz targets.

# quorla_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2)
function(quorla_add_test name)
  if(NOT QUORLA_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    QUORLA_SHARED_DATA="${QUORLA_SHARED_DATA}"
    QUORLA_BUILD_DATA="${QUORLA_BUILD_DATA}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# quorla_add_fuzzer(NAME SOURCES a.cpp LIBS lib1): a libFuzzer target, built with -DQUORLA_FUZZ=ON under clang.
set_property(GLOBAL PROPERTY QUORLA_FUZZERS "")
function(quorla_add_fuzzer name)
  if(NOT QUORLA_FUZZ)
    return()
  endif()
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
  set_property(GLOBAL APPEND PROPERTY QUORLA_FUZZERS ${name})
endfunction()

# quorla_add_bench(NAME SOURCES a.cpp LIBS lib1): a Google Benchmark program under bench/.
function(quorla_add_bench name)
  if(NOT QUORLA_BENCH)
    return()
  endif()
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  find_package(benchmark REQUIRED)
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
  target_compile_definitions(${name} PRIVATE QUORLA_SHARED_DATA="${QUORLA_SHARED_DATA}")
endfunction()

# vatool subcommand groups: a module lists its *_commands.cpp here; the file registers its group
# itself (vatool/subcommand_table.h), so adding a group touches no shared file.
function(quorla_add_vatool_commands)
  cmake_parse_arguments(V "" "" "SOURCES;LIBS" ${ARGN})
  foreach(s ${V_SOURCES})
    get_filename_component(abs ${s} ABSOLUTE)
    set_property(GLOBAL APPEND PROPERTY QUORLA_VATOOL_SOURCES ${abs})
  endforeach()
  set_property(GLOBAL APPEND PROPERTY QUORLA_VATOOL_LIBS ${V_LIBS})
endfunction()
