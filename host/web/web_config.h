// Settings of the web host, from the command line and its config file. Both
// use the same names: "--listen 127.0.0.1:8080" on the command line is
// "listen = 127.0.0.1:8080" in the file; the command line wins.
//
// The config file is UTF-8 text, one "name = value" per line; blank lines
// and lines starting with '#' or ';' are comments; switches take yes/no;
// relative paths are taken from the file's folder. It also keeps the table
// key: when it holds none, the server makes one and adds it to the file
// (creating the file), so the URL players were given stays valid.
#ifndef MIRADO_HOST_WEB_WEB_CONFIG_H_
#define MIRADO_HOST_WEB_WEB_CONFIG_H_

#include <cstdint>
#include <string>
#include <vector>

#include "event_log.h"
#include "hub.h"

namespace mirado::web {

struct WebConfig {
  std::string config_path;              // the file read (and given the key)
  std::string host = "127.0.0.1";       // address to listen on
  uint16_t port = 8080;                 // 0: any free port
  std::string data_dir;                 // room logs; default: beside the config file
  std::string key;                      // the table key; empty until made
  std::string plugin_path;              // empty: the plug-in beside the program
  double request_timeout = 15;          // seconds a request may take to arrive
  std::size_t stream_buffer = 1 << 20;  // bytes a stream may fall behind before it is dropped
  HubLimits limits;
  LogLimits log;
  bool verbose = false;
};

enum class ConfigOutcome { kRun, kHelp, kError };

// Reads the command line (without the program name) and the config file it
// names (or `default_config` when it names none); a file that does not
// exist yet counts as empty.
ConfigOutcome LoadConfig(const std::vector<std::string>& args, const std::string& default_config, WebConfig* config,
                         std::string* error);

// Reads settings from the text of a config file into `config`; `base_dir`
// (with a trailing slash, or empty) is put before relative paths.
bool ApplyConfigText(const std::string& text, const std::string& base_dir, WebConfig* config, std::string* error);

// Adds "key = KEY" to the config file (creating it with a short header).
bool StoreKey(const std::string& path, const std::string& key, std::string* error);

std::string WebUsageText();

}  // namespace mirado::web

#endif  // MIRADO_HOST_WEB_WEB_CONFIG_H_
