// What every fuzz target checks besides the sanitizers: answers the host can
// pass on as they are, and calls that stay quick. A failed check prints why
// and aborts, which libFuzzer reports as a crash with the input saved.
#ifndef MIRADO_FUZZ_FUZZ_CHECKS_H_
#define MIRADO_FUZZ_FUZZ_CHECKS_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace mirado::fuzz {

// The size of the answer buffer the hosts hand to the plug-in.
constexpr std::size_t kOutputSize = 4096;
// Longest a single call may take (thread CPU time, sanitizers included).
constexpr double kCallBudgetSeconds = 0.100;

// Prints `what` and aborts.
[[noreturn]] void Fail(const char* what);
inline void Require(bool condition, const char* what) {
  if (!condition) Fail(what);
}

// Checks an answer buffer of kOutputSize bytes after a call that found
// `host_text` in it: NUL-terminated within the buffer, `host_text` kept in
// front, and everything after it whole CR LF separated lines (an empty line is
// allowed), each "NOTICE <target> :<text>" or "PART <channel>" optionally
// followed by " :<message>", with no CR, LF or NUL inside a line. The target
// is the caller's channel or nick as given, so it is not checked to be one
// word: the hosts pass only one-word targets, and the IRC host rebuilds every
// line from its parts.
void CheckAnswer(const char* output, std::string_view host_text);

// Makes a fresh folder for a settings file and returns its path with the
// separator at the end. It lives in memory (/dev/shm) where there is one:
// every settings write is flushed to the disk, which would otherwise cost
// most of each run. The folder is removed when the program exits. Called once.
std::string MakeSettingsFolder();

// Measures the thread's CPU time of one call.
class CallTimer {
 public:
  CallTimer();
  // Seconds of CPU time since construction.
  double Elapsed() const;

 private:
  double start_;
};

}  // namespace mirado::fuzz

#endif  // MIRADO_FUZZ_FUZZ_CHECKS_H_
