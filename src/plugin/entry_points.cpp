// The functions the host calls. Nothing may cross the host boundary: any
// failure inside a command ends the call quietly with what was written so far.
//
// Calls may come from several threads (a host serving two networks): one
// process-wide lock runs them one at a time, since they share the random
// source and the settings file. A nick or channel holding a line break is no
// IRC name at all; such a call is not answered, so nothing a peer sends can
// become a raw line of its own.
#include <cstring>
#include <mutex>

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

}  // namespace

extern "C" MIRADO_API void Command(const char* nick, const char*, const char*, const char*, const char* channel,
                                   const char* text, char* output) {
  try {
    if (!IsName(nick) || !IsName(channel)) return;
    std::lock_guard<std::recursive_mutex> hold(CallLock());
    mirado::platform::ProfileCall call;  // one look at the settings file per call
    BotCommand::RunCommand(nick, channel, text, output);
  } catch (...) {
  }
}

extern "C" MIRADO_API void Alias(const char* nick, const char*, const char*, const char*, const char* channel,
                                 const char* text, char* output) {
  try {
    if (!IsName(nick) || !IsName(channel) || output == nullptr) return;
    std::lock_guard<std::recursive_mutex> hold(CallLock());
    mirado::platform::ProfileCall call;  // one look at the settings file per call
    BotCommand::RunAlias(nick, channel, text, output);
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
    mirado::platform::ProfileCall call;  // one look at the settings file per call
    BotCommand::ParamArea none = {};
    BotCommand::PartChannel part;
    part.Init(output, channel, nick, "#KICK", "", none);
    part.Execute();
  } catch (...) {
  }
}
