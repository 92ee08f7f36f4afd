// The HTTP face of the room: reads one request and answers it through the
// hub, the plug-in's worker and the compiled-in page. It owns no socket: a
// connection hands each request here with an Exchange, the way back to its
// client, which may be answered later (after the plug-in) or turned into an
// event stream.
//
// Access: every room, stream, log and API call needs the table key (the
// "key" query parameter, an X-Mirado-Key header or the mirado_key cookie)
// or a valid session token (Authorization: Bearer, or the HttpOnly
// mirado_session cookie); without one it answers 401. A request that changes
// anything (POST) must be JSON (415 otherwise) and, when the browser says
// where it comes from (Origin, Sec-Fetch-Site), come from this server's own
// page (403 otherwise); the session cookie is SameSite=Strict. Errors are
// JSON: {"error": "..."}.
#ifndef MIRADO_HOST_WEB_WEB_API_H_
#define MIRADO_HOST_WEB_WEB_API_H_

#include <boost/beast/http/message.hpp>
#include <boost/beast/http/string_body.hpp>
#include <boost/json/object.hpp>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "hub.h"
#include "plugin_worker.h"

namespace mirado::web {

using Request = boost::beast::http::request<boost::beast::http::string_body>;
using Response = boost::beast::http::response<boost::beast::http::string_body>;

// One request's way back to its client.
class Exchange {
 public:
  virtual ~Exchange() = default;
  // Sends the response (once).
  virtual void Respond(Response response) = 0;
  // A sink that holds what is sent to it until StartStream.
  virtual std::shared_ptr<EventSink> PrepareStream() = 0;
  // Answers with the event stream of `room` (the sink of PrepareStream,
  // already subscribed with the session of `token`): the headers, what the
  // sink held, then every event as it comes.
  virtual void StartStream(const std::string& room, const std::string& token) = 0;
};

class WebApi {
 public:
  // `key` is the table key; `now_ms` the clock (milliseconds since 1970).
  WebApi(Hub& hub, PluginWorker& worker, std::string key, std::function<int64_t()> now_ms);

  void Handle(const Request& request, const std::shared_ptr<Exchange>& exchange);

  // Lines and leaves waiting for the plug-in.
  int turns_in_flight() const { return turns_in_flight_; }

 private:
  struct Caller;
  void HandleRoom(const Request& request, const Caller& caller, const std::string& room, const std::string& action,
                  const std::shared_ptr<Exchange>& exchange);
  void Join(const Request& request, const Caller& caller, const std::string& room,
            const std::shared_ptr<Exchange>& exchange);
  void Line(const Request& request, const Caller& caller, const std::string& room,
            const std::shared_ptr<Exchange>& exchange);
  void Leave(const Caller& caller, const std::string& room, const std::shared_ptr<Exchange>& exchange);
  void Events(const Request& request, const Caller& caller, const std::string& room,
              const std::shared_ptr<Exchange>& exchange);
  void Log(const Caller& caller, const std::string& room, const std::string& format,
           const std::shared_ptr<Exchange>& exchange);
  // Runs `call` on the plug-in's thread, publishes what it answered and
  // responds with `answer` of the events the sender may see.
  void Submit(const PreparedTurn& turn, std::function<host::TurnResult(const host::ChatTurn&)> call,
              std::function<boost::json::object(const std::vector<RoomEvent>&)> answer,
              const std::shared_ptr<Exchange>& exchange);
  void Page(const Request& request, const Caller& caller, const std::shared_ptr<Exchange>& exchange);

  Hub& hub_;
  PluginWorker& worker_;
  std::string key_;
  std::function<int64_t()> now_ms_;
  int turns_in_flight_ = 0;
};

}  // namespace mirado::web

#endif  // MIRADO_HOST_WEB_WEB_API_H_
