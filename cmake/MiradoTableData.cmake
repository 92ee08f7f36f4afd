# The random tables' data files (src/tables/data/*.txt) become one compiled-in
# source, written into the build folder by tools/gen_table_data.py whenever a
# data file or the generator changes.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
file(GLOB MIRADO_TABLE_DATA_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/tables/data/*.txt)
set(MIRADO_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
add_custom_command(
  OUTPUT ${MIRADO_GENERATED_DIR}/tables/table_data.cpp ${MIRADO_GENERATED_DIR}/tables/table_data_list.h
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/gen_table_data.py ${MIRADO_GENERATED_DIR}
          ${MIRADO_TABLE_DATA_FILES}
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/gen_table_data.py ${MIRADO_TABLE_DATA_FILES}
  COMMENT "Generating the random tables' data"
  VERBATIM)
list(APPEND MIRADO_CORE_SOURCES ${MIRADO_GENERATED_DIR}/tables/table_data.cpp)
# The generated header is included as "tables/table_data_list.h".
include_directories(${MIRADO_GENERATED_DIR})
