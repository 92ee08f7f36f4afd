#include "web_config.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <utility>

namespace mirado::web {
namespace {

using Apply = bool (*)(const std::string& value, WebConfig* config, std::string* error);

bool Number(const std::string& value, double low, double high, double* out, std::string* error) {
  char* end = nullptr;
  errno = 0;
  const double v = std::strtod(value.c_str(), &end);
  if (value.empty() || *end != '\0' || errno != 0 || !std::isfinite(v) || v < low || v > high) {
    std::ostringstream m;
    m << "expected a number from " << low << " to " << high << ", got \"" << value << "\"";
    *error = m.str();
    return false;
  }
  *out = v;
  return true;
}

template <typename T>
bool Count(const std::string& value, double low, double high, T* out, std::string* error) {
  double v;
  if (!Number(value, low, high, &v, error)) return false;
  if (v != std::floor(v)) {
    *error = "expected a whole number, got \"" + value + "\"";
    return false;
  }
  *out = static_cast<T>(v);
  return true;
}

// A size given in KiB, at least `low` and at most 1 GiB.
bool Kibibytes(const std::string& value, double low, std::size_t* bytes, std::string* error) {
  std::size_t kib = 0;
  if (!Count(value, low, 1 << 20, &kib, error)) return false;
  *bytes = kib * 1024;
  return true;
}

bool Switch(const std::string& value, bool* out, std::string* error) {
  static const std::pair<const char*, bool> kWords[] = {{"yes", true}, {"true", true},   {"on", true},   {"1", true},
                                                        {"no", false}, {"false", false}, {"off", false}, {"0", false}};
  for (const auto& [word, meaning] : kWords) {
    if (value == word) {
      *out = meaning;
      return true;
    }
  }
  *error = "expected yes or no, got \"" + value + "\"";
  return false;
}

bool Listen(const std::string& value, WebConfig* c, std::string* error) {
  const std::size_t colon = value.rfind(':');
  std::string host = colon == std::string::npos ? value : value.substr(0, colon);
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
  if (colon == std::string::npos || host.empty() || !Count(value.substr(colon + 1), 0, 65535, &c->port, error)) {
    *error = "expected HOST:PORT (like 127.0.0.1:8080), got \"" + value + "\"";
    return false;
  }
  c->host = host;
  return true;
}

bool Key(const std::string& value, WebConfig* c, std::string* error) {
  if (value.size() < 16 ||
      value.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_") !=
          std::string::npos) {
    *error = "a table key is at least 16 letters, digits, '-' or '_'";
    return false;
  }
  c->key = value;
  return true;
}

struct Setting {
  const char* name;
  bool is_path;
  bool is_switch;
  Apply apply;
};

const Setting kSettings[] = {
    {"listen", false, false, Listen},
    {"data", true, false, [](const std::string& v, WebConfig* c, std::string*) { return c->data_dir = v, true; }},
    {"key", false, false, Key},
    {"plugin", true, false, [](const std::string& v, WebConfig* c, std::string*) { return c->plugin_path = v, true; }},
    {"request-timeout", false, false,
     [](const std::string& v, WebConfig* c, std::string* e) { return Number(v, 0.1, 3600, &c->request_timeout, e); }},
    {"max-rooms", false, false,
     [](const std::string& v, WebConfig* c, std::string* e) { return Count(v, 1, 10000, &c->limits.rooms, e); }},
    {"max-streams", false, false,
     [](const std::string& v, WebConfig* c, std::string* e) { return Count(v, 1, 100000, &c->limits.streams, e); }},
    {"max-players-per-room", false, false,
     [](const std::string& v, WebConfig* c, std::string* e) {
       return Count(v, 1, 10000, &c->limits.players_per_room, e);
     }},
    {"lines-per-second", false, false,
     [](const std::string& v, WebConfig* c, std::string* e) {
       if (!Number(v, 0.1, 1e6, &c->limits.lines_per_second, e)) return false;
       c->limits.line_burst = std::max(3 * c->limits.lines_per_second, 1.0);
       return true;
     }},
    {"history-events", false, false,
     [](const std::string& v, WebConfig* c, std::string* e) {
       return Count(v, 10, 1e6, &c->limits.history.events, e);
     }},
    {"history-kib", false, false,
     [](const std::string& v, WebConfig* c, std::string* e) { return Kibibytes(v, 16, &c->limits.history.bytes, e); }},
    {"log-file-kib", false, false,
     [](const std::string& v, WebConfig* c, std::string* e) { return Kibibytes(v, 4, &c->log.file_bytes, e); }},
    {"stream-buffer-kib", false, false,
     [](const std::string& v, WebConfig* c, std::string* e) { return Kibibytes(v, 16, &c->stream_buffer, e); }},
    {"log-files", false, false,
     [](const std::string& v, WebConfig* c, std::string* e) { return Count(v, 1, 1000, &c->log.files, e); }},
    {"sync", false, true,
     [](const std::string& v, WebConfig* c, std::string* e) { return Switch(v, &c->log.sync, e); }},
    {"verbose", false, true,
     [](const std::string& v, WebConfig* c, std::string* e) { return Switch(v, &c->verbose, e); }},
};

const Setting* Find(const std::string& name) {
  for (const Setting& s : kSettings) {
    if (name == s.name) return &s;
  }
  return nullptr;
}

std::string Strip(const std::string& s) {
  const std::size_t b = s.find_first_not_of(" \t\r");
  return b == std::string::npos ? std::string() : s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool Exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

}  // namespace

std::string WebUsageText() {
  return "usage: mirado-web [options]\n"
         "\n"
         "Serves the dice bot to a browser room and an HTTP JSON API.\n"
         "\n"
         "  --listen HOST:PORT      address to listen on (default 127.0.0.1:8080;\n"
         "                          port 0 takes any free port)\n"
         "  --config FILE           settings file (default mirado-web.conf beside\n"
         "                          the program); keeps the table key\n"
         "  --data DIR              room logs (default mirado-web-data beside the\n"
         "                          config file)\n"
         "  --key KEY               the table key (default: the config's, or a new one)\n"
         "  --plugin PATH           the plug-in library (default: the one beside\n"
         "                          this program); Mirado.ini is kept beside it\n"
         "  --request-timeout SEC   time a request may take to arrive (default 15)\n"
         "  --max-rooms N           rooms on the server (default 64)\n"
         "  --max-streams N         open event streams on the server (default 2000)\n"
         "  --max-players-per-room N  (default 32)\n"
         "  --lines-per-second N    lines a player may send a second, three times\n"
         "                          that at once (default 10, 30 at once)\n"
         "  --history-events N      events per room kept in memory (default 2000)\n"
         "  --history-kib N         and at most this much of them (default 2048)\n"
         "  --log-file-kib N        a room's log file is rotated at this size (default 1024)\n"
         "  --log-files N           log files kept per room (default 8)\n"
         "  --stream-buffer-kib N   a stream that falls this far behind is dropped\n"
         "                          (default 1024)\n"
         "  --sync                  flush each write to the disk (power loss safe)\n"
         "  --verbose               log every request\n"
         "  --help                  show this text\n";
}

bool ApplyConfigText(const std::string& text, const std::string& base_dir, WebConfig* config, std::string* error) {
  std::istringstream in(text);
  int number = 0;
  for (std::string raw; std::getline(in, raw);) {
    ++number;
    const std::string line = Strip(raw);
    if (line.empty() || line[0] == '#' || line[0] == ';') continue;
    const std::size_t eq = line.find('=');
    const Setting* setting = eq == std::string::npos ? nullptr : Find(Strip(line.substr(0, eq)));
    std::string value = eq == std::string::npos ? std::string() : Strip(line.substr(eq + 1));
    if (setting != nullptr && setting->is_path && !value.empty() && value[0] != '/') value = base_dir + value;
    std::string why = "expected name = value with a known name";
    if (setting == nullptr || !setting->apply(value, config, &why)) {
      *error = "line " + std::to_string(number) + ": " + why;
      return false;
    }
  }
  return true;
}

ConfigOutcome LoadConfig(const std::vector<std::string>& args, const std::string& default_config, WebConfig* config,
                         std::string* error) {
  std::vector<std::pair<const Setting*, std::string>> given;
  std::string config_path;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") return ConfigOutcome::kHelp;
    std::string name = args[i].rfind("--", 0) == 0 ? args[i].substr(2) : std::string();
    std::string value;
    const std::size_t eq = name.find('=');
    if (eq != std::string::npos) value = name.substr(eq + 1), name = name.substr(0, eq);
    const Setting* setting = Find(name);
    if (setting == nullptr && name != "config") {
      *error = "unknown option " + args[i];
      return ConfigOutcome::kError;
    }
    if (eq == std::string::npos) {
      if (setting != nullptr && setting->is_switch) {
        value = "yes";
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        *error = "--" + name + " needs a value";
        return ConfigOutcome::kError;
      }
    }
    if (setting == nullptr)
      config_path = value;
    else
      given.emplace_back(setting, value);
  }
  config->config_path = config_path.empty() ? default_config : config_path;
  // A config file that does not exist yet is made when the key is stored.
  if (Exists(config->config_path)) {
    std::ifstream file(config->config_path, std::ios::binary);
    struct stat st;
    if (!file || ::stat(config->config_path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
      *error = "cannot read the config file " + config->config_path;
      return ConfigOutcome::kError;
    }
    std::ostringstream text;
    text << file.rdbuf();
    if (!ApplyConfigText(text.str(), FolderOf(config->config_path), config, error)) {
      *error = config->config_path + ": " + *error;
      return ConfigOutcome::kError;
    }
  }
  for (const auto& [setting, value] : given) {
    std::string why;
    if (!setting->apply(value, config, &why)) {
      *error = std::string("--") + setting->name + ": " + why;
      return ConfigOutcome::kError;
    }
  }
  if (config->data_dir.empty()) config->data_dir = FolderOf(config->config_path) + "mirado-web-data";
  return ConfigOutcome::kRun;
}

bool StoreKey(const std::string& path, const std::string& key, std::string* error) {
  const bool fresh = !Exists(path);
  std::ofstream file(path, std::ios::binary | std::ios::app);
  if (fresh) {
    file << "# mirado-web settings (name = value; see mirado-web --help).\n"
            "# The table key: the URL players open carries it. Change it to lock\n"
            "# everyone out who has the old one.\n";
  }
  file << "key = " << key << "\n";
  file.close();
  if (!file) {
    *error = "cannot write the table key to " + path;
    return false;
  }
  ::chmod(path.c_str(), 0600);
  return true;
}

}  // namespace mirado::web
