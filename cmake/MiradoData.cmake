# Game data kept as data files and turned into compiled-in tables by the
# generators in tools/, run by the build. What is generated for the folder
# src/<f> lands in ${MIRADO_GENERATED_DIR}/<f>/<f>/ (so it is included as
# "<f>/name" by that folder's files alone), is listed in
# MIRADO_GENERATED_<f>, and is never committed.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(MIRADO_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(MIRADO_GENERATED_SOURCES)

# mirado_generate(FOLDER <f> OUTPUTS <files...> SCRIPT <tools/x.py> ARGS <args...> INPUTS <files...>):
# runs `python3 SCRIPT ARGS...` whenever the script or an input changed.
function(mirado_generate)
  cmake_parse_arguments(G "" "FOLDER;SCRIPT" "OUTPUTS;ARGS;INPUTS" ${ARGN})
  set(dir ${MIRADO_GENERATED_DIR}/${G_FOLDER}/${G_FOLDER})
  set(outputs)
  foreach(output IN LISTS G_OUTPUTS)
    list(APPEND outputs ${dir}/${output})
  endforeach()
  add_custom_command(OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/${G_SCRIPT} ${G_ARGS}
    DEPENDS ${CMAKE_SOURCE_DIR}/${G_SCRIPT} ${G_INPUTS}
    COMMENT "Generating the game data of src/${G_FOLDER}" VERBATIM)
  set(MIRADO_GENERATED_${G_FOLDER} ${MIRADO_GENERATED_${G_FOLDER}} ${outputs} PARENT_SCOPE)
  set(MIRADO_GENERATED_SOURCES ${MIRADO_GENERATED_SOURCES} ${outputs} PARENT_SCOPE)
endfunction()

# The rating table of the dice engine.
set(rating_table ${CMAKE_SOURCE_DIR}/src/dice/data/rating-table.txt)
mirado_generate(FOLDER dice OUTPUTS rating_table.inc SCRIPT tools/gen_rating_table.py
  ARGS ${rating_table} ${MIRADO_GENERATED_DIR}/dice/dice/rating_table.inc INPUTS ${rating_table})

# The random tables and the character makers: every data file of
# src/tables/data becomes one compiled-in source and its header
# (tools/gen_table_data.py checks each file's shape as it goes).
file(GLOB MIRADO_TABLE_DATA_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/tables/data/*.txt)
mirado_generate(FOLDER tables OUTPUTS table_data.cpp table_data_list.h SCRIPT tools/gen_table_data.py
  ARGS ${MIRADO_GENERATED_DIR}/tables ${MIRADO_TABLE_DATA_FILES} INPUTS ${MIRADO_TABLE_DATA_FILES})

# Everything generated, as one target the libraries that compile it wait for.
add_custom_target(mirado_generated DEPENDS ${MIRADO_GENERATED_SOURCES})
