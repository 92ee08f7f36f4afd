// The page's files, compiled into the program (from host/web/assets/ by the
// build), so no request ever reaches the file system by its path.
#ifndef MIRADO_HOST_WEB_STATIC_ASSETS_H_
#define MIRADO_HOST_WEB_STATIC_ASSETS_H_

#include <string_view>

namespace mirado::web {

struct StaticAsset {
  std::string_view name;  // "index.html", "app.js", "style.css"
  std::string_view content_type;
  std::string_view body;
};

// The asset of that exact name; null for any other name.
const StaticAsset* FindAsset(std::string_view name);

}  // namespace mirado::web

#endif  // MIRADO_HOST_WEB_STATIC_ASSETS_H_
