# The plug-in's layers, each its own static library, so that the build keeps
# the arrows pointing down:
#
#   plugin ──> dice state cards pool tables ──> core ──> platform ──> codepage
#
# A library sees only its own folder and the public headers (its "face") of
# the libraries it declares: each source folder is reached through a folder
# of links in the build tree, one holding the whole source folder (for the
# library's own files) and one holding only the face. So an upward include,
# or a sideways one into another subsystem's internals, names a file that is
# not on the include path and fails to compile. tests/check_layers.py checks
# what the build cannot see (relative paths that climb out of a folder).
#
# A "-posix"/"-win32" pair implements one contract per operating system; the
# other system's files and the tests (*_test.cpp) are not sources of the
# library. Tests sit beside the code and are built per folder (MiradoTests).
if(WIN32)
  set(MIRADO_OS win32)
  set(MIRADO_OTHER_OS posix)
else()
  set(MIRADO_OS posix)
  set(MIRADO_OTHER_OS win32)
endif()

set(MIRADO_LAYER_LINKS ${CMAKE_BINARY_DIR}/layers)
# Every library source of the plug-in (the fuzz build compiles them all).
set(MIRADO_ALL_SOURCES)
# The folders that have a library, bottom first.
set(MIRADO_LAYER_FOLDERS)

# mirado_layer(FOLDER f FACE headers... [USES libs...] [USES_PRIVATELY libs...])
# makes the library mirado_<f> from src/<f>/*.cpp. FACE lists the headers the
# layers above may include; USES the libraries its face itself includes,
# USES_PRIVATELY those only its sources include.
function(mirado_layer)
  cmake_parse_arguments(L "" "FOLDER" "FACE;USES;USES_PRIVATELY" ${ARGN})
  set(name mirado_${L_FOLDER})
  set(source_dir ${CMAKE_SOURCE_DIR}/src/${L_FOLDER})
  set(own ${MIRADO_LAYER_LINKS}/own/${L_FOLDER})
  set(face ${MIRADO_LAYER_LINKS}/face/${L_FOLDER})
  file(MAKE_DIRECTORY ${own} ${face}/${L_FOLDER})
  file(REMOVE ${own}/${L_FOLDER})
  file(CREATE_LINK ${source_dir} ${own}/${L_FOLDER} SYMBOLIC)
  # The face folder is rebuilt on every configure, so a header taken off the
  # face is gone from it.
  file(GLOB stale ${face}/${L_FOLDER}/*)
  if(stale)
    file(REMOVE ${stale})
  endif()
  foreach(header IN LISTS L_FACE)
    if(NOT EXISTS ${source_dir}/${header})
      message(FATAL_ERROR "mirado_layer(${L_FOLDER}): the face header ${header} does not exist")
    endif()
    file(CREATE_LINK ${source_dir}/${header} ${face}/${L_FOLDER}/${header} SYMBOLIC)
  endforeach()

  file(GLOB sources CONFIGURE_DEPENDS ${source_dir}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "_test\\.cpp$")
  list(FILTER sources EXCLUDE REGEX "-${MIRADO_OTHER_OS}\\.cpp$")
  list(FILTER sources EXCLUDE REGEX "-${MIRADO_OTHER_OS}_test\\.cpp$")
  # Game data the generators made for this folder (see MiradoData.cmake).
  set(generated ${MIRADO_GENERATED_${L_FOLDER}})
  add_library(${name} STATIC ${sources} ${generated})
  if(generated)
    add_dependencies(${name} mirado_generated)
  endif()
  target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${face}> PRIVATE ${own}
                             ${MIRADO_GENERATED_DIR}/${L_FOLDER})
  target_link_libraries(${name} PUBLIC ${L_USES} PRIVATE ${L_USES_PRIVATELY})
  mirado_compile_like_plugin(${name})
  # A layer's tests see what its own sources see.
  set_property(GLOBAL PROPERTY MIRADO_PRIVATE_USES_${L_FOLDER} ${L_USES_PRIVATELY})
  set(MIRADO_ALL_SOURCES ${MIRADO_ALL_SOURCES} ${sources} PARENT_SCOPE)
  set(MIRADO_LAYER_FOLDERS ${MIRADO_LAYER_FOLDERS} ${L_FOLDER} PARENT_SCOPE)
endfunction()

# The plug-in's compile settings: warnings as errors, and every narrow
# literal in code page 932, exactly as the host passes text.
function(mirado_compile_like_plugin target)
  target_compile_options(${target} PRIVATE ${MIRADO_WARNINGS} ${MIRADO_CHARSET})
endfunction()
