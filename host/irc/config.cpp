#include "config.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace mirado::irc {
namespace {

enum Kind { kValue, kSwitch, kPath, kList };

struct SettingInfo {
  const char* name;
  Kind kind;
};

constexpr SettingInfo kSettings[] = {
    {"server", kValue},      {"tls", kSwitch},           {"insecure", kSwitch},     {"ca-file", kPath},
    {"password", kValue},    {"nick", kValue},           {"alt-nick", kValue},      {"user", kValue},
    {"realname", kValue},    {"channel", kList},         {"encoding", kValue},      {"plugin", kPath},
    {"flood-burst", kValue}, {"flood-interval", kValue}, {"reconnect-min", kValue}, {"reconnect-max", kValue},
    {"verbose", kSwitch},
};

const SettingInfo* FindSetting(const std::string& name) {
  for (const auto& s : kSettings) {
    if (name == s.name) return &s;
  }
  return nullptr;
}

std::string Trim(const std::string& s) {
  const auto b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return {};
  const auto e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

std::optional<bool> ParseSwitch(std::string value) {
  for (auto& c : value) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  if (value == "yes" || value == "true" || value == "on" || value == "1") return true;
  if (value == "no" || value == "false" || value == "off" || value == "0") return false;
  return std::nullopt;
}

bool ParseSeconds(const std::string& name, const std::string& text, double low, double high, double* out,
                  std::string* error) {
  char* end = nullptr;
  errno = 0;
  const double v = std::strtod(text.c_str(), &end);
  if (text.empty() || end == nullptr || *end != '\0' || errno != 0 || !std::isfinite(v) || v < low || v > high) {
    std::ostringstream m;
    m << name << ": expected a number from " << low << " to " << high << ", got \"" << text << "\"";
    *error = m.str();
    return false;
  }
  *out = v;
  return true;
}

// A nick or user name the server can take: one word without control characters.
bool ValidName(const std::string& name) {
  if (name.empty() || name.size() > 64 || name[0] == ':' || name[0] == '#') return false;
  for (char c : name) {
    const auto b = static_cast<unsigned char>(c);
    if (b <= 0x20 || b == 0x7F || c == ',' || c == '!' || c == '@') return false;
  }
  return true;
}

bool ParseChannel(const std::string& setting, ChannelSetting* channel, std::string* error) {
  const std::string s = Trim(setting);
  const auto space = s.find_first_of(" \t");
  channel->name = s.substr(0, space);
  channel->key = space == std::string::npos ? std::string() : Trim(s.substr(space));
  bool ok = channel->name.size() >= 2 && std::string_view("#&+!").find(channel->name[0]) != std::string_view::npos &&
            channel->key.find_first_of(" \t,") == std::string::npos;
  for (char c : channel->name + channel->key) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F || c == ',') ok = false;
  }
  if (!ok) *error = "channel: \"" + setting + "\" is no channel name (like #trpg, optionally followed by its key)";
  return ok;
}

bool ParseServer(const std::string& text, BotConfig* config, std::string* error) {
  std::string host = text, port;
  bool has_port = false;
  if (!text.empty() && text[0] == '[') {
    const auto close = text.find(']');
    if (close == std::string::npos || (close + 1 < text.size() && text[close + 1] != ':')) {
      *error = "server: bad address \"" + text + "\"";
      return false;
    }
    host = text.substr(1, close - 1);
    has_port = close + 1 < text.size();
    if (has_port) port = text.substr(close + 2);
  } else if (std::count(text.begin(), text.end(), ':') == 1) {
    host = text.substr(0, text.find(':'));
    port = text.substr(text.find(':') + 1);
    has_port = true;
  }
  if (host.empty() || host.find_first_of(" \t/") != std::string::npos) {
    *error = "server: expected HOST or HOST:PORT, got \"" + text + "\"";
    return false;
  }
  config->host = host;
  if (!has_port) {
    config->port = 0;
    return true;
  }
  char* end = nullptr;
  const long n = std::strtol(port.c_str(), &end, 10);
  if (port.empty() || *end != '\0' || n < 1 || n > 65535) {
    *error = "server: bad port \"" + port + "\"";
    return false;
  }
  config->port = static_cast<uint16_t>(n);
  return true;
}

}  // namespace

std::string UsageText() {
  return "usage: mirado-irc --server HOST[:PORT] [options]\n"
         "\n"
         "Connects to an IRC server and answers dice and game-master commands\n"
         "(#2D6+3 and so on) in the channels it is in.\n"
         "\n"
         "  --server HOST[:PORT]    the IRC server (port 6667, or 6697 with --tls)\n"
         "  --tls                   connect over TLS; the certificate is checked\n"
         "  --insecure              with --tls: do not check the certificate\n"
         "  --ca-file FILE          with --tls: trust these certificates (PEM)\n"
         "  --password PASS         server password\n"
         "  --nick NICK             the bot's nick (default mirado)\n"
         "  --alt-nick NICK         nick to use when NICK is taken (default NICK_)\n"
         "  --user NAME             user name (default mirado)\n"
         "  --realname TEXT         real name (default \"Mirado for TRPG\")\n"
         "  --channel '#CH [KEY]'   a channel to join; repeat for more\n"
         "  --encoding NAME         utf-8 (default), iso-2022-jp or cp932\n"
         "  --plugin PATH           the plug-in library (default: the one beside\n"
         "                          this program); Mirado.ini is kept beside it\n"
         "  --flood-burst N         lines sent at once before pacing (default 5)\n"
         "  --flood-interval SEC    then one line every SEC seconds (default 2)\n"
         "  --reconnect-min SEC     first wait after a lost connection (default 1)\n"
         "  --reconnect-max SEC     longest wait between attempts (default 300)\n"
         "  --config FILE           read settings from FILE (name = value lines,\n"
         "                          same names as above); the command line wins\n"
         "  --verbose               log chat lines and answers too\n"
         "  --help                  show this text\n";
}

ParseOutcome ParseArguments(const std::vector<std::string>& args, SettingMap* settings, std::string* config_path,
                            std::string* error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") return ParseOutcome::kHelp;
    std::string name = arg.rfind("--", 0) == 0 ? arg.substr(2) : std::string();
    std::string value;
    bool has_value = false;
    if (const auto eq = name.find('='); eq != std::string::npos) {
      value = name.substr(eq + 1);
      name = name.substr(0, eq);
      has_value = true;
    }
    if (name == "config") {
      if (!has_value && i + 1 >= args.size()) {
        *error = "--config needs a value";
        return ParseOutcome::kError;
      }
      *config_path = has_value ? value : args[++i];
      continue;
    }
    const SettingInfo* info = FindSetting(name);
    if (info == nullptr) {
      *error = "unknown option " + arg;
      return ParseOutcome::kError;
    }
    if (info->kind == kSwitch) {
      (*settings)[name] = {has_value ? value : "yes"};
      continue;
    }
    if (!has_value) {
      if (i + 1 >= args.size()) {
        *error = "--" + name + " needs a value";
        return ParseOutcome::kError;
      }
      value = args[++i];
    }
    if (info->kind == kList)
      (*settings)[name].push_back(value);
    else
      (*settings)[name] = {value};
  }
  return ParseOutcome::kRun;
}

bool ParseConfigText(const std::string& text, const std::string& base_dir, SettingMap* settings, std::string* error) {
  std::istringstream in(text);
  std::string raw;
  int number = 0;
  while (std::getline(in, raw)) {
    ++number;
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == '#' || line[0] == ';') continue;
    const auto eq = line.find('=');
    if (eq == std::string::npos) {
      *error = "line " + std::to_string(number) + ": expected name = value";
      return false;
    }
    const std::string name = Trim(line.substr(0, eq));
    std::string value = Trim(line.substr(eq + 1));
    const SettingInfo* info = FindSetting(name);
    if (info == nullptr) {
      *error = "line " + std::to_string(number) + ": unknown setting \"" + name + "\"";
      return false;
    }
    if (info->kind == kPath && !value.empty() && value[0] != '/') value = base_dir + value;
    if (info->kind == kList)
      (*settings)[name].push_back(value);
    else
      (*settings)[name] = {value};
  }
  return true;
}

bool LoadConfigFile(const std::string& path, SettingMap* settings, std::string* error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    *error = "cannot read the config file " + path;
    return false;
  }
  std::ostringstream text;
  text << file.rdbuf();
  const auto slash = path.rfind('/');
  const std::string base = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  if (!ParseConfigText(text.str(), base, settings, error)) {
    *error = path + ": " + *error;
    return false;
  }
  return true;
}

bool BuildConfig(const SettingMap& command_line, const SettingMap& file, BotConfig* config, std::string* error) {
  SettingMap merged = file;
  for (const auto& [name, values] : command_line) merged[name] = values;
  auto get = [&](const char* name) -> const std::string* {
    const auto it = merged.find(name);
    return it == merged.end() || it->second.empty() ? nullptr : &it->second.back();
  };
  for (const auto& s : kSettings) {
    if (s.kind != kSwitch) continue;
    if (const std::string* v = get(s.name); v != nullptr && !ParseSwitch(*v)) {
      *error = std::string(s.name) + ": expected yes or no, got \"" + *v + "\"";
      return false;
    }
  }
  auto flag = [&](const char* name) {
    const std::string* v = get(name);
    return v != nullptr && ParseSwitch(*v).value_or(false);
  };

  const std::string* server = get("server");
  if (server == nullptr) {
    *error = "no server given (--server HOST[:PORT])";
    return false;
  }
  if (!ParseServer(*server, config, error)) return false;
  config->tls = flag("tls");
  config->insecure = flag("insecure");
  config->verbose = flag("verbose");
  if (config->port == 0) config->port = config->tls ? 6697 : 6667;
  if (const std::string* v = get("ca-file")) config->ca_file = *v;
  if (const std::string* v = get("password")) config->password = *v;
  if (const std::string* v = get("nick")) config->nick = *v;
  if (const std::string* v = get("alt-nick")) config->alt_nick = *v;
  if (const std::string* v = get("user")) config->user = *v;
  if (const std::string* v = get("realname")) config->realname = *v;
  if (const std::string* v = get("plugin")) config->plugin_path = *v;
  if (!ValidName(config->nick)) {
    *error = "nick: \"" + config->nick + "\" is no valid nick";
    return false;
  }
  if (!config->alt_nick.empty() && !ValidName(config->alt_nick)) {
    *error = "alt-nick: \"" + config->alt_nick + "\" is no valid nick";
    return false;
  }
  if (!ValidName(config->user)) {
    *error = "user: \"" + config->user + "\" is no valid user name";
    return false;
  }
  for (const std::string* text : {&config->password, &config->realname}) {
    if (text->find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) {
      *error = "password and realname may not hold line breaks";
      return false;
    }
  }
  if (config->realname.empty()) config->realname = "Mirado for TRPG";
  config->channels.clear();
  if (const auto it = merged.find("channel"); it != merged.end()) {
    for (const auto& setting : it->second) {
      ChannelSetting channel;
      if (!ParseChannel(setting, &channel, error)) return false;
      config->channels.push_back(channel);
    }
  }
  if (const std::string* v = get("encoding")) {
    const auto encoding = ParseWireEncoding(*v);
    if (!encoding) {
      *error = "encoding: expected utf-8, iso-2022-jp or cp932, got \"" + *v + "\"";
      return false;
    }
    config->encoding = *encoding;
  }
  if (const std::string* v = get("flood-burst")) {
    if (!ParseSeconds("flood-burst", *v, 1, 100, &config->flood_burst, error)) return false;
  }
  if (const std::string* v = get("flood-interval")) {
    if (!ParseSeconds("flood-interval", *v, 0, 60, &config->flood_interval, error)) return false;
  }
  if (const std::string* v = get("reconnect-min")) {
    if (!ParseSeconds("reconnect-min", *v, 0.1, 3600, &config->reconnect_min, error)) return false;
  }
  if (const std::string* v = get("reconnect-max")) {
    if (!ParseSeconds("reconnect-max", *v, 0.1, 86400, &config->reconnect_max, error)) return false;
  }
  if (config->reconnect_max < config->reconnect_min) config->reconnect_max = config->reconnect_min;
  return true;
}

}  // namespace mirado::irc
