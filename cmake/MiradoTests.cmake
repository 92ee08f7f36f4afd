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

# What the tests share: a settings folder of their own, a pinned random
# source and calls of the entry points, linked with the whole plug-in.
add_library(mirado_test_support STATIC tests/support/test_support.cpp)
target_include_directories(mirado_test_support PUBLIC tests)
target_link_libraries(mirado_test_support PUBLIC mirado_plugin gtest
  PRIVATE mirado_codepage)
mirado_compile_like_plugin(mirado_test_support)

# mirado_add_test(NAME SOURCES... [ARGS args...]): one test program, labelled
# "unit" (the slow end-to-end tests are labelled "e2e": ctest -LE e2e skips them).
function(mirado_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;ARGS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE mirado_test_support)
  mirado_compile_like_plugin(${name})
  if(WIN32)
    target_link_options(${name} PRIVATE ${MIRADO_STATIC_RUNTIME})
  endif()
  add_test(NAME ${name} COMMAND ${name} ${T_ARGS})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${MIRADO_TEST_ENVIRONMENT}" TIMEOUT 300 LABELS unit)
endfunction()

# The unit tests of each layer sit beside its code and see its own files.
foreach(folder IN LISTS MIRADO_LAYER_FOLDERS)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${folder}/*_test.cpp)
  list(FILTER tests EXCLUDE REGEX "-${MIRADO_OTHER_OS}_test\\.cpp$")
  if(tests)
    mirado_add_test(${folder}_tests SOURCES ${tests}
      ARGS --data=${CMAKE_SOURCE_DIR}/src/platform/testdata
      --rating-table=${CMAKE_SOURCE_DIR}/src/dice/data/rating-table.txt)
    target_include_directories(${folder}_tests PRIVATE ${MIRADO_LAYER_LINKS}/own/${folder}
                               ${MIRADO_GENERATED_DIR}/${folder})
    get_property(private_uses GLOBAL PROPERTY MIRADO_PRIVATE_USES_${folder})
    target_link_libraries(${folder}_tests PRIVATE mirado_${folder} ${private_uses})
    if(MIRADO_GENERATED_${folder})
      add_dependencies(${folder}_tests mirado_generated)
    endif()
  endif()
endforeach()

# mirado_add_host_test(NAME SOURCES...): a test program of the hosts' code,
# which sees the plug-in through mirado.h alone.
function(mirado_add_host_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE mirado_host gtest gtest_main)
  target_compile_options(${name} PRIVATE ${MIRADO_WARNINGS})
  if(WIN32)
    target_link_options(${name} PRIVATE ${MIRADO_STATIC_RUNTIME})
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${MIRADO_TEST_ENVIRONMENT}" TIMEOUT 120 LABELS unit)
endfunction()

# What every host shares (host/common), tested without a plug-in.
file(GLOB host_common_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/host/common/*_test.cpp)
mirado_add_host_test(host_common_tests ${host_common_tests})

# The console's session, tested with scripted entry points.
mirado_add_host_test(host_console_tests host/console/console_session_test.cpp host/console/console_session.cpp)
target_include_directories(host_console_tests PRIVATE host/console)

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

# Every include points down the layers: the checker of what the build cannot
# see, its own test with planted violations, and probes that show the build
# refuses an upward include, a sideways one and a host reaching past mirado.h.
add_test(NAME include_layers COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/check_layers.py ${CMAKE_SOURCE_DIR})
add_test(NAME include_layers_checker COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/check_layers_test.py)
set_tests_properties(include_layers_checker PROPERTIES LABELS unit)
# mirado_layer_probe(NAME file LIKE library [OWN folder] [FAILS]): `file` compiled as
# a file of `library` would be; a test that builds it, expected to fail with FAILS.
function(mirado_layer_probe name)
  cmake_parse_arguments(P "FAILS" "FILE;LIKE;OWN" "" ${ARGN})
  add_library(${name} OBJECT EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tests/layer_probes/${P_FILE})
  target_link_libraries(${name} PRIVATE ${P_LIKE})
  if(P_OWN)
    target_include_directories(${name} PRIVATE ${MIRADO_LAYER_LINKS}/own/${P_OWN})
  endif()
  add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target ${name})
  set_tests_properties(${name} PROPERTIES LABELS unit WILL_FAIL ${P_FAILS})
endfunction()
mirado_layer_probe(layer_probe_upward FILE core_includes_dice.cpp LIKE mirado_core OWN core FAILS)
mirado_layer_probe(layer_probe_sideways FILE tables_includes_dice_rules.cpp LIKE mirado_tables OWN tables FAILS)
mirado_layer_probe(layer_probe_host FILE host_includes_core.cpp LIKE mirado_host FAILS)
mirado_layer_probe(layer_probe_allowed FILE tables_includes_own_and_faces.cpp LIKE mirado_tables OWN tables)
set_tests_properties(include_layers plugin_exports PROPERTIES LABELS unit)
if(NOT WIN32)
  set_tests_properties(console_host PROPERTIES LABELS unit)
endif()
