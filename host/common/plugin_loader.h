// Loads the plug-in library at run time, exactly as a third-party IRC host
// does, and calls its entry points with fresh 4096-byte buffers.
#ifndef MIRADO_HOST_PLUGIN_LOADER_H_
#define MIRADO_HOST_PLUGIN_LOADER_H_

#include <memory>
#include <string>
#include <vector>

#include "mirado/mirado.h"

namespace mirado::host {

class Plugin {
 public:
  // Loads the library at `path`. Returns null and explains why in `error`
  // when the file cannot be loaded or exports no Command.
  static std::unique_ptr<Plugin> Load(const std::string& path, std::string* error);
  // The plug-in built beside this program (libmirado.so or Mirado.dll).
  static std::string DefaultPath();

  ~Plugin();
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;

  // The raw entry points (null where the library exports none), for callers
  // that bring their own buffer: the ABI tests check the real bounds with them.
  MiradoEntryPoint RawCommand() const { return command_; }
  MiradoEntryPoint RawAlias() const { return alias_; }
  MiradoEntryPoint RawPart() const { return part_; }

  bool HasAlias() const { return alias_ != nullptr; }
  bool HasPart() const { return part_ != nullptr; }

  // Each call gets a fresh, zeroed 4096-byte buffer; the result is the
  // non-empty IRC lines written into it (code page 932). Text passed in must
  // hold no CR, LF or NUL (see StripControls).
  std::vector<std::string> Command(const std::string& nick, const std::string& channel, const std::string& text);
  std::vector<std::string> Alias(const std::string& nick, const std::string& channel, const std::string& text);
  std::vector<std::string> Part(const std::string& nick, const std::string& channel, const std::string& text);

 private:
  Plugin() = default;
  std::vector<std::string> Call(MiradoEntryPoint entry, const std::string& nick, const std::string& channel,
                                const std::string& text);

  void* handle_ = nullptr;
  MiradoEntryPoint command_ = nullptr;
  MiradoEntryPoint alias_ = nullptr;
  MiradoEntryPoint part_ = nullptr;
};

// Splits a reply buffer into its non-empty CR LF-separated lines.
std::vector<std::string> SplitReply(const char* buffer);
// Removes CR, LF and NUL, which must never reach the plug-in.
std::string StripControls(const std::string& text);

}  // namespace mirado::host

#endif  // MIRADO_HOST_PLUGIN_LOADER_H_
