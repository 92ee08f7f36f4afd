// What the plug-in says about itself: its name and release date, and the
// three links of the deployment. The links are build settings (CMake cache
// variables MIRADO_MAIN_PAGE_URL, MIRADO_REFERENCE_URL, MIRADO_SHORT_URL, see
// the README); the defaults below serve a build configured without them.
#ifndef MIRADO_PLUGIN_RELEASE_INFO_H_
#define MIRADO_PLUGIN_RELEASE_INFO_H_

#ifndef MIRADO_MAIN_PAGE_URL
#define MIRADO_MAIN_PAGE_URL "https://mirado-trpg.example.org/"
#endif
#ifndef MIRADO_REFERENCE_URL
#define MIRADO_REFERENCE_URL "https://mirado-trpg.example.org/reference.html"
#endif
#ifndef MIRADO_SHORT_URL
#define MIRADO_SHORT_URL "https://mirado-trpg.example.org/"
#endif

namespace BotCommand {

inline constexpr const char* kPluginName = "MIRADO for TRPG";
inline constexpr const char* kReleaseDate = "2013/01/15";
inline constexpr const char* kMainPageUrl = MIRADO_MAIN_PAGE_URL;
inline constexpr const char* kReferenceUrl = MIRADO_REFERENCE_URL;
inline constexpr const char* kShortUrl = MIRADO_SHORT_URL;

}  // namespace BotCommand

#endif  // MIRADO_PLUGIN_RELEASE_INFO_H_
