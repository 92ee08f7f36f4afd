# Writes a C++ file holding the page's files as byte arrays:
#   cmake -DOUTPUT=file.cpp -DASSETS="a;b;c" -P embed_assets.cmake
# Each file becomes one entry of the table FindAsset reads.
set(table "")
set(arrays "")
set(index 0)
foreach(path IN LISTS ASSETS)
  get_filename_component(name ${path} NAME)
  if(name MATCHES "\\.html$")
    set(type "text/html; charset=utf-8")
  elseif(name MATCHES "\\.js$")
    set(type "text/javascript; charset=utf-8")
  elseif(name MATCHES "\\.css$")
    set(type "text/css; charset=utf-8")
  elseif(name MATCHES "\\.svg$")
    set(type "image/svg+xml")
  else()
    set(type "application/octet-stream")
  endif()
  file(READ ${path} hex HEX)
  file(SIZE ${path} size)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(APPEND arrays "const char kAsset${index}[] = {${bytes} 0};\n")
  string(APPEND table "    {\"${name}\", \"${type}\", std::string_view(kAsset${index}, ${size})},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUTPUT}.tmp
"// Generated from host/web/assets/ by embed_assets.cmake; do not edit.
#include \"static_assets.h\"

namespace mirado::web {
namespace {
${arrays}
const StaticAsset kAssets[] = {
${table}};
}  // namespace

const StaticAsset* FindAsset(std::string_view name) {
  for (const StaticAsset& asset : kAssets) {
    if (asset.name == name) return &asset;
  }
  return nullptr;
}

}  // namespace mirado::web
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
