// Logging of the IRC host: one line per event on standard error, with a time
// stamp. Chat text is only logged in verbose mode (see Verbose()).
#ifndef MIRADO_HOST_IRC_LOG_H_
#define MIRADO_HOST_IRC_LOG_H_

#include <string>
#include <string_view>

namespace mirado::irc {

// When set, chat lines and the bot's answers are logged as well.
void SetVerbose(bool verbose);
bool Verbose();

// Writes "YYYY-MM-DD hh:mm:ss LEVEL message". Control characters in the
// message (text from the network may hold terminal escapes) are shown as
// "\xHH", so a log line is always one harmless line.
//
// Warnings and errors are rate-limited, so a hostile peer cannot fill the
// disk: at most kLogBurst of them a minute are written; the rest are counted
// and one line tells how many were left out when the next minute's first
// one is written.
constexpr int kLogBurst = 20;
void LogInfo(std::string_view message);
void LogWarning(std::string_view message);
void LogError(std::string_view message);

// For tests: where log lines go (null: standard error) and the clock that
// tells minutes (null: the wall clock).
void SetLogSinkForTesting(void (*sink)(std::string_view line));
void SetLogClockForTesting(long long (*seconds)());

// The message with control characters escaped, as the log shows it.
std::string Printable(std::string_view text);

}  // namespace mirado::irc

#endif  // MIRADO_HOST_IRC_LOG_H_
