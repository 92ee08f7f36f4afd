// The functions the host calls. Nothing may cross the host boundary: any
// failure inside a command ends the call quietly with what was written so far.
#include "mirado/mirado.h"
#include "plugin/alias_table.h"
#include "plugin/dispatch.h"
#include "plugin/plugin_commands.h"

extern "C" MIRADO_API void Command(const char* nick, const char*, const char*, const char*, const char* channel,
                                   const char* text, char* output) {
  try {
    BotCommand::RunCommand(nick, channel, text, output);
  } catch (...) {
  }
}

extern "C" MIRADO_API void Alias(const char* nick, const char*, const char*, const char*, const char* channel,
                                 const char* text, char* output) {
  try {
    if (nick == nullptr || channel == nullptr || output == nullptr) return;
    BotCommand::RunAlias(nick, channel, text, output);
  } catch (...) {
  }
}

// The bot is leaving `channel` (or a private talk with `nick`): the line's
// text is not read.
extern "C" MIRADO_API void Part(const char* nick, const char*, const char*, const char*, const char* channel,
                                const char*, char* output) {
  try {
    if (nick == nullptr || channel == nullptr || output == nullptr) return;
    BotCommand::ParamArea none = {};
    BotCommand::PartChannel part;
    part.Init(output, channel, nick, "#KICK", "", none);
    part.Execute();
  } catch (...) {
  }
}
