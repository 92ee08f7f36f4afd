// The TLS side of Connection, with OpenSSL: the system's trusted
// certificates (or --ca-file), the server's name checked against the
// certificate, TLS 1.2 at least.
#include <arpa/inet.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#include <unistd.h>

#include <chrono>

#include "connection.h"

namespace mirado::irc {
namespace {

std::string OpenSslError(const char* what) {
  std::string text = what;
  const unsigned long code = ERR_get_error();
  if (code != 0) {
    char buffer[256];
    ERR_error_string_n(code, buffer, sizeof buffer);
    text += ": ";
    text += buffer;
  }
  ERR_clear_error();
  return text;
}

bool IsIpAddress(const std::string& host) {
  unsigned char buffer[sizeof(in6_addr)];
  return inet_pton(AF_INET, host.c_str(), buffer) == 1 || inet_pton(AF_INET6, host.c_str(), buffer) == 1;
}

class TlsConnection : public Connection {
 public:
  TlsConnection(int fd, SSL_CTX* context, SSL* ssl) : fd_(fd), context_(context), ssl_(ssl) {}
  ~TlsConnection() override {
    if (ssl_ != nullptr) SSL_free(ssl_);
    if (context_ != nullptr) SSL_CTX_free(context_);
    close(fd_);
  }

  IoResult Read(std::string* out, std::string* error) override {
    wants_write_ = false;
    char buffer[4096];
    // Decrypted bytes may wait inside OpenSSL, where poll cannot see them:
    // read until it asks for more from the socket.
    while (true) {
      std::size_t n = 0;
      const int rc = SSL_read_ex(ssl_, buffer, sizeof buffer, &n);
      if (rc == 1) {
        out->append(buffer, n);
        continue;
      }
      return Outcome(rc, error);
    }
  }

  IoResult Write(std::string_view data, std::size_t* written, std::string* error) override {
    wants_write_ = false;
    *written = 0;
    if (data.empty()) return IoResult::kOk;
    const int rc = SSL_write_ex(ssl_, data.data(), data.size(), written);
    if (rc == 1) return IoResult::kOk;
    return Outcome(rc, error);
  }

  bool NeedsWritable() const override { return wants_write_; }
  void Shutdown() override { SSL_shutdown(ssl_); }
  int fd() const override { return fd_; }

 private:
  IoResult Outcome(int rc, std::string* error) {
    switch (SSL_get_error(ssl_, rc)) {
      case SSL_ERROR_WANT_READ: return IoResult::kWouldBlock;
      case SSL_ERROR_WANT_WRITE: wants_write_ = true; return IoResult::kWouldBlock;
      case SSL_ERROR_ZERO_RETURN: return IoResult::kClosed;
      case SSL_ERROR_SYSCALL:
        if (ERR_peek_error() == 0) {
          ERR_clear_error();
          return IoResult::kClosed;  // the server dropped the connection without close notify
        }
        [[fallthrough]];
      default: *error = OpenSslError("TLS error"); return IoResult::kError;
    }
  }

  int fd_;
  SSL_CTX* context_;
  SSL* ssl_;
  bool wants_write_ = false;
};

}  // namespace

std::unique_ptr<Connection> MakeTlsConnection(int fd, const std::string& host, const TlsOptions& options,
                                              int timeout_ms, int wake_fd, std::string* error) {
  SSL_CTX* context = SSL_CTX_new(TLS_client_method());
  if (context == nullptr) {
    *error = OpenSslError("cannot set up TLS");
    close(fd);
    return nullptr;
  }
  SSL_CTX_set_min_proto_version(context, TLS1_2_VERSION);
  SSL_CTX_set_mode(context, SSL_MODE_ENABLE_PARTIAL_WRITE | SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
  bool ok = true;
  if (options.verify) {
    SSL_CTX_set_verify(context, SSL_VERIFY_PEER, nullptr);
    ok = options.ca_file.empty() ? SSL_CTX_set_default_verify_paths(context) == 1
                                 : SSL_CTX_load_verify_locations(context, options.ca_file.c_str(), nullptr) == 1;
    if (!ok) *error = OpenSslError(("cannot load the certificates " + options.ca_file).c_str());
  }
  SSL* ssl = ok ? SSL_new(context) : nullptr;
  if (ok && ssl == nullptr) {
    *error = OpenSslError("cannot set up TLS");
    ok = false;
  }
  // The connection owns the socket, the context and the session from here on.
  auto connection = std::make_unique<TlsConnection>(fd, context, ssl);
  if (!ok) return nullptr;
  SSL_set_fd(ssl, fd);
  if (!IsIpAddress(host)) SSL_set_tlsext_host_name(ssl, host.c_str());
  if (options.verify) {
    X509_VERIFY_PARAM* param = SSL_get0_param(ssl);
    const int set = IsIpAddress(host) ? X509_VERIFY_PARAM_set1_ip_asc(param, host.c_str())
                                      : X509_VERIFY_PARAM_set1_host(param, host.c_str(), 0);
    if (set != 1) {
      *error = OpenSslError("cannot set the name to check");
      return nullptr;
    }
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (true) {
    const int rc = SSL_connect(ssl);
    if (rc == 1) return connection;
    const int why = SSL_get_error(ssl, rc);
    if (why != SSL_ERROR_WANT_READ && why != SSL_ERROR_WANT_WRITE) {
      const long verify = SSL_get_verify_result(ssl);
      if (options.verify && verify != X509_V_OK) {
        *error = std::string("the server's certificate is not trusted: ") + X509_verify_cert_error_string(verify) +
                 " (--ca-file names a certificate to trust, --insecure skips the check)";
        ERR_clear_error();
      } else {
        *error = OpenSslError("TLS handshake failed");
      }
      return nullptr;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
    const int ready = left > 0 ? WaitFor(fd, why == SSL_ERROR_WANT_WRITE, static_cast<int>(left), wake_fd) : 0;
    if (ready <= 0) {
      *error = ready < 0 ? "interrupted" : "TLS handshake timed out";
      return nullptr;
    }
  }
}

}  // namespace mirado::irc
