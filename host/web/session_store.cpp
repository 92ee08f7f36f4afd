#include "session_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <boost/json.hpp>
#include <cstdio>
#include <fstream>

namespace mirado::web {
namespace json = boost::json;

namespace {

std::string Line(const StoredSession& s) {
  json::object o;
  o["token"] = s.token;
  if (s.ended) {
    o["ended"] = true;
  } else {
    o["id"] = s.id;
    o["nick"] = s.nick;
    json::array rooms;
    for (const std::string& room : s.rooms) rooms.push_back(json::string(room));
    o["rooms"] = std::move(rooms);
  }
  return json::serialize(o) + "\n";
}

bool WriteTo(const std::string& path, const std::string& text, int flags) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | flags, 0600);
  if (fd < 0) return false;
  const bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  return ::close(fd) == 0 && ok;
}

}  // namespace

std::vector<StoredSession> SessionStore::Load() const {
  std::vector<StoredSession> sessions;
  if (path_.empty()) return sessions;
  std::ifstream in(path_, std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    json::error_code ec;
    const json::value value = json::parse(line, ec);
    if (ec || !value.is_object()) continue;
    const json::object& o = value.get_object();
    auto text = [&](const char* key) {
      const json::value* v = o.if_contains(key);
      return v != nullptr && v->is_string() ? std::string(v->get_string()) : std::string();
    };
    StoredSession s;
    s.token = text("token");
    s.ended = o.if_contains("ended") != nullptr;
    s.id = text("id");
    s.nick = text("nick");
    if (const json::value* rooms = o.if_contains("rooms"); rooms != nullptr && rooms->is_array()) {
      for (const json::value& room : rooms->get_array()) {
        if (room.is_string()) s.rooms.emplace_back(room.get_string());
      }
    }
    if (!s.token.empty() && (s.ended || (!s.id.empty() && !s.nick.empty()))) sessions.push_back(std::move(s));
  }
  return sessions;
}

bool SessionStore::Append(const StoredSession& session) {
  return path_.empty() || WriteTo(path_, Line(session), O_APPEND);
}

bool SessionStore::Rewrite(const std::vector<StoredSession>& sessions) {
  if (path_.empty()) return true;
  std::string text;
  for (const StoredSession& s : sessions) text += Line(s);
  const std::string fresh = path_ + ".new";
  return WriteTo(fresh, text, O_TRUNC) && std::rename(fresh.c_str(), path_.c_str()) == 0;
}

bool SessionStore::Oversized(std::size_t bytes) const {
  struct stat st;
  return !path_.empty() && ::stat(path_.c_str(), &st) == 0 && static_cast<std::size_t>(st.st_size) > bytes;
}

}  // namespace mirado::web
