// The byte stream to the IRC server: a TCP connection, plain or over TLS.
// Sockets are non-blocking; the bot loop polls fd() and calls Read/Write when
// they can make progress.
#ifndef MIRADO_HOST_IRC_CONNECTION_H_
#define MIRADO_HOST_IRC_CONNECTION_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace mirado::irc {

enum class IoResult {
  kOk,          // some bytes moved (or none were there)
  kWouldBlock,  // nothing can move until the socket is ready again
  kClosed,      // the server closed the connection
  kError,       // the connection failed; see the error text
};

class Connection {
 public:
  virtual ~Connection() = default;
  // Appends what can be read now to `out`.
  virtual IoResult Read(std::string* out, std::string* error) = 0;
  // Sends a prefix of `data`; its length goes to `written`.
  virtual IoResult Write(std::string_view data, std::size_t* written, std::string* error) = 0;
  // True when the connection needs the socket to be writable before it can
  // go on (a TLS record half sent, or renegotiation during a read).
  virtual bool NeedsWritable() const { return false; }
  // Ends the session politely where the protocol has a way to (TLS close
  // notify); the socket is closed by the destructor.
  virtual void Shutdown() {}
  virtual int fd() const = 0;
};

struct TlsOptions {
  bool verify = true;   // check the certificate chain and the host name
  std::string ca_file;  // trust these certificates instead of the system's
};

// Opens a TCP connection to host:port, trying each address in turn, within
// `timeout_ms` per address. Gives up early, with "interrupted", as soon as
// `wake_fd` (when not -1) becomes readable. Returns the connected,
// non-blocking socket, or -1 with the reason in `error`.
int ConnectTcp(const std::string& host, uint16_t port, int timeout_ms, int wake_fd, std::string* error);

// Takes over a connected socket.
std::unique_ptr<Connection> MakePlainConnection(int fd);
// Runs the TLS handshake on a connected socket (for `host`, whose name the
// certificate must carry when verifying); takes over the socket either way.
// Returns null with the reason in `error` on failure.
std::unique_ptr<Connection> MakeTlsConnection(int fd, const std::string& host, const TlsOptions& options,
                                              int timeout_ms, int wake_fd, std::string* error);

// Waits until `fd` is readable (or writable when `writable`), `wake_fd` is
// readable, or `timeout_ms` passes. Returns 1 when fd is ready, 0 on timeout,
// -1 when woken or on error.
int WaitFor(int fd, bool writable, int timeout_ms, int wake_fd);

}  // namespace mirado::irc

#endif  // MIRADO_HOST_IRC_CONNECTION_H_
