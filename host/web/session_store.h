// The players' sessions kept on disk beside the room logs, so that a
// restarted server still knows every token it gave out: a player's page
// goes on with the same nick and still sees its own private events. One
// JSON line per change (a session made, renamed, joining a room, ended),
// appended; the file is written anew from the sessions in memory when the
// server starts and whenever it grows past its bound, so it stays small.
// The file holds secrets: it is made readable by its owner only.
#ifndef MIRADO_HOST_WEB_SESSION_STORE_H_
#define MIRADO_HOST_WEB_SESSION_STORE_H_

#include <cstddef>
#include <string>
#include <vector>

namespace mirado::web {

struct StoredSession {
  std::string token, id, nick;
  std::vector<std::string> rooms;  // channels
  bool ended = false;              // the session ended: forget the token
};

class SessionStore {
 public:
  // `path` empty: nothing is kept.
  explicit SessionStore(std::string path) : path_(std::move(path)) {}

  // Every record in the order written (unreadable lines are skipped).
  std::vector<StoredSession> Load() const;
  // Appends one record; false when it cannot be written.
  bool Append(const StoredSession& session);
  // Replaces the file with these sessions (new file, then rename).
  bool Rewrite(const std::vector<StoredSession>& sessions);
  // True when the file has grown past `bytes` and should be rewritten.
  bool Oversized(std::size_t bytes = 1 << 20) const;

 private:
  std::string path_;
};

}  // namespace mirado::web

#endif  // MIRADO_HOST_WEB_SESSION_STORE_H_
