// Splitting a chat line and running the command it names.
#ifndef MIRADO_PLUGIN_DISPATCH_H_
#define MIRADO_PLUGIN_DISPATCH_H_

#include <cstddef>

#include "core/bot_command.h"

namespace BotCommand {

// Splits `text` (cut to 1023 bytes, ideographic spaces folded) at ASCII spaces
// into the first word, the rest of the line after it (inner spaces kept, a
// trailing space added) and up to five parameters. Each buffer is 1024 bytes;
// `word` may be null. Returns the number of parameters, or -1 when the line
// holds no word.
int SplitLine(const char* text, char* word, char* rest, ParamArea& params);

// One row of the command table: creates its command when the command name
// matches `Pattern` (whole text, case-insensitive) and the line has at least
// `MinParams` parameters.
struct CommandEntry {
  BotCommandAbstract* (*Factory)();
  const char* Pattern;
  int MinParams;
};

extern const CommandEntry kCommandTable[];
extern const std::size_t kCommandTableSize;

// The first row of the command table that takes the command name `name`
// (half width, prefix removed) with `param_count` parameters, or null.
const CommandEntry* FindCommand(const char* name, int param_count);

// Handles one chat line: the body of the exported Command.
void RunCommand(const char* nick, const char* channel, const char* text, char* output);

}  // namespace BotCommand

#endif  // MIRADO_PLUGIN_DISPATCH_H_
