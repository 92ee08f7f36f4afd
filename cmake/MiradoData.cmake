# Game data kept as data files and turned into compiled-in tables by the
# generators in tools/, run by the build. The generated files land in
# ${MIRADO_GENERATED_DIR}/<subsystem>/ and are included by the one C++ file
# that defines the table; they are never committed.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(MIRADO_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(MIRADO_GENERATED_SOURCES)

# mirado_generate(OUTPUT <subsystem/file.inc> SCRIPT <tools/x.py> INPUTS <files...>):
# runs `python3 SCRIPT INPUTS... OUTPUT`.
function(mirado_generate)
  cmake_parse_arguments(G "" "OUTPUT;SCRIPT" "INPUTS" ${ARGN})
  set(out ${MIRADO_GENERATED_DIR}/${G_OUTPUT})
  set(inputs)
  foreach(input IN LISTS G_INPUTS)
    list(APPEND inputs ${CMAKE_SOURCE_DIR}/${input})
  endforeach()
  get_filename_component(dir ${out} DIRECTORY)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/${G_SCRIPT} ${inputs} ${out}
    DEPENDS ${CMAKE_SOURCE_DIR}/${G_SCRIPT} ${inputs}
    COMMENT "Generating ${G_OUTPUT}" VERBATIM)
  set(MIRADO_GENERATED_SOURCES ${MIRADO_GENERATED_SOURCES} ${out} PARENT_SCOPE)
endfunction()

mirado_generate(OUTPUT dice/rating_table.inc SCRIPT tools/gen_rating_table.py INPUTS src/dice/data/rating-table.txt)

# The random tables: every data file of src/tables/data becomes one
# compiled-in source and its list header (tools/gen_table_data.py checks
# widths, empty and repeated rows as it goes).
file(GLOB MIRADO_TABLE_DATA_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/tables/data/*.txt)
if(MIRADO_TABLE_DATA_FILES)
  add_custom_command(
    OUTPUT ${MIRADO_GENERATED_DIR}/tables/table_data.cpp ${MIRADO_GENERATED_DIR}/tables/table_data_list.h
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/gen_table_data.py ${MIRADO_GENERATED_DIR}
            ${MIRADO_TABLE_DATA_FILES}
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/gen_table_data.py ${MIRADO_TABLE_DATA_FILES}
    COMMENT "Generating the random tables' data"
    VERBATIM)
  list(APPEND MIRADO_GENERATED_SOURCES ${MIRADO_GENERATED_DIR}/tables/table_data.cpp)
endif()

# Everything generated, as one target the libraries that compile it wait for.
add_custom_target(mirado_generated DEPENDS ${MIRADO_GENERATED_SOURCES})
