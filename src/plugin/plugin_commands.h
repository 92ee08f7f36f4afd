// The commands that manage the plug-in itself rather than roll anything:
// help, character-name registration, the channel's game mode, and leaving a
// channel. Each adds only Execute to the command base.
#ifndef MIRADO_PLUGIN_PLUGIN_COMMANDS_H_
#define MIRADO_PLUGIN_PLUGIN_COMMANDS_H_

#include "core/bot_command.h"

namespace BotCommand {

// "#HELP": the plug-in's name, release date and two links, in three lines of
// their own ("notice", in lower case, without a speaker).
class CallHelp : public BotCommandAbstract {
 public:
  void Execute() override;
};

// "#REG NAME": registers, changes or (without a name) deletes the character
// name the speaker is shown under, keyed by the speaker's NickKey.
class RegisterName : public BotCommandAbstract {
 public:
  void Execute() override;
};

// "#MODE SYSTEM": sets the channel's game mode; "#MODE ?" shows it; anything
// else (no word included) resets it.
class SetGameMode : public BotCommandAbstract {
 public:
  void Execute() override;
};

// Run by the exported Part when the bot leaves a channel: clears the
// channel's counters and memos and adds the PART line.
class PartChannel : public BotCommandAbstract {
 public:
  void Execute() override;
};

}  // namespace BotCommand

#endif  // MIRADO_PLUGIN_PLUGIN_COMMANDS_H_
