#include "connection.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace mirado::irc {
namespace {

class PlainConnection : public Connection {
 public:
  explicit PlainConnection(int fd) : fd_(fd) {}
  ~PlainConnection() override { close(fd_); }

  IoResult Read(std::string* out, std::string* error) override {
    char buffer[4096];
    const ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
    if (n > 0) {
      out->append(buffer, static_cast<std::size_t>(n));
      return IoResult::kOk;
    }
    if (n == 0) return IoResult::kClosed;
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return IoResult::kWouldBlock;
    *error = std::strerror(errno);
    return IoResult::kError;
  }

  IoResult Write(std::string_view data, std::size_t* written, std::string* error) override {
    *written = 0;
    const ssize_t n = send(fd_, data.data(), data.size(), MSG_NOSIGNAL);
    if (n >= 0) {
      *written = static_cast<std::size_t>(n);
      return IoResult::kOk;
    }
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return IoResult::kWouldBlock;
    *error = std::strerror(errno);
    return IoResult::kError;
  }

  void Shutdown() override { shutdown(fd_, SHUT_WR); }
  int fd() const override { return fd_; }

 private:
  int fd_;
};

}  // namespace

int WaitFor(int fd, bool writable, int timeout_ms, int wake_fd) {
  pollfd fds[2] = {{fd, static_cast<short>(writable ? POLLOUT : POLLIN), 0}, {wake_fd, POLLIN, 0}};
  int r;
  // A signal that should stop the wait also writes to wake_fd, so the next
  // round sees it.
  do {
    r = poll(fds, wake_fd >= 0 ? 2 : 1, timeout_ms);
  } while (r < 0 && errno == EINTR);
  if (r < 0) return -1;
  if (r == 0) return 0;
  if (wake_fd >= 0 && (fds[1].revents & POLLIN) != 0) return -1;
  return 1;
}

int ConnectTcp(const std::string& host, uint16_t port, int timeout_ms, int wake_fd, std::string* error) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const std::string service = std::to_string(port);
  const int rc = getaddrinfo(host.c_str(), service.c_str(), &hints, &found);
  if (rc != 0) {
    *error = "cannot resolve " + host + ": " + gai_strerror(rc);
    return -1;
  }
  *error = "no address for " + host;
  int result = -1;
  for (addrinfo* a = found; a != nullptr && result < 0; a = a->ai_next) {
    const int fd = socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
    if (fd < 0) {
      *error = std::string("socket: ") + std::strerror(errno);
      continue;
    }
    int r = connect(fd, a->ai_addr, a->ai_addrlen);
    if (r < 0 && errno == EINPROGRESS) {
      const int ready = WaitFor(fd, true, timeout_ms, wake_fd);
      if (ready < 0) {
        close(fd);
        *error = "interrupted";
        break;
      }
      int so_error = ETIMEDOUT;
      socklen_t len = sizeof so_error;
      if (ready > 0) getsockopt(fd, SOL_SOCKET, SO_ERROR, &so_error, &len);
      r = so_error == 0 ? 0 : -1;
      errno = so_error;
    }
    if (r < 0) {
      *error = "cannot connect to " + host + " port " + service + ": " + std::strerror(errno);
      close(fd);
      continue;
    }
    const int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &one, sizeof one);
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    result = fd;
  }
  freeaddrinfo(found);
  return result;
}

std::unique_ptr<Connection> MakePlainConnection(int fd) { return std::make_unique<PlainConnection>(fd); }

}  // namespace mirado::irc
