// The network side of the web host: an HTTP/1.1 server on Boost.Beast and
// Asio, single-threaded and asynchronous, so a thousand open event streams
// are a thousand sockets, not a thousand threads. Each connection reads one
// request at a time (keep-alive), hands it to the API and writes its answer;
// an event stream's connection then only writes.
//
// Bounds, so no client can make it grow without end or wait forever:
//  - a request's head and body are at most 8 KiB each (413 past it) and
//    must arrive within the request timeout (the connection is closed);
//  - an idle keep-alive connection is closed after the same timeout;
//  - a response must be taken by the client within 30 s;
//  - an event stream whose client falls `stream_buffer` bytes behind (after
//    the history it was sent on opening, itself bounded by the room), or
//    takes no bytes for 30 s, is dropped (its client can resume with
//    Last-Event-ID); streams get a comment line every 20 s so that proxies
//    and browsers keep them open.
#ifndef MIRADO_HOST_WEB_HTTP_SERVER_H_
#define MIRADO_HOST_WEB_HTTP_SERVER_H_

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <chrono>
#include <cstddef>
#include <memory>
#include <set>
#include <string>

#include "hub.h"
#include "request_fields.h"
#include "web_api.h"

namespace mirado::web {

struct ServerTimes {
  std::chrono::milliseconds request{15000};  // a request must arrive within this
  std::chrono::milliseconds write{30000};    // a response or a stream's bytes must be taken within this
  std::chrono::milliseconds heartbeat{20000};
  std::size_t stream_buffer = 1 << 20;  // bytes a stream may fall behind
};

class HttpConnection;

class HttpServer {
 public:
  HttpServer(boost::asio::io_context& io, WebApi& api, Hub& hub, ServerTimes times);

  // Listens on `host`:`port` (0: a free port). False, with the reason, when
  // the address cannot be taken.
  bool Listen(const std::string& host, uint16_t port, std::string* error);
  uint16_t port() const;

  // Stops accepting and closes every connection.
  void Stop();

  std::size_t connections() const { return connections_.size(); }

 private:
  friend class HttpConnection;
  void Accept();

  boost::asio::io_context& io_;
  WebApi& api_;
  Hub& hub_;
  ServerTimes times_;
  boost::asio::ip::tcp::acceptor acceptor_;
  std::set<std::shared_ptr<HttpConnection>> connections_;
  bool stopped_ = false;
};

}  // namespace mirado::web

#endif  // MIRADO_HOST_WEB_HTTP_SERVER_H_
