# GoogleTest from Debian's sources (/usr/src/googletest), built the same way
# for both builds. Each test program is one CTest test; the Windows build runs
# it under wine (CMAKE_CROSSCOMPILING_EMULATOR) in a prefix inside the build
# folder.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
# Debian ships GoogleTest's sources (package googletest); the folder can be
# given with -DMIRADO_GTEST_SOURCE_DIR=... where it lives elsewhere.
find_path(MIRADO_GTEST_SOURCE_DIR NAMES googletest/CMakeLists.txt PATHS /usr/src/googletest
  DOC "GoogleTest's source folder" NO_CMAKE_FIND_ROOT_PATH)
if(NOT MIRADO_GTEST_SOURCE_DIR)
  message(FATAL_ERROR "GoogleTest's sources were not found; install Debian's googletest package")
endif()
add_subdirectory(${MIRADO_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

if(WIN32)
  set(MIRADO_TEST_ENVIRONMENT
    "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix"
    "WINEDEBUG=-all"
    "WINEDLLOVERRIDES=mscoree,mshtml=")
else()
  set(MIRADO_TEST_ENVIRONMENT)
endif()

add_library(mirado_test_support STATIC tests/support/test_support.cpp)
target_include_directories(mirado_test_support PUBLIC tests)
target_link_libraries(mirado_test_support PUBLIC mirado_core gtest)

# mirado_add_test(NAME SOURCES... [ARGS args...]): one test program, labelled
# "unit" (the slow end-to-end tests are labelled "e2e": ctest -LE e2e skips them).
function(mirado_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;ARGS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE mirado_test_support)
  if(WIN32)
    target_link_options(${name} PRIVATE ${MIRADO_STATIC_RUNTIME})
  endif()
  add_test(NAME ${name} COMMAND ${name} ${T_ARGS})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${MIRADO_TEST_ENVIRONMENT}" TIMEOUT 300 LABELS unit)
endfunction()

foreach(subsystem IN LISTS MIRADO_SUBSYSTEMS)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${subsystem}/*_test.cpp)
  list(FILTER tests EXCLUDE REGEX "-${MIRADO_OTHER_OS}_test\\.cpp$")
  if(tests)
    mirado_add_test(${subsystem}_tests SOURCES ${tests}
      ARGS --data=${CMAKE_SOURCE_DIR}/src/platform/testdata
      --rating-table=${CMAKE_SOURCE_DIR}/src/dice/data/rating-table.txt)
  endif()
endforeach()

# Session transcripts: the shared behaviour corpus of both builds.
mirado_add_test(transcript_tests SOURCES tests/transcript_test.cpp
  ARGS --transcripts=${CMAKE_SOURCE_DIR}/tests/transcripts)

# The built library, loaded as a host loads it.
mirado_add_test(abi_tests SOURCES tests/abi_test.cpp ARGS --plugin=$<TARGET_FILE:mirado>)
target_link_libraries(abi_tests PRIVATE mirado_host)
add_dependencies(abi_tests mirado)

if(NOT WIN32)
  add_test(NAME console_host
    COMMAND ${CMAKE_COMMAND} -DCONSOLE=$<TARGET_FILE:mirado-console> -DWORK=${CMAKE_BINARY_DIR}/console-test
            -P ${CMAKE_SOURCE_DIR}/tests/console_test.cmake)
endif()

# The library exports exactly the entry points and nothing else.
add_test(NAME plugin_exports
  COMMAND ${CMAKE_COMMAND} -DLIBRARY=$<TARGET_FILE:mirado> -DWINDOWS=${WIN32}
          -P ${CMAKE_SOURCE_DIR}/tests/exports_test.cmake)

# A chat line that is no command makes no system call (Linux, under strace).
if(NOT WIN32)
  add_executable(syscall_probe tests/syscall_probe.cpp)
  target_link_libraries(syscall_probe PRIVATE mirado_host)
  target_compile_options(syscall_probe PRIVATE ${MIRADO_WARNINGS})
  add_dependencies(syscall_probe mirado)
  add_test(NAME chat_line_system_calls
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/syscall_test.py $<TARGET_FILE:syscall_probe>
            $<TARGET_FILE:mirado> ${CMAKE_BINARY_DIR}/syscall-test)
  set_tests_properties(chat_line_system_calls PROPERTIES LABELS unit SKIP_RETURN_CODE 77)
endif()

# Every include points down the layers.
add_test(NAME include_layers COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/check_layers.py ${CMAKE_SOURCE_DIR})
set_tests_properties(include_layers plugin_exports PROPERTIES LABELS unit)
if(NOT WIN32)
  set_tests_properties(console_host PROPERTIES LABELS unit)
endif()
