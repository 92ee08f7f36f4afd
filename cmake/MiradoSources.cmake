# Source lists of the plug-in core; a "-posix"/"-win32" pair implements one
# contract per operating system. Tests (*_test.cpp) sit beside the code.
if(WIN32)
  set(MIRADO_OS win32)
  set(MIRADO_OTHER_OS posix)
else()
  set(MIRADO_OS posix)
  set(MIRADO_OTHER_OS win32)
endif()

# The subsystems, bottom layer first. Each folder of src/ is one; its *.cpp
# files (tests and the other system's files aside, by their names) are the
# core library's sources. src/plugin/library holds what only the shared
# library itself is made of.
set(MIRADO_SUBSYSTEMS)
foreach(subsystem platform core dice state cards pool tables plugin)
  if(IS_DIRECTORY ${CMAKE_SOURCE_DIR}/src/${subsystem})
    list(APPEND MIRADO_SUBSYSTEMS ${subsystem})
  endif()
endforeach()

set(MIRADO_CORE_SOURCES)
foreach(subsystem IN LISTS MIRADO_SUBSYSTEMS)
  file(GLOB files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${subsystem}/*.cpp)
  list(FILTER files EXCLUDE REGEX "_test\\.cpp$")
  list(FILTER files EXCLUDE REGEX "-${MIRADO_OTHER_OS}\\.cpp$")
  list(APPEND MIRADO_CORE_SOURCES ${files})
endforeach()

set(MIRADO_PLUGIN_SOURCES src/plugin/library/plugin_library.cpp)
if(WIN32)
  list(APPEND MIRADO_PLUGIN_SOURCES src/plugin/library/dll_main-win32.cpp)
endif()

