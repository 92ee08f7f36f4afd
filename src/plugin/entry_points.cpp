// The functions the host calls. Nothing may cross the host boundary: any
// failure inside a command ends the call quietly with what was written so far.
#include "mirado/mirado.h"
#include "plugin/dispatch.h"

extern "C" MIRADO_API void Command(const char* nick, const char*, const char*, const char*, const char* channel,
                                   const char* text, char* output) {
  try {
    BotCommand::RunCommand(nick, channel, text, output);
  } catch (...) {
  }
}
