#include "http_server.h"

#include <algorithm>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/error.hpp>
#include <boost/beast/http/parser.hpp>
#include <boost/beast/http/read.hpp>
#include <boost/beast/http/write.hpp>
#include <deque>
#include <vector>

namespace mirado::web {
namespace net = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = net::ip::tcp;

class HttpConnection : public std::enable_shared_from_this<HttpConnection>, public EventSink, public Exchange {
 public:
  HttpConnection(HttpServer& server, tcp::socket socket)
      : server_(server), stream_(std::move(socket)), write_timer_(server.io_), heartbeat_(server.io_) {}

  void Read() {
    if (closed_) return;
    parser_.emplace();
    parser_->header_limit(kMaxRequestHead);
    parser_->body_limit(kMaxRequestBody);
    stream_.expires_after(server_.times_.request);
    http::async_read(stream_, buffer_, *parser_,
                     [self = shared_from_this()](beast::error_code ec, std::size_t) { self->OnRead(ec); });
  }

  void Respond(Response response) override {
    if (closed_) return;
    response.keep_alive(keep_alive_ && !server_.stopped_);
    response.prepare_payload();
    auto message = std::make_shared<Response>(std::move(response));
    stream_.expires_after(server_.times_.write);
    http::async_write(stream_, *message, [self = shared_from_this(), message](beast::error_code ec, std::size_t) {
      if (ec || !message->keep_alive()) return self->Close();
      self->Read();
    });
  }

  std::shared_ptr<EventSink> PrepareStream() override { return shared_from_this(); }

  void StartStream(const std::string& room, const std::string& token) override {
    room_ = room;
    token_ = token;
    subscribed_ = true;
    streaming_ = true;
    stream_.expires_never();
    static const auto head = std::make_shared<const std::string>(
        "HTTP/1.1 200 OK\r\nContent-Type: text/event-stream; charset=utf-8\r\nCache-Control: no-store\r\n"
        "X-Content-Type-Options: nosniff\r\nX-Accel-Buffering: no\r\nConnection: close\r\n\r\nretry: 1000\n\n");
    queue_.push_front(head);
    queued_bytes_ += head->size();
    // The history sent first may be as large as the room keeps; the bound
    // is on how far the client falls behind after it.
    replay_bytes_ = queued_bytes_;
    Flush();
    WatchForClose();
    Heartbeat();
  }

  void Send(const std::shared_ptr<const std::string>& frame) override {
    if (closed_ || dropping_) return;
    queue_.push_back(frame);
    queued_bytes_ += frame->size();
    if (streaming_ && queued_bytes_ > server_.times_.stream_buffer + replay_bytes_) {
      // The client does not keep up: drop it (it resumes with Last-Event-ID).
      // Closed later, never inside the room's sending loop.
      dropping_ = true;
      net::post(server_.io_, [self = shared_from_this()] { self->Close(); });
      return;
    }
    // Written on the next turn of the loop, so that the events of one
    // line, and of every line handled meanwhile, go out in one write.
    if (streaming_ && !flush_posted_) {
      flush_posted_ = true;
      net::post(server_.io_, [self = shared_from_this()] {
        self->flush_posted_ = false;
        self->Flush();
      });
    }
  }

  void Close() {
    if (closed_) return;
    closed_ = true;
    if (subscribed_) server_.hub_.Unsubscribe(room_, token_, this);
    write_timer_.cancel();
    heartbeat_.cancel();
    beast::error_code ec;
    stream_.socket().shutdown(tcp::socket::shutdown_both, ec);
    stream_.close();
    server_.connections_.erase(shared_from_this());
  }

 private:
  void OnRead(beast::error_code ec) {
    if (closed_) return;
    if (ec == http::error::body_limit || ec == http::error::header_limit || ec == http::error::buffer_overflow) {
      keep_alive_ = false;
      return Respond(Refusal(http::status::payload_too_large, "the request is too large (8 KiB at most)"));
    }
    if (ec && ec.category() == http::make_error_code(http::error::bad_method).category() &&
        ec != http::error::end_of_stream && ec != http::error::partial_message) {
      keep_alive_ = false;
      return Respond(Refusal(http::status::bad_request, "the request cannot be read as HTTP/1.1"));
    }
    if (ec) return Close();
    stream_.expires_never();
    Request request = parser_->release();
    keep_alive_ = request.keep_alive();
    server_.api_.Handle(request, shared_from_this());
  }

  static Response Refusal(http::status status, const std::string& message) {
    Response response(status, 11);
    response.set(http::field::content_type, "application/json; charset=utf-8");
    response.body() = "{\"error\":\"" + message + "\"}\n";
    return response;
  }

  void Flush() {
    if (closed_ || !writing_.empty() || queue_.empty()) return;
    std::vector<net::const_buffer> buffers;
    while (!queue_.empty()) {
      buffers.emplace_back(net::buffer(*queue_.front()));
      writing_.push_back(std::move(queue_.front()));
      queue_.pop_front();
    }
    write_timer_.expires_after(server_.times_.write);
    write_timer_.async_wait([self = shared_from_this()](beast::error_code ec) {
      if (!ec) self->Close();  // the client took nothing for too long
    });
    net::async_write(stream_.socket(), buffers, [self = shared_from_this()](beast::error_code ec, std::size_t n) {
      self->write_timer_.cancel();
      if (ec) return self->Close();
      self->queued_bytes_ -= n;
      self->replay_bytes_ -= std::min(self->replay_bytes_, n);
      self->writing_.clear();
      self->Flush();
    });
  }

  // A stream's client sends nothing; a read ends only when it goes away.
  void WatchForClose() {
    stream_.socket().async_read_some(net::buffer(scratch_),
                                     [self = shared_from_this()](beast::error_code ec, std::size_t) {
                                       if (ec) return self->Close();
                                       self->WatchForClose();
                                     });
  }

  void Heartbeat() {
    heartbeat_.expires_after(server_.times_.heartbeat);
    heartbeat_.async_wait([self = shared_from_this()](beast::error_code ec) {
      if (ec || self->closed_) return;
      static const auto ping = std::make_shared<const std::string>(": ping\n\n");
      self->Send(ping);
      self->Heartbeat();
    });
  }

  HttpServer& server_;
  beast::tcp_stream stream_;
  beast::flat_buffer buffer_;
  std::optional<http::request_parser<http::string_body>> parser_;
  bool keep_alive_ = true;
  bool closed_ = false;
  // The event stream.
  bool subscribed_ = false, streaming_ = false, dropping_ = false, flush_posted_ = false;
  std::string room_, token_;
  std::deque<std::shared_ptr<const std::string>> queue_;
  std::vector<std::shared_ptr<const std::string>> writing_;
  std::size_t queued_bytes_ = 0;
  std::size_t replay_bytes_ = 0;  // of those, the history sent on opening
  net::steady_timer write_timer_, heartbeat_;
  char scratch_[64];
};

HttpServer::HttpServer(net::io_context& io, WebApi& api, Hub& hub, ServerTimes times)
    : io_(io), api_(api), hub_(hub), times_(times), acceptor_(io) {}

bool HttpServer::Listen(const std::string& host, uint16_t port, std::string* error) {
  beast::error_code ec;
  const auto address = net::ip::make_address(host, ec);
  if (ec) {
    *error = "cannot listen on \"" + host + "\": not an IP address";
    return false;
  }
  const tcp::endpoint endpoint(address, port);
  acceptor_.open(endpoint.protocol(), ec);
  if (!ec) acceptor_.set_option(net::socket_base::reuse_address(true), ec);
  if (!ec) acceptor_.bind(endpoint, ec);
  if (!ec) acceptor_.listen(net::socket_base::max_listen_connections, ec);
  if (ec) {
    *error = "cannot listen on " + host + ":" + std::to_string(port) + ": " + ec.message();
    return false;
  }
  Accept();
  return true;
}

uint16_t HttpServer::port() const { return acceptor_.local_endpoint().port(); }

void HttpServer::Accept() {
  acceptor_.async_accept([this](beast::error_code ec, tcp::socket socket) {
    if (stopped_) return;
    if (!ec) {
      socket.set_option(tcp::no_delay(true), ec);
      auto connection = std::make_shared<HttpConnection>(*this, std::move(socket));
      connections_.insert(connection);
      connection->Read();
    }
    Accept();
  });
}

void HttpServer::Stop() {
  stopped_ = true;
  beast::error_code ec;
  acceptor_.close(ec);
  const auto open = connections_;
  for (const auto& connection : open) connection->Close();
}

}  // namespace mirado::web
