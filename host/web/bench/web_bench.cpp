// Load benchmark of mirado-web (not a test): starts the server with the real
// plug-in on a free loopback port, opens event streams in several rooms,
// posts lines at a steady rate for a while and measures, for every line,
// the time from its POST to its arrival on each stream of its room. It
// checks that no stream lost or reordered an event and samples the server's
// memory each second.
//
//   web_bench --server build/linux/mirado-web --plugin build/linux/libmirado.so
//             [--rooms 10] [--streams 1000] [--rate 500] [--seconds 60]
//
// Everything runs on this machine: the benchmark's own reading of the
// streams shares the cores with the server.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <boost/asio.hpp>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace net = boost::asio;
using tcp = net::ip::tcp;
using Clock = std::chrono::steady_clock;

namespace {

struct Options {
  std::string server, plugin;
  int rooms = 10, streams = 1000, rate = 500, seconds = 60, players_per_room = 20;
};

int g_port = 0;
std::string g_key;
pid_t g_server = -1;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

long ServerRssKib() {
  std::ifstream status("/proc/" + std::to_string(g_server) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return 0;
}

// Starts mirado-web in a fresh folder and reads its URL.
bool StartServer(const Options& o) {
  const auto folder = std::filesystem::temp_directory_path() / ("mirado-web-bench-" + std::to_string(getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(o.plugin, folder / "libmirado.so");
  int out[2];
  if (pipe(out) != 0) return false;
  g_server = fork();
  if (g_server == 0) {
    dup2(out[1], 1);
    close(out[0]);
    const std::string config = (folder / "web.conf").string(), plugin = (folder / "libmirado.so").string();
    execl(o.server.c_str(), o.server.c_str(), "--listen", "127.0.0.1:0", "--config", config.c_str(), "--plugin",
          plugin.c_str(), "--max-streams", "5000", "--lines-per-second", "1000", "--max-players-per-room", "100",
          static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  std::string text;
  char buffer[512];
  while (text.find('\n') == std::string::npos) {
    const ssize_t n = read(out[0], buffer, sizeof buffer);
    if (n <= 0) return false;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  const auto colon = text.find("127.0.0.1:"), key = text.find("key=");
  if (colon == std::string::npos || key == std::string::npos) return false;
  g_port = std::atoi(text.c_str() + colon + 10);
  g_key = text.substr(key + 4, text.find_first_of("\r\n", key) - key - 4);
  return true;
}

// One blocking request; returns the body.
std::string Call(net::io_context& io, const std::string& method, const std::string& path, const std::string& auth,
                 const std::string& body) {
  tcp::socket s(io);
  s.connect({net::ip::make_address("127.0.0.1"), static_cast<unsigned short>(g_port)});
  const std::string request = method + " " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n" + auth +
                              "\r\nContent-Type: application/json\r\nContent-Length: " + std::to_string(body.size()) +
                              "\r\n\r\n" + body;
  net::write(s, net::buffer(request));
  std::string response;
  boost::system::error_code ec;
  char buffer[4096];
  for (;;) {
    const std::size_t n = s.read_some(net::buffer(buffer), ec);
    response.append(buffer, n);
    if (ec) break;
  }
  const auto start = response.find("\r\n\r\n");
  return start == std::string::npos ? std::string() : response.substr(start + 4);
}

std::string JsonString(const std::string& json, const std::string& key) {
  const auto at = json.find("\"" + key + "\":\"");
  if (at == std::string::npos) return {};
  const auto start = at + key.size() + 4;
  return json.substr(start, json.find('"', start) - start);
}

struct Room {
  std::string name;
  std::vector<std::string> tokens;
  uint64_t first_id = 0;  // the last event before the benchmark's lines
};

// Send times of the benchmark's lines, by their number.
std::vector<Clock::time_point> g_sent;
std::vector<double> g_delivery_ms;   // every (line, stream) arrival
std::vector<double> g_line_last_ms;  // per line: the arrival on its room's last stream
std::vector<std::pair<double, double>> g_line_last_at;  // (seconds since the start, ms) of the same
Clock::time_point g_start;
std::vector<int> g_line_arrivals;    // streams that got each line
std::vector<Clock::time_point> g_line_latest;
int g_streams_per_room = 0;
bool g_measuring = false;
long g_errors = 0;

class Stream : public std::enable_shared_from_this<Stream> {
 public:
  Stream(net::io_context& io, const std::string& room, const std::string& token, uint64_t after)
      : socket_(io), room_(room), token_(token), last_id_(after) {}

  void Start() {
    socket_.connect({net::ip::make_address("127.0.0.1"), static_cast<unsigned short>(g_port)});
    request_ = "GET /api/v1/rooms/" + room_ + "/events?after=" + std::to_string(last_id_) +
               " HTTP/1.1\r\nHost: 127.0.0.1\r\nAuthorization: Bearer " + token_ + "\r\n\r\n";
    net::write(socket_, net::buffer(request_));
    Read();
  }

  uint64_t last_id() const { return last_id_; }
  long out_of_order() const { return out_of_order_; }
  bool closed() const { return closed_; }

 private:
  void Read() {
    socket_.async_read_some(net::buffer(chunk_),
                            [self = shared_from_this()](boost::system::error_code ec, std::size_t n) {
                              if (ec) {
                                self->closed_ = true;
                                return;
                              }
                              self->buffer_.append(self->chunk_, n);
                              self->Parse();
                              self->Read();
                            });
  }

  void Parse() {
    const auto now = Clock::now();
    std::size_t start = 0;
    if (!header_done_) {
      const auto end = buffer_.find("\r\n\r\n");
      if (end == std::string::npos) return;
      header_done_ = true;
      start = end + 4;
    }
    for (;;) {
      const auto end = buffer_.find("\n\n", start);
      if (end == std::string::npos) break;
      const std::string_view message(buffer_.data() + start, end - start);
      start = end + 2;
      if (message.rfind("id: ", 0) != 0) continue;
      const uint64_t id = std::strtoull(message.data() + 4, nullptr, 10);
      if (id != last_id_ + 1) ++out_of_order_;
      last_id_ = id;
      const auto mark = message.find("\"kind\":\"line\"");
      const auto text = message.find("\"text\":\"b");
      if (mark == std::string_view::npos || text == std::string_view::npos) continue;
      const long number = std::atol(message.data() + text + 9);
      if (number < 0 || static_cast<std::size_t>(number) >= g_sent.size()) continue;
      const double ms = Ms(now - g_sent[static_cast<std::size_t>(number)]);
      if (g_measuring) g_delivery_ms.push_back(ms);
      if (++g_line_arrivals[static_cast<std::size_t>(number)] == g_streams_per_room && g_measuring) {
        g_line_last_ms.push_back(ms);
        g_line_last_at.emplace_back(std::chrono::duration<double>(now - g_start).count(), ms);
      }
    }
    buffer_.erase(0, start);
  }

  tcp::socket socket_;
  std::string room_, token_, request_, buffer_;
  char chunk_[65536];
  bool header_done_ = false, closed_ = false;
  uint64_t last_id_;
  long out_of_order_ = 0;
};

// A player's keep-alive connection for its lines.
class Poster : public std::enable_shared_from_this<Poster> {
 public:
  Poster(net::io_context& io, const std::string& room, const std::string& token)
      : socket_(io), room_(room), token_(token) {}
  void Start() {
    socket_.connect({net::ip::make_address("127.0.0.1"), static_cast<unsigned short>(g_port)});
    socket_.set_option(tcp::no_delay(true));
  }
  bool busy() const { return busy_; }
  void Post(long number) {
    busy_ = true;
    const std::string body = number % 2 == 0 ? "{\"text\":\"b" + std::to_string(number) + " #2D6+3\"}"
                                             : "{\"text\":\"b" + std::to_string(number) + " hello everyone\"}";
    request_ = "POST /api/v1/rooms/" + room_ + "/lines HTTP/1.1\r\nHost: 127.0.0.1\r\nAuthorization: Bearer " + token_ +
               "\r\nContent-Type: application/json\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" +
               body;
    g_sent[static_cast<std::size_t>(number)] = Clock::now();
    net::async_write(socket_, net::buffer(request_),
                     [self = shared_from_this()](boost::system::error_code ec, std::size_t) {
                       if (ec) return void(++g_errors);
                       self->response_.clear();
                       self->ReadResponse();
                     });
  }

 private:
  void ReadResponse() {
    socket_.async_read_some(net::buffer(chunk_),
                            [self = shared_from_this()](boost::system::error_code ec, std::size_t n) {
                              if (ec) return void(++g_errors);
                              self->response_.append(self->chunk_, n);
                              const auto head = self->response_.find("\r\n\r\n");
                              const auto length = self->response_.find("Content-Length: ");
                              if (head == std::string::npos || length == std::string::npos) return self->ReadResponse();
                              const std::size_t body = std::strtoul(self->response_.c_str() + length + 16, nullptr, 10);
                              if (self->response_.size() < head + 4 + body) return self->ReadResponse();
                              if (self->response_.compare(9, 3, "200") != 0) ++g_errors;
                              self->busy_ = false;
                            });
  }

  tcp::socket socket_;
  std::string room_, token_, request_, response_;
  char chunk_[8192];
  bool busy_ = false;
};

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1, static_cast<std::size_t>(p * static_cast<double>(values.size())))];
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i], value = argv[i + 1];
    if (name == "--server")
      o.server = value;
    else if (name == "--plugin")
      o.plugin = value;
    else if (name == "--rooms")
      o.rooms = std::atoi(value.c_str());
    else if (name == "--streams")
      o.streams = std::atoi(value.c_str());
    else if (name == "--rate")
      o.rate = std::atoi(value.c_str());
    else if (name == "--seconds")
      o.seconds = std::atoi(value.c_str());
  }
  if (o.server.empty() || o.plugin.empty() || o.rooms < 1 || o.streams < o.rooms || o.rate < 1) {
    std::fprintf(stderr,
                 "usage: web_bench --server PATH --plugin PATH [--rooms N] [--streams N] [--rate N] "
                 "[--seconds N]\n");
    return 2;
  }
  if (!StartServer(o)) {
    std::fprintf(stderr, "web_bench: the server did not start\n");
    return 1;
  }
  net::io_context io(1);
  g_streams_per_room = o.streams / o.rooms;
  const long lines = static_cast<long>(o.rate) * o.seconds;
  g_sent.resize(static_cast<std::size_t>(lines));
  g_line_arrivals.assign(static_cast<std::size_t>(lines), 0);
  g_delivery_ms.reserve(static_cast<std::size_t>(lines) * static_cast<std::size_t>(g_streams_per_room));

  std::vector<Room> rooms(static_cast<std::size_t>(o.rooms));
  std::vector<std::shared_ptr<Stream>> streams;
  std::vector<std::vector<std::shared_ptr<Poster>>> posters(rooms.size());
  for (std::size_t r = 0; r < rooms.size(); ++r) {
    Room& room = rooms[r];
    room.name = "bench" + std::to_string(r);
    for (int p = 0; p < o.players_per_room; ++p) {
      const std::string body = Call(io, "POST", "/api/v1/rooms/" + room.name + "/join", "X-Mirado-Key: " + g_key,
                                    "{\"nick\":\"r" + std::to_string(r) + "p" + std::to_string(p) + "\"}");
      room.tokens.push_back(JsonString(body, "token"));
      if (room.tokens.back().empty()) {
        std::fprintf(stderr, "web_bench: join failed: %s\n", body.c_str());
        return 1;
      }
    }
    room.first_id = static_cast<uint64_t>(o.players_per_room);  // one join event each
    for (int s = 0; s < g_streams_per_room; ++s) {
      auto stream = std::make_shared<Stream>(
          io, room.name, room.tokens[static_cast<std::size_t>(s) % room.tokens.size()], room.first_id);
      stream->Start();
      streams.push_back(stream);
    }
    for (const std::string& token : room.tokens) {
      auto poster = std::make_shared<Poster>(io, room.name, token);
      poster->Start();
      posters[r].push_back(poster);
    }
  }
  std::printf("web_bench: %zu streams in %d rooms open, %d players; posting %d lines/s for %d s\n", streams.size(),
              o.rooms, o.rooms * o.players_per_room, o.rate, o.seconds);
  std::fflush(stdout);

  // Lines at a steady rate, round robin over the rooms and their players.
  const auto start = Clock::now();
  g_start = start;
  const auto interval = std::chrono::nanoseconds(1000000000LL / o.rate);
  net::steady_timer pace(io), sampler(io), done(io);
  long next = 0;
  long skipped = 0;
  std::function<void()> tick = [&] {
    const auto due = start + interval * next;
    if (next >= lines) return;
    const std::size_t r = static_cast<std::size_t>(next) % rooms.size();
    auto& room_posters = posters[r];
    const std::size_t p = (static_cast<std::size_t>(next) / rooms.size()) % room_posters.size();
    if (room_posters[p]->busy())
      ++skipped;  // never two requests on one connection
    else
      room_posters[p]->Post(next);
    ++next;
    pace.expires_at(due + interval);
    pace.async_wait([&](boost::system::error_code ec) {
      if (!ec) tick();
    });
  };
  std::vector<long> rss;
  std::function<void()> sample = [&] {
    rss.push_back(ServerRssKib());
    g_measuring = Clock::now() - start > std::chrono::seconds(2);  // after the warm-up
    sampler.expires_after(std::chrono::seconds(1));
    sampler.async_wait([&](boost::system::error_code ec) {
      if (!ec) sample();
    });
  };
  sample();
  tick();
  done.expires_at(start + std::chrono::seconds(o.seconds + 3));
  done.async_wait([&](boost::system::error_code) { io.stop(); });
  io.run();

  // Every stream must have every event of its room, in order.
  long lost = 0, reordered = 0, dropped = 0;
  std::map<std::string, uint64_t> last_of_room;
  for (const Room& room : rooms) {
    const std::string info = Call(io, "GET", "/api/v1/rooms/" + room.name, "X-Mirado-Key: " + g_key, "");
    const auto at = info.find("\"last_event_id\":");
    last_of_room[room.name] = std::strtoull(info.c_str() + at + 16, nullptr, 10);
  }
  for (std::size_t i = 0; i < streams.size(); ++i) {
    const Room& room = rooms[i / static_cast<std::size_t>(g_streams_per_room)];
    reordered += streams[i]->out_of_order();
    if (streams[i]->closed()) ++dropped;
    if (streams[i]->last_id() < last_of_room[room.name]) lost += 1;
  }
  const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf(
      "lines posted: %ld of %ld (%ld skipped: the player's previous line was not yet answered), "
      "failed requests: %ld\n",
      next - skipped, lines, skipped, g_errors);
  std::printf("streams behind their room's last event: %ld; out-of-order or missing ids: %ld; dropped: %ld\n", lost,
              reordered, dropped);
  std::printf("deliveries measured: %zu (after a 2 s warm-up), over %.1f s\n", g_delivery_ms.size(), elapsed);
  std::printf("line to one stream:    median %.2f ms, p99 %.2f ms, max %.2f ms\n", Percentile(g_delivery_ms, 0.5),
              Percentile(g_delivery_ms, 0.99), Percentile(g_delivery_ms, 1.0));
  std::printf("line to every stream:  median %.2f ms, p99 %.2f ms, max %.2f ms\n", Percentile(g_line_last_ms, 0.5),
              Percentile(g_line_last_ms, 0.99), Percentile(g_line_last_ms, 1.0));
  // Where the tail is: the 99th percentile in each 10 s of the run.
  std::printf("line to every stream, p99 by 10 s:");
  for (int from = 0; from < o.seconds; from += 10) {
    std::vector<double> window;
    for (const auto& [at, ms] : g_line_last_at) {
      if (at >= from && at < from + 10) window.push_back(ms);
    }
    std::printf(" %.1f", Percentile(window, 0.99));
  }
  std::printf(" ms\n");
  std::printf("server memory (RSS) by 10 s:");
  for (std::size_t i = 0; i < rss.size(); i += 10) std::printf(" %ld", rss[i]);
  std::printf(" KiB\n");
  if (rss.size() > 12) {
    long low = rss[10], high = rss[10];
    for (std::size_t i = 10; i < rss.size(); ++i) low = std::min(low, rss[i]), high = std::max(high, rss[i]);
    std::printf("server memory (RSS): %ld KiB at 1 s, %ld KiB at 10 s, %ld..%ld KiB from 10 s to the end\n", rss[1],
                rss[10], low, high);
  }
  kill(g_server, SIGTERM);
  int status = 0;
  waitpid(g_server, &status, 0);
  return lost == 0 && reordered == 0 && g_errors == 0 ? 0 : 1;
}
