// A stand-in for the plug-in with scripted answers, so the IRC host's handling
// of what a plug-in writes (good lines, bad lines, long lines, PART) can be
// tested end to end through the real loading code. Built twice: with all
// three entry points, and with Command alone (FAKE_PLUGIN_COMMAND_ONLY).
//
// Command answers "NOTICE <channel> :C <nick> <channel> <text>", except for
// these texts (the first word decides):
//   alias ...   nothing: a phrase only Alias knows
//   raw         writes lines a plug-in must never get sent: PRIVMSG, JOIN,
//               QUIT, an empty line, and lower-case "notice" (which is sent)
//   long N      one NOTICE whose text is N double-byte characters (あ)
//   many N      N numbered NOTICE lines
//   overrun     fills the whole buffer without a terminating NUL
// and it reports "dirty" when the buffer it gets is not all zero or the
// three host values are not empty.
// Alias answers "NOTICE <channel> :A <text>" for texts holding "alias" (so a
// line Command answered and Alias would too shows which the host asked).
// Part answers "NOTICE <channel> :P <nick>" and "PART <channel> :bye".
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "mirado/mirado.h"

namespace {

constexpr int kBufferSize = 4096;

bool StartsWith(const char* text, const char* word) { return std::strncmp(text, word, std::strlen(word)) == 0; }

bool Clean(const char* h2, const char* h3, const char* h4, const char* output) {
  if (*h2 != '\0' || *h3 != '\0' || *h4 != '\0') return false;
  for (int i = 0; i < kBufferSize; ++i) {
    if (output[i] != '\0') return false;
  }
  return true;
}

// Appends formatted text within the buffer.
__attribute__((format(printf, 2, 3))) void Append(char* output, const char* fmt, ...) {
  const std::size_t used = std::strlen(output);
  va_list args;
  va_start(args, fmt);
  std::vsnprintf(output + used, kBufferSize - used, fmt, args);
  va_end(args);
}

}  // namespace

extern "C" {

MIRADO_API void Command(const char* nick, const char* h2, const char* h3, const char* h4, const char* channel,
                        const char* text, char* output) {
  if (!Clean(h2, h3, h4, output)) {
    Append(output, "NOTICE %s :dirty\r\n", channel);
    return;
  }
  if (StartsWith(text, "alias")) return;
  if (StartsWith(text, "raw")) {
    Append(output, "PRIVMSG %s :evil\r\nJOIN #elsewhere\r\n\r\nQUIT :bye\r\nnotice %s :quiet\r\n", channel, channel);
    return;
  }
  if (StartsWith(text, "long ") || StartsWith(text, "many ")) {
    const int n = std::atoi(text + 5);
    if (text[0] == 'l') {
      Append(output, "NOTICE %s :", channel);
      for (int i = 0; i < n && std::strlen(output) + 4 < kBufferSize; ++i) Append(output, "%s", "\x82\xA0");
      Append(output, "%s", "\r\n");
    } else {
      for (int i = 1; i <= n && i < 100; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%d", i);
        Append(output, "NOTICE %s :line %s\r\n", channel, number);
      }
    }
    return;
  }
  if (StartsWith(text, "overrun")) {
    std::memset(output, 'x', kBufferSize);
    std::memcpy(output, "NOTICE a :", 10);
    return;
  }
  Append(output, "NOTICE %s :C %s %s %s\r\n", channel, nick, channel, text);
}

#if !defined(FAKE_PLUGIN_COMMAND_ONLY)
MIRADO_API void Alias(const char*, const char* h2, const char* h3, const char* h4, const char* channel,
                      const char* text, char* output) {
  if (!Clean(h2, h3, h4, output)) {
    Append(output, "NOTICE %s :dirty\r\n", channel);
    return;
  }
  if (std::strstr(text, "alias") != nullptr) Append(output, "NOTICE %s :A %s\r\n", channel, text);
}

MIRADO_API void Part(const char* nick, const char*, const char*, const char*, const char* channel, const char*,
                     char* output) {
  Append(output, "NOTICE %s :P %s\r\nPART %s :bye\r\n", channel, nick, channel);
}
#endif

}  // extern "C"
