#include "line_reader.h"

#include <cstdlib>
#include <iostream>

#if defined(MIRADO_HAVE_LIBEDIT)
#include <editline/readline.h>
#endif

namespace mirado::host {
namespace {

#if defined(MIRADO_HAVE_LIBEDIT)
constexpr int kHistoryLines = 1000;
#endif

}  // namespace

LineReader::LineReader(bool interactive) : interactive_(interactive) {
#if defined(MIRADO_HAVE_LIBEDIT)
  if (!interactive_) return;
  editing_ = true;
  using_history();
  stifle_history(kHistoryLines);
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    history_file_ = std::string(home) + "/.mirado_console_history";
    read_history(history_file_.c_str());  // none yet on the first run
  }
#endif
}

LineReader::~LineReader() {
#if defined(MIRADO_HAVE_LIBEDIT)
  if (editing_ && !history_file_.empty()) write_history(history_file_.c_str());
#endif
}

bool LineReader::Read(const std::string& prompt, std::string* line) {
#if defined(MIRADO_HAVE_LIBEDIT)
  if (editing_) {
    char* typed = readline(prompt.c_str());
    if (typed == nullptr) return false;
    *line = typed;
    std::free(typed);
    // Blank lines and a line just like the one before are not worth recalling.
    if (line->find_first_not_of(" \t") != std::string::npos) {
      const HIST_ENTRY* last = history_length > 0 ? history_get(history_base + history_length - 1) : nullptr;
      if (last == nullptr || *line != last->line) add_history(line->c_str());
    }
    return true;
  }
#endif
  if (interactive_) std::cout << prompt << std::flush;
  if (!std::getline(std::cin, *line)) return false;
  if (!line->empty() && line->back() == '\r') line->pop_back();
  return true;
}

}  // namespace mirado::host
