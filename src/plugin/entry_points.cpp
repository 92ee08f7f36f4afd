// The functions the host calls. Nothing may cross the host boundary: any
// failure inside a command ends the call quietly with what was written so far.
//
// Calls may come from several threads (a host serving two networks): one
// process-wide lock runs them one at a time, since they share the random
// source and the settings file. A nick or channel holding a line break is no
// IRC name at all; such a call is not answered, so nothing a peer sends can
// become a raw line of its own.
//
// A call reads the settings file without its lock. If another program wrote
// the file between the call's first read and its first change, the change is
// refused and the call runs again from the host's text, this time holding
// the lock from its first access, so its answer and what it stores always
// rest on the values it read.
#include <cstring>
#include <mutex>

#include "core/sizes.h"
#include "mirado/mirado.h"
#include "platform/platform.h"
#include "plugin/alias_table.h"
#include "plugin/dispatch.h"
#include "plugin/plugin_commands.h"

namespace {

std::recursive_mutex& CallLock() {
  static std::recursive_mutex lock;
  return lock;
}

bool IsName(const char* text) { return text != nullptr && std::strpbrk(text, "\r\n") == nullptr; }

// Runs `run` as one call of the settings store, again (at most twice more)
// while another program's write makes it conflict.
template <typename Run>
void RunCall(char* output, Run run) {
  constexpr int kAttempts = 3;
  char kept[BotCommand::kReplyBufferSize];
  const std::size_t kept_size = output != nullptr ? strnlen(output, sizeof kept - 1) : 0;
  if (kept_size > 0) std::memcpy(kept, output, kept_size);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    {
      mirado::platform::ProfileCall call(attempt > 0);  // one look at the settings file per call
      run();
    }
    if (!mirado::platform::CallConflicted() || attempt + 1 == kAttempts) return;
    if (kept_size > 0) std::memcpy(output, kept, kept_size);
    if (output != nullptr) output[kept_size] = '\0';
  }
}

}  // namespace

extern "C" MIRADO_API void Command(const char* nick, const char*, const char*, const char*, const char* channel,
                                   const char* text, char* output) {
  try {
    if (!IsName(nick) || !IsName(channel)) return;
    std::lock_guard<std::recursive_mutex> hold(CallLock());
    RunCall(output, [&] { BotCommand::RunCommand(nick, channel, text, output); });
  } catch (...) {
  }
}

extern "C" MIRADO_API void Alias(const char* nick, const char*, const char*, const char*, const char* channel,
                                 const char* text, char* output) {
  try {
    if (!IsName(nick) || !IsName(channel) || output == nullptr) return;
    std::lock_guard<std::recursive_mutex> hold(CallLock());
    RunCall(output, [&] { BotCommand::RunAlias(nick, channel, text, output); });
  } catch (...) {
  }
}

// The bot is leaving `channel` (or a private talk with `nick`): the line's
// text is not read.
extern "C" MIRADO_API void Part(const char* nick, const char*, const char*, const char*, const char* channel,
                                const char*, char* output) {
  try {
    if (!IsName(nick) || !IsName(channel) || output == nullptr) return;
    std::lock_guard<std::recursive_mutex> hold(CallLock());
    RunCall(output, [&] {
      BotCommand::ParamArea none = {};
      BotCommand::PartChannel part;
      part.Init(output, channel, nick, "#KICK", "", none);
      part.Execute();
    });
  } catch (...) {
  }
}
