// mirado-irc: the IRC bot host. Connects to an IRC server, joins the
// configured channels and hands every chat line to the plug-in, sending its
// answers back as NOTICEs.
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "bot_loop.h"
#include "config.h"
#include "irc_session.h"
#include "log.h"
#include "plugin_bridge.h"
#include "plugin_loader.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;
int g_wake_write = -1;

// SIGINT and SIGTERM ask the bot to leave with a QUIT; the pipe wakes the
// loop out of any wait. A second signal while it is leaving ends it at once.
void OnStopSignal(int) {
  if (g_stop != 0) _exit(1);
  g_stop = 1;
  const char byte = 1;
  if (g_wake_write >= 0) [[maybe_unused]]
    ssize_t n = write(g_wake_write, &byte, 1);
}

bool InstallSignals(int* wake_read) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  *wake_read = fds[0];
  g_wake_write = fds[1];
  struct sigaction action = {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  if (sigaction(SIGINT, &action, nullptr) != 0 || sigaction(SIGTERM, &action, nullptr) != 0) return false;
  // A write to a connection the server has closed must be an error, not the
  // end of the program (OpenSSL writes to the socket directly).
  std::signal(SIGPIPE, SIG_IGN);
  return true;
}

int Fail(const std::string& message, int status) {
  std::fprintf(stderr, "mirado-irc: %s\n", mirado::irc::Printable(message).c_str());
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace mirado::irc;
  const std::vector<std::string> args(argv + 1, argv + argc);
  SettingMap command_line, file;
  std::string config_path, error;
  switch (ParseArguments(args, &command_line, &config_path, &error)) {
    case ParseOutcome::kHelp: std::fputs(UsageText().c_str(), stdout); return 0;
    case ParseOutcome::kError: std::fputs(UsageText().c_str(), stderr); return Fail(error, 2);
    case ParseOutcome::kRun: break;
  }
  if (!config_path.empty() && !LoadConfigFile(config_path, &file, &error)) return Fail(error, 2);
  BotConfig config;
  if (!BuildConfig(command_line, file, &config, &error)) return Fail(error, 2);
  SetVerbose(config.verbose);

  const std::string plugin_path = config.plugin_path.empty() ? mirado::host::Plugin::DefaultPath() : config.plugin_path;
  auto plugin = mirado::host::Plugin::Load(plugin_path, &error);
  if (!plugin) return Fail(error, 1);
  LogInfo("loaded the plug-in " + plugin_path + " (Command" + (plugin->HasAlias() ? ", Alias" : "") +
          (plugin->HasPart() ? ", Part" : "") + "); wire encoding " + WireEncodingName(config.encoding));

  int wake_read = -1;
  if (!InstallSignals(&wake_read)) return Fail("cannot set up the signal handlers", 1);

  const PluginBridge bridge = PluginBridge::ForPlugin(*plugin, WireCodec(config.encoding));
  IrcSession session(config, bridge);
  BotLoop loop(config, session, wake_read, &g_stop);
  return loop.Run();
}
