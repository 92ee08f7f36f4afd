// Settings of the IRC host, from the command line and an optional config
// file. Both use the same names: "--nick NAME" on the command line is
// "nick = NAME" in the file. A setting given on the command line wins over
// the file; for the repeatable "channel", the command line's channels
// replace the file's list as a whole.
//
// The config file is UTF-8 text, one "name = value" per line. Blank lines and
// lines whose first non-blank character is '#' or ';' are comments (a value
// may hold '#', as channel names do). Switches take yes/no, true/false,
// on/off or 1/0. Relative paths in the file are taken from the file's folder.
#ifndef MIRADO_HOST_IRC_CONFIG_H_
#define MIRADO_HOST_IRC_CONFIG_H_

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "flood_limiter.h"
#include "wire_codec.h"

namespace mirado::irc {

struct ChannelSetting {
  std::string name;  // UTF-8, as configured
  std::string key;   // channel key (password), empty when none
};

struct BotConfig {
  std::string host;
  uint16_t port = 0;
  bool tls = false;
  bool insecure = false;  // TLS without certificate checks
  std::string ca_file;    // certificates to trust instead of the system's
  std::string password;   // server password (PASS), empty when none
  std::string nick = "mirado";
  std::string alt_nick;  // tried when the nick is taken; default nick + "_"
  std::string user = "mirado";
  std::string realname = "Mirado for TRPG";
  std::vector<ChannelSetting> channels;
  WireEncoding encoding = WireEncoding::kUtf8;
  std::string plugin_path;  // empty: the plug-in beside the program
  double flood_burst = kDefaultFloodBurst;
  double flood_interval = kDefaultFloodInterval;
  double reconnect_min = 1.0;    // first wait after a lost connection, seconds
  double reconnect_max = 300.0;  // the wait doubles up to this
  bool verbose = false;
};

// Raw settings: each name with its values in the order given.
using SettingMap = std::map<std::string, std::vector<std::string>>;

enum class ParseOutcome { kRun, kHelp, kError };

// Reads the command line into `settings` (without the program name). The
// config file's path, if any, goes to `config_path`.
ParseOutcome ParseArguments(const std::vector<std::string>& args, SettingMap* settings, std::string* config_path,
                            std::string* error);

// Reads the text of a config file. `base_dir` (with a trailing slash, or
// empty) is put before relative paths.
bool ParseConfigText(const std::string& text, const std::string& base_dir, SettingMap* settings, std::string* error);
// Reads the file at `path` with ParseConfigText; error messages name the file.
bool LoadConfigFile(const std::string& path, SettingMap* settings, std::string* error);

// Merges command line over file and checks every value.
bool BuildConfig(const SettingMap& command_line, const SettingMap& file, BotConfig* config, std::string* error);

// The usage text of the program.
std::string UsageText();

}  // namespace mirado::irc

#endif  // MIRADO_HOST_IRC_CONFIG_H_
