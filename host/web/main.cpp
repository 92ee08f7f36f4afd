// mirado-web: the web session room host. Serves the plug-in to a browser
// room and to other programs over HTTP; see web_api.h for the API and
// http_server.h for the network's bounds.
#include <unistd.h>

#include <boost/asio/io_context.hpp>
#include <boost/asio/signal_set.hpp>
#include <boost/asio/steady_timer.hpp>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "chat_turn.h"
#include "http_server.h"
#include "hub.h"
#include "plugin_loader.h"
#include "plugin_worker.h"
#include "secrets.h"
#include "web_api.h"
#include "web_config.h"

namespace {

namespace net = boost::asio;
using mirado::web::WebConfig;

int Fail(const std::string& message, int status) {
  std::fprintf(stderr, "mirado-web: %s\n", message.c_str());
  return status;
}

int64_t NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

// The folder of this program, with a trailing slash.
std::string ProgramFolder() {
  char path[4096];
  const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return {};
  std::string text(path, static_cast<std::size_t>(n));
  return text.substr(0, text.rfind('/') + 1);
}

// Ends idle sessions once a minute.
void ExpireLoop(net::steady_timer& timer, mirado::web::Hub& hub) {
  timer.expires_after(std::chrono::minutes(1));
  timer.async_wait([&timer, &hub](boost::system::error_code ec) {
    if (ec) return;
    hub.ExpireSessions(NowMs());
    ExpireLoop(timer, hub);
  });
}

}  // namespace

int main(int argc, char** argv) {
  using namespace mirado::web;
  const std::vector<std::string> args(argv + 1, argv + argc);
  WebConfig config;
  std::string error;
  switch (LoadConfig(args, ProgramFolder() + "mirado-web.conf", &config, &error)) {
    case ConfigOutcome::kHelp: std::fputs(WebUsageText().c_str(), stdout); return 0;
    case ConfigOutcome::kError: std::fputs(WebUsageText().c_str(), stderr); return Fail(error, 2);
    case ConfigOutcome::kRun: break;
  }
  if (config.key.empty()) {
    config.key = RandomSecret(18);
    if (!StoreKey(config.config_path, config.key, &error)) return Fail(error, 1);
    std::fprintf(stderr, "mirado-web: made a new table key, kept in %s\n", config.config_path.c_str());
  }

  const std::string plugin_path = config.plugin_path.empty() ? mirado::host::Plugin::DefaultPath() : config.plugin_path;
  auto plugin = mirado::host::Plugin::Load(plugin_path, &error);
  if (!plugin) return Fail(error, 1);
  const mirado::host::ChatTurn turn = mirado::host::ChatTurn::ForPlugin(*plugin);

  Hub hub(config.limits, config.data_dir, config.log, [] { return RandomSecret(32); });
  if (!hub.Restore(NowMs(), &error)) return Fail(error, 1);

  std::signal(SIGPIPE, SIG_IGN);
  net::io_context io(1);
  PluginWorker worker(turn, io);
  WebApi api(hub, worker, config.key, NowMs);
  ServerTimes times;
  times.request = std::chrono::milliseconds(static_cast<int64_t>(config.request_timeout * 1000));
  times.stream_buffer = config.stream_buffer;
  HttpServer server(io, api, hub, times);
  if (!server.Listen(config.host, config.port, &error)) return Fail(error, 1);

  const std::string shown_host = config.host.find(':') != std::string::npos ? "[" + config.host + "]" : config.host;
  std::printf("mirado-web: the room is open at http://%s:%u/?key=%s\n", shown_host.c_str(),
              static_cast<unsigned>(server.port()), config.key.c_str());
  std::printf("mirado-web: plug-in %s, room logs in %s, %zu rooms restored; Ctrl-C stops it\n", plugin_path.c_str(),
              config.data_dir.c_str(), hub.room_count());
  std::fflush(stdout);

  net::steady_timer expire(io);
  ExpireLoop(expire, hub);

  // SIGINT or SIGTERM: stop taking connections, let the lines that are with
  // the plug-in be stored and answered (at most 5 s), then close everything.
  net::signal_set signals(io, SIGINT, SIGTERM);
  net::steady_timer drain(io);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::hours(24 * 365);
  auto stop_at = std::make_shared<std::chrono::steady_clock::time_point>(deadline);
  std::function<void()> wait_for_turns = [&] {
    if (api.turns_in_flight() == 0 || std::chrono::steady_clock::now() >= *stop_at) {
      server.Stop();
      expire.cancel();
      io.stop();
      return;
    }
    drain.expires_after(std::chrono::milliseconds(20));
    drain.async_wait([&](boost::system::error_code) { wait_for_turns(); });
  };
  signals.async_wait([&](boost::system::error_code ec, int) {
    if (ec) return;
    std::fputs("mirado-web: stopping\n", stderr);
    *stop_at = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    wait_for_turns();
  });
  io.run();
  std::fputs("mirado-web: stopped\n", stderr);
  return 0;
}
