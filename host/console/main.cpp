// mirado-console: try the plug-in locally. Type chat lines as a nick in a
// channel and see the bot's answers; scriptable when standard input is a pipe.
#include <clocale>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#if defined(_WIN32)
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

#include "console_session.h"
#include "line_reader.h"
#include "plugin_loader.h"

namespace {

void Usage(std::ostream& out) {
  out << "usage: mirado-console [--plugin PATH] [--nick NAME] [--channel #CHANNEL] [--raw]\n"
         "\n"
         "Reads chat lines (UTF-8) and prints the bot's answers. While it runs:\n"
         "  /nick NAME     speak as another nick\n"
         "  /join #CH      speak in another channel (a nick as channel: a private talk)\n"
         "  /part          the bot leaves the channel (its counters and memos are cleared)\n"
         "  /quit          leave (so does end of input)\n"
         "\n"
         "The plug-in keeps its state in Mirado.ini beside the library.\n";
}

}  // namespace

int main(int argc, char** argv) {
  using mirado::host::ConsoleOptions;
  ConsoleOptions options;
  std::string plugin_path;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](const char* name) -> const char* {
      if (i + 1 >= argc) {
        std::cerr << "mirado-console: " << name << " needs a value\n";
        std::exit(2);
      }
      return argv[++i];
    };
    if (arg == "--plugin") {
      plugin_path = value("--plugin");
    } else if (arg == "--nick") {
      options.nick = value("--nick");
    } else if (arg == "--channel") {
      options.channel = value("--channel");
    } else if (arg == "--raw") {
      options.raw = true;
    } else if (arg == "--help" || arg == "-h") {
      Usage(std::cout);
      return 0;
    } else {
      std::cerr << "mirado-console: unknown option " << arg << "\n";
      Usage(std::cerr);
      return 2;
    }
  }
  if (plugin_path.empty()) plugin_path = mirado::host::Plugin::DefaultPath();
  std::string error;
  auto plugin = mirado::host::Plugin::Load(plugin_path, &error);
  if (!plugin) {
    std::cerr << "mirado-console: " << error << "\n";
    return 1;
  }
  const bool interactive = isatty(fileno(stdin)) != 0;
  // Line editing works in characters of the terminal's encoding (UTF-8).
  if (interactive) std::setlocale(LC_CTYPE, "");
  mirado::host::ConsoleSession session(*plugin, options);
  mirado::host::LineReader reader(interactive);
  if (interactive) {
    std::cout << "Mirado console: type dice like #2D6+3 or a phrase like 性格表, /help for more, /quit to leave.\n";
  }
  std::string line;
  bool more = true;
  while (more && reader.Read(session.Prompt(), &line)) {
    if (line == "/help") {
      Usage(std::cout);
      continue;
    }
    more = session.HandleLine(line, std::cout, std::cerr);
  }
  if (interactive && more) std::cout << "\n";
  return 0;
}
